/* Song lengths: the catalogue's duration text read as seconds, and seconds
 * shown as m:ss or h:mm:ss.
 *
 * The desktop writes durations the way its song grid shows them: "40秒",
 * "3分25秒", "1小时2分5秒" (parts left out when zero). Hand-made catalogues
 * may use "03:25" or "1:02:03" instead; both are understood. */
(function (root) {
  'use strict';

  const CLOCK = /^\d+(?::\d+){1,2}$/;
  const CHINESE = /^(?:(\d+)\s*小时)?\s*(?:(\d+)\s*分钟?)?\s*(?:(\d+)\s*秒钟?)?$/;

  function two(n) {
    return n < 10 ? '0' + n : String(n);
  }

  function formatTime(seconds) {
    if (!Number.isFinite(seconds) || seconds < 0) seconds = 0;
    const s = Math.floor(seconds);
    const h = Math.floor(s / 3600);
    const m = Math.floor((s % 3600) / 60);
    return h > 0 ? h + ':' + two(m) + ':' + two(s % 60) : m + ':' + two(s % 60);
  }

  // Seconds, or 0 when the text is empty or not a duration.
  function parseDurationText(text) {
    const t = String(text === undefined || text === null ? '' : text).trim();
    if (CLOCK.test(t)) return t.split(':').reduce((total, p) => total * 60 + Number(p), 0);
    const m = CHINESE.exec(t);
    if (!m || (m[1] === undefined && m[2] === undefined && m[3] === undefined)) return 0;
    return Number(m[1] || 0) * 3600 + Number(m[2] || 0) * 60 + Number(m[3] || 0);
  }

  const api = { formatTime, parseDurationText };
  if (typeof module !== 'undefined' && module.exports) module.exports = api;
  else root.Times = api;
})(this);
