/* The page's own audio output, an <audio> element playing a song from its
 * relative URL; used where no playback service owns the music (a desktop
 * browser, the tests). start(path) -> Promise of 'playing', 'blocked' (the
 * browser wants a tap first) or 'failed'; pause(), resume(), stop(),
 * seek(seconds), position(), duration(), and the callbacks onEnded / onFailed. */
(function (root) {
  'use strict';

  function makeHtmlAudio(baseUrl) {
    const audio = new Audio();
    audio.preload = 'auto';
    const out = {
      kind: 'html',
      onEnded: null,
      onFailed: null,
      started: false,
      start(path) {
        out.started = false;
        return new Promise((resolve) => {
          let settled = false;
          const settle = (result) => {
            if (settled) return;
            settled = true;
            audio.removeEventListener('playing', onPlaying);
            audio.removeEventListener('error', onError);
            out.started = result !== 'failed';
            resolve(result);
          };
          const onPlaying = () => settle('playing');
          const onError = () => settle('failed');
          audio.addEventListener('playing', onPlaying);
          audio.addEventListener('error', onError);
          audio.src = baseUrl + path;
          const playing = audio.play();
          if (playing && playing.catch) {
            playing.catch((e) => {
              // Refused without a tap: the song is fine, the user starts it.
              settle(e && e.name === 'NotAllowedError' ? 'blocked' : 'failed');
            });
          }
        });
      },
      pause() { audio.pause(); },
      resume() {
        const p = audio.play();
        if (p && p.catch) p.catch(() => {});
      },
      stop() {
        audio.pause();
        audio.removeAttribute('src');
        audio.load();
        out.started = false;
      },
      seek(seconds) {
        if (Number.isFinite(audio.duration)) audio.currentTime = Math.max(0, Math.min(seconds, audio.duration));
      },
      position() { return Number.isFinite(audio.currentTime) ? audio.currentTime : 0; },
      duration() { return Number.isFinite(audio.duration) ? audio.duration : 0; },
    };
    audio.addEventListener('ended', () => out.onEnded && out.onEnded());
    audio.addEventListener('error', () => {
      if (out.started && out.onFailed) out.onFailed();
    });
    return out;
  }

  const api = { makeHtmlAudio };
  if (typeof module !== 'undefined' && module.exports) module.exports = api;
  else root.AudioOut = api;
})(this);
