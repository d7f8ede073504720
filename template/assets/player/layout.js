/* Sizes of the picture and the lyrics for the space the stage has.
 *
 * The stage is what the screen leaves between the title and the controls.
 * The lyrics box must always hold the line being sung with a line of context
 * on either side and a fade at each end, so the picture gives way to the
 * lyrics first and the lyrics size is capped by what is left. */
(function (root) {
  'use strict';

  const LINE_HEIGHT = 1.45; // of a lyric line, in font sizes
  const BOX_LINES = 4; // three lines in view plus half a line of fade at either end
  const MIN_CHARS = 8; // characters of the widest script a line must hold
  const MIN_SIZE = 8; // px: smaller stops being text
  const GAP = 14; // px between the picture and the lyrics
  const MAX_COVER = 420;
  const MAX_COVER_OVER = 460;
  const MAX_COVER_ROW = 320;

  function fitSize(textSize, boxHeight, boxWidth) {
    const byHeight = boxHeight / (BOX_LINES * LINE_HEIGHT);
    const byWidth = boxWidth / MIN_CHARS;
    return Math.max(MIN_SIZE, Math.floor(Math.min(textSize, byHeight, byWidth)));
  }

  // The lyrics size, fade and end padding for a lyrics box: the size asked
  // for, capped so that the box holds its lines and a line holds MIN_CHARS
  // characters. The padding lets the first and the last line reach the middle.
  function fitLyrics(textSize, boxHeight, boxWidth) {
    const size = fitSize(textSize, boxHeight, boxWidth);
    const lineBox = size * LINE_HEIGHT;
    return {
      size,
      fade: Math.round(lineBox / 2),
      pad: Math.max(0, Math.round((boxHeight - lineBox) / 2)),
    };
  }

  // The picture's side for a stage of { width, height } px. placement:
  // 'above' | 'below' | 'over'; row: the picture stands beside the lyrics
  // (landscape). In a column the picture leaves the lyrics room for their
  // lines at the size asked for, but keeps at least 40 % of the height.
  function coverSize(stage, placement, row, hasLyrics, textSize) {
    const w = Math.max(0, stage.width);
    const h = Math.max(0, stage.height);
    let cover;
    if (!hasLyrics) cover = Math.min(w, h, MAX_COVER);
    else if (placement === 'over') cover = Math.min(w, h, MAX_COVER_OVER);
    else if (row) cover = Math.min(h, w * 0.4, MAX_COVER_ROW);
    else {
      const wanted = BOX_LINES * LINE_HEIGHT * textSize;
      const floor = Math.min(w * 0.86, h * 0.4);
      cover = Math.max(floor, Math.min(w * 0.86, MAX_COVER, h - GAP - wanted));
    }
    return Math.max(0, Math.floor(cover));
  }

  const api = { coverSize, fitLyrics, LINE_HEIGHT, GAP };
  if (typeof module !== 'undefined' && module.exports) module.exports = api;
  else root.Layout = api;
})(this);
