/* Audio output. Inside the app, the native bridge (window.NativePlayer) plays
 * the stored asset with Android's MediaPlayer; where there is no bridge (a
 * desktop browser), or the bridge cannot open a song, an <audio> element plays
 * it from its relative URL. Both are driven through the same calls:
 * start(path) -> Promise of 'playing', 'blocked' (the browser wants a tap
 * first) or 'failed'; pause(), resume(), seek(seconds),
 * position(), duration(), and the callbacks onEnded / onFailed. */
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

  function makeNativeAudio(bridge) {
    const out = {
      kind: 'native',
      onEnded: null,
      onFailed: null,
      start(path) {
        let ok = false;
        try {
          ok = bridge.play(path) === true;
        } catch (e) {
          ok = false;
        }
        return Promise.resolve(ok ? 'playing' : 'failed');
      },
      pause() { try { bridge.pause(); } catch (e) { /* released */ } },
      resume() { try { bridge.resume(); } catch (e) { /* released */ } },
      seek(seconds) { try { bridge.seek(Math.max(0, Math.round(seconds * 1000))); } catch (e) { /* released */ } },
      position() { try { return (Number(bridge.position()) || 0) / 1000; } catch (e) { return 0; } },
      duration() { try { return (Number(bridge.duration()) || 0) / 1000; } catch (e) { return 0; } },
    };
    root.nativeEnded = () => out.onEnded && out.onEnded();
    root.nativeFailed = () => out.onFailed && out.onFailed();
    return out;
  }

  // One output for the page: native first, the <audio> element for a song
  // the bridge cannot open (and for everything without a bridge).
  function makeOutput(bridge, baseUrl) {
    const html = makeHtmlAudio(baseUrl);
    const native = bridge ? makeNativeAudio(bridge) : null;
    let active = native || html;
    const out = {
      onEnded: null,
      onFailed: null,
      get kind() { return active.kind; },
      async start(path) {
        html.stop(); // the native player is reset by its own start
        if (native) {
          active = native;
          if ((await native.start(path)) === 'playing') return 'playing';
        }
        active = html;
        return html.start(path);
      },
      pause() { active.pause(); },
      resume() { active.resume(); },
      seek(seconds) { active.seek(seconds); },
      position() { return active.position(); },
      duration() { return active.duration(); },
    };
    for (const engine of [html, native]) {
      if (!engine) continue;
      engine.onEnded = () => { if (engine === active && out.onEnded) out.onEnded(); };
      engine.onFailed = () => { if (engine === active && out.onFailed) out.onFailed(); };
    }
    return out;
  }

  const api = { makeOutput };
  if (typeof module !== 'undefined' && module.exports) module.exports = api;
  else root.AudioOut = api;
})(this);
