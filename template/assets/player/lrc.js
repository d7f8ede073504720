/* LRC lyrics: parsing and the line that belongs to a playback time.
 *
 * Time tags [mm:ss], [mm:ss.x], [mm:ss.xx], [mm:ss.xxx] (also [mm:ss:xx]),
 * several at the start of one line; [offset:±ms] shifts every time (a positive
 * offset shows the lines sooner); ID tags ([ar:], [ti:], [al:], ...) and
 * unknown bracketed tags are ignored. A file without any time tag is plain
 * text. */
(function (root) {
  'use strict';

  const TIME_TAG = /^(\d{1,3}):(\d{1,2})(?:[.:](\d{1,3}))?$/;
  const ID_TAG = /^([A-Za-z#]+)\s*:(.*)$/;
  const LEADING_TAG = /^\s*\[([^\[\]]*)\]/;
  const WORD_TIME = /<\d{1,3}:\d{1,2}(?:[.:]\d{1,3})?>/g;

  function tagTime(tag) {
    const m = TIME_TAG.exec(tag.trim());
    if (!m) return null;
    const seconds = Number(m[2]);
    if (seconds >= 60) return null;
    let ms = 0;
    if (m[3] !== undefined) ms = Number(m[3]) * [100, 10, 1][m[3].length - 1];
    return (Number(m[1]) * 60 + seconds) * 1000 + ms;
  }

  function splitLines(text) {
    if (text.charCodeAt(0) === 0xfeff) text = text.slice(1);
    return text.split(/\r\n|\r|\n/);
  }

  // Returns { kind: 'synced' | 'plain' | 'none', lines: [{ time (ms), text }], text }.
  function parseLrc(text) {
    const timed = [];
    const plain = [];
    let offset = 0;
    for (const raw of splitLines(String(text || ''))) {
      let rest = raw;
      const times = [];
      let tagCount = 0;
      let m;
      while ((m = LEADING_TAG.exec(rest)) !== null) {
        tagCount++;
        rest = rest.slice(m[0].length);
        const t = tagTime(m[1]);
        if (t !== null) {
          times.push(t);
          continue;
        }
        const id = ID_TAG.exec(m[1]);
        if (id && id[1].toLowerCase() === 'offset') {
          const value = Number(id[2].trim());
          if (Number.isFinite(value)) offset = value;
        }
      }
      const lineText = rest.replace(WORD_TIME, '').trim();
      if (times.length > 0) {
        for (const t of times) timed.push({ time: t, text: lineText });
      } else if (tagCount === 0 || lineText !== '') {
        plain.push(tagCount === 0 ? raw.replace(/\s+$/, '') : raw.trim());
      }
    }

    if (timed.length > 0) {
      const lines = timed
        .map((line, order) => ({ time: Math.max(0, line.time - offset), text: line.text, order }))
        .sort((a, b) => a.time - b.time || a.order - b.order)
        .map(({ time, text }) => ({ time, text }));
      return { kind: 'synced', lines, text: '' };
    }
    while (plain.length && plain[0].trim() === '') plain.shift();
    while (plain.length && plain[plain.length - 1].trim() === '') plain.pop();
    if (plain.length === 0) return { kind: 'none', lines: [], text: '' };
    return { kind: 'plain', lines: [], text: plain.join('\n') };
  }

  // Index of the last line whose time is at or before timeMs, -1 before the first.
  function lineAt(lines, timeMs) {
    let lo = 0;
    let hi = lines.length - 1;
    let found = -1;
    while (lo <= hi) {
      const mid = (lo + hi) >> 1;
      if (lines[mid].time <= timeMs) {
        found = mid;
        lo = mid + 1;
      } else {
        hi = mid - 1;
      }
    }
    return found;
  }

  // The lines shown as current at timeMs: every line that shares the time of
  // lineAt's line (an original and its translation), as [first, last].
  function currentRange(lines, timeMs) {
    const last = lineAt(lines, timeMs);
    if (last < 0) return null;
    let first = last;
    while (first > 0 && lines[first - 1].time === lines[last].time) first--;
    return [first, last];
  }

  const api = { parseLrc, lineAt, currentRange, tagTime };
  if (typeof module !== 'undefined' && module.exports) module.exports = api;
  else root.Lrc = api;
})(this);
