/* The playing order of the page's own player (used where no playback
 * service owns the music): the list in order, or shuffled so that every song
 * plays once before any repeats; repeat "all", "one" or "off". */
(function (root) {
  'use strict';

  const MODES = ['all', 'one', 'off'];

  function shuffled(items, random) {
    const a = items.slice();
    for (let k = a.length - 1; k > 0; k--) {
      const j = Math.floor(random() * (k + 1));
      const t = a[k];
      a[k] = a[j];
      a[j] = t;
    }
    return a;
  }

  function makeQueue(count, random) {
    random = random || Math.random;
    const q = { mode: 'all', shuffle: false, order: [], pos: -1 };

    // A fresh shuffled order that starts with `first` (when it is a song).
    function reshuffle(first) {
      const rest = [];
      for (let k = 0; k < count; k++) if (k !== first) rest.push(k);
      q.order = first >= 0 ? [first].concat(shuffled(rest, random)) : shuffled(rest, random);
      q.pos = 0;
    }

    q.setMode = (mode) => { q.mode = MODES.indexOf(mode) >= 0 ? mode : 'all'; };
    q.setShuffle = (on, current) => {
      q.shuffle = !!on;
      if (q.shuffle) reshuffle(current);
    };
    // A song the user picked: the shuffled order starts again from it.
    q.chosen = (i) => { if (q.shuffle) reshuffle(i); };

    // The song after (dir 1) or before (dir -1) `current`, or -1 when the
    // album ends there. Automatic steps stop at the end unless the list repeats.
    q.step = (current, dir, automatic) => {
      const wrap = q.mode === 'all' || !automatic;
      if (q.shuffle) {
        if (q.order.length !== count || q.order[q.pos] !== current) reshuffle(current);
        const pos = q.pos + dir;
        if (pos >= 0 && pos < count) {
          q.pos = pos;
          return q.order[pos];
        }
        if (!wrap) return -1;
        if (dir > 0) {
          reshuffle(-1);
          if (count > 1 && q.order[0] === current) q.order.push(q.order.shift());
          return q.order[0];
        }
        return current;
      }
      let i = current + dir;
      if (i >= count) i = wrap ? 0 : -1;
      else if (i < 0) i = wrap ? count - 1 : -1;
      return i;
    };
    return q;
  }

  const api = { makeQueue, MODES };
  if (typeof module !== 'undefined' && module.exports) module.exports = api;
  else root.Queue = api;
})(this);
