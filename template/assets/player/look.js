/* The catalogue's display settings turned into CSS values.
 * Colours are Android's: #RRGGBB, #AARRGGBB (alpha first), #RGB, #ARGB. */
(function (root) {
  'use strict';

  const DEFAULTS = { text: '#ffffff', background: '#ffffcc', textSize: 18 };
  const MIN_TEXT_SIZE = 10;
  const MAX_TEXT_SIZE = 64;

  // Returns { r, g, b, a } with a in 0..1, or null for anything else.
  function parseAndroidColor(value) {
    const m = /^#([0-9a-fA-F]{3,8})$/.exec(String(value || '').trim());
    if (!m) return null;
    let hex = m[1];
    if (hex.length === 3 || hex.length === 4) hex = hex.replace(/./g, (c) => c + c);
    if (hex.length === 6) hex = 'ff' + hex;
    if (hex.length !== 8) return null;
    const byte = (i) => parseInt(hex.slice(i, i + 2), 16);
    return { r: byte(2), g: byte(4), b: byte(6), a: byte(0) / 255 };
  }

  function cssColor(c) {
    if (c.a >= 1) return `rgb(${c.r}, ${c.g}, ${c.b})`;
    return `rgba(${c.r}, ${c.g}, ${c.b}, ${Number(c.a.toFixed(3))})`;
  }

  // Relative luminance (sRGB), 0 for black to 1 for white.
  function luminance(c) {
    const lin = (v) => {
      v /= 255;
      return v <= 0.03928 ? v / 12.92 : Math.pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lin(c.r) + 0.7152 * lin(c.g) + 0.0722 * lin(c.b);
  }

  // Lyrics size in CSS pixels: an sp is a density-independent pixel, which
  // is what a CSS pixel is in a WebView.
  function textSizePx(value) {
    const n = Number(String(value || '').trim());
    if (!Number.isFinite(n) || n <= 0) return DEFAULTS.textSize;
    return Math.min(MAX_TEXT_SIZE, Math.max(MIN_TEXT_SIZE, n));
  }

  // Where the lyrics stand: '0' above the picture, '1' over the picture,
  // '2' below the picture. Anything else counts as '2'.
  function lyricsPlacement(value) {
    const v = String(value || '').trim();
    if (v === '0') return 'above';
    if (v === '1') return 'over';
    return 'below';
  }

  // Everything the page applies, from one song's settings.
  function lookOf(song) {
    const text = parseAndroidColor(song.textColor) || parseAndroidColor(DEFAULTS.text);
    const background = parseAndroidColor(song.backgroundColor) || parseAndroidColor(DEFAULTS.background);
    const onBackground = luminance(background) > 0.45 ? '#1d1d1f' : '#f5f5f7';
    return {
      textColor: cssColor(text),
      backgroundColor: cssColor(background),
      listTextColor: onBackground,
      textSize: textSizePx(song.textSize),
      placement: lyricsPlacement(song.lrcPosition),
      wallpaper: String(song.displayStyle || '').trim().toLowerCase() === 'bing',
    };
  }

  const api = { parseAndroidColor, cssColor, luminance, textSizePx, lyricsPlacement, lookOf, DEFAULTS };
  if (typeof module !== 'undefined' && module.exports) module.exports = api;
  else root.Look = api;
})(this);
