/* The lyrics box: synced lines with the sung one highlighted and kept in
 * view, or plain text. A tap on a synced line asks to seek to its time; a
 * hand scroll holds the lyrics still for a few seconds. */
(function (root) {
  'use strict';

  const HAND_SCROLL_PAUSE = 4000; // ms
  const SCROLL_TIME = 300; // ms of the glide to a new line

  function clear(node) {
    while (node.firstChild) node.removeChild(node.firstChild);
  }

  function makeLyricsView(box, lines, onSeek) {
    const view = { kind: 'none' };
    let items = [];
    let times = [];
    let range = null;
    let handUntil = 0;
    let glide = 0;
    let fade = 0;

    function stopGlide() {
      if (glide) root.cancelAnimationFrame(glide);
      glide = 0;
      delete lines.dataset.moving;
    }

    function scrollTo(top, smooth) {
      const max = Math.max(0, lines.scrollHeight - lines.clientHeight);
      const target = Math.max(0, Math.min(max, Math.round(top)));
      stopGlide();
      const from = lines.scrollTop;
      if (!smooth || Math.abs(target - from) < 2) {
        lines.scrollTop = target;
        return;
      }
      const begin = Date.now();
      lines.dataset.moving = 'true';
      const step = () => {
        const t = Math.min(1, (Date.now() - begin) / SCROLL_TIME);
        lines.scrollTop = from + (target - from) * (1 - Math.pow(1 - t, 3));
        if (t < 1) glide = root.requestAnimationFrame(step);
        else stopGlide();
      };
      glide = root.requestAnimationFrame(step);
    }

    // The sung lines in the middle of the box; a block taller than the space
    // between the fades starts at its first line.
    function follow(smooth) {
      if (view.kind !== 'synced' || Date.now() < handUntil) return;
      if (!range) return scrollTo(0, smooth);
      const first = items[range[0]];
      const last = items[range[1]];
      const top = first.offsetTop;
      const bottom = last.offsetTop + last.offsetHeight;
      const height = lines.clientHeight;
      if (bottom - top <= height - 2 * fade) scrollTo((top + bottom - height) / 2, smooth);
      else scrollTo(top - fade, smooth);
    }

    view.render = (lyrics) => {
      stopGlide();
      clear(lines);
      items = [];
      times = [];
      range = null;
      view.kind = lyrics.kind;
      box.hidden = lyrics.kind === 'none';
      box.dataset.kind = lyrics.kind;
      if (lyrics.kind === 'plain') {
        const text = document.createElement('div');
        text.className = 'plain';
        text.textContent = lyrics.text;
        lines.appendChild(text);
      } else if (lyrics.kind === 'synced') {
        const frag = document.createDocumentFragment();
        lyrics.lines.forEach((line, k) => {
          const p = document.createElement('p');
          p.className = 'line';
          p.dataset.index = String(k);
          p.textContent = line.text;
          frag.appendChild(p);
          items.push(p);
          times.push(line.time);
        });
        lines.appendChild(frag);
      }
      lines.scrollTop = 0;
    };

    // Marks the lines sung at `seconds` and glides them into view.
    view.update = (seconds, lyricsLines) => {
      if (view.kind !== 'synced') return;
      const next = root.Lrc.currentRange(lyricsLines, Math.round(seconds * 1000));
      if (range && next && range[0] === next[0] && range[1] === next[1]) return;
      if (!range && !next) return;
      if (range) for (let k = range[0]; k <= range[1]; k++) items[k].classList.remove('current');
      range = next;
      if (range) for (let k = range[0]; k <= range[1]; k++) items[k].classList.add('current');
      follow(true);
    };

    // After the box changed size: the sung lines back in view at once.
    view.relayout = (fadePx) => {
      fade = fadePx;
      follow(false);
    };

    const byHand = () => {
      handUntil = Date.now() + HAND_SCROLL_PAUSE;
      stopGlide();
    };
    lines.addEventListener('wheel', byHand, { passive: true });
    lines.addEventListener('touchstart', byHand, { passive: true });
    lines.addEventListener('click', (e) => {
      const line = e.target.closest ? e.target.closest('.line') : null;
      if (!line || view.kind !== 'synced') return;
      e.stopPropagation();
      handUntil = 0;
      onSeek(times[Number(line.dataset.index)] / 1000);
    });
    return view;
  }

  root.LyricsView = { makeLyricsView };
})(this);
