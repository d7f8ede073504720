// A stand-in for the app's playback service behind window.NativePlayer, with
// the agreed bridge contract (template/README.md): it owns the queue and the
// play mode, reports every change through window.nativeState, goes on by
// itself after a song ends or fails, and records every call the page makes.
// Time stands still until the test moves it with fakeService.advance(ms).
// Set up by an earlier init script: window.fakeServiceSetup = { title,
// catalogue, assets, count, state, unplayable: [songs.json indexes] }.
(function () {
  'use strict';
  const setup = window.fakeServiceSetup;
  const SONG_MS = 30000;
  const calls = [];
  const s = Object.assign({ index: -1, playing: false, position: 0, duration: 0, repeat: 'all', shuffle: false }, setup.state);
  const unplayable = setup.unplayable || [];

  const snapshot = () => ({ index: s.index, playing: s.playing, position: s.position, duration: s.duration, repeat: s.repeat, shuffle: s.shuffle });
  // Events come later, on the page's own thread, as the shell posts them.
  function emit(event, extra) {
    const report = Object.assign(snapshot(), { event }, extra || {});
    setTimeout(() => window.nativeState(JSON.stringify(report)), 0);
  }

  // Plays song i, or the next playable one after a failure (once round).
  function play(i, tries) {
    if (unplayable.indexOf(i) >= 0) {
      s.playing = false;
      emit('failed', { failed: i });
      if (tries + 1 < setup.count) play((i + 1) % setup.count, tries + 1);
      return;
    }
    Object.assign(s, { index: i, playing: true, position: 0, duration: SONG_MS });
    emit('song');
    emit('playing');
  }

  function following() {
    if (s.repeat === 'one') return s.index;
    if (s.index + 1 < setup.count) return s.index + 1;
    return s.repeat === 'all' ? 0 : -1;
  }

  const record = (name, f) => function () {
    calls.push([name].concat(Array.prototype.slice.call(arguments)));
    return f.apply(null, arguments);
  };

  window.NativePlayer = {
    title: record('title', () => setup.title),
    catalogue: record('catalogue', () => setup.catalogue),
    readAsset: record('readAsset', (path) => setup.assets[path] || ''),
    state: record('state', () => JSON.stringify(snapshot())),
    select: record('select', (i) => play(i, 0)),
    pause: record('pause', () => {
      s.playing = false;
      emit('paused');
    }),
    resume: record('resume', () => {
      if (s.index < 0) return play(0, 0);
      s.playing = true;
      emit('playing');
    }),
    seek: record('seek', (ms) => { s.position = Math.max(0, Math.min(ms, s.duration)); }),
    next: record('next', () => play((s.index + 1) % setup.count, 0)),
    previous: record('previous', () => {
      if (s.position > 3000) s.position = 0;
      else play((s.index + setup.count - 1) % setup.count, 0);
    }),
    setRepeat: record('setRepeat', (mode) => { s.repeat = mode; }),
    setShuffle: record('setShuffle', (on) => { s.shuffle = on; }),
    position: () => s.position,
    duration: () => (s.index >= 0 ? s.duration : 0),
  };

  window.fakeService = {
    calls,
    // Moves playing time on; at the end of a song the service goes on by itself.
    advance(ms) {
      if (!s.playing) return;
      s.position += ms;
      if (s.position < s.duration) return;
      const next = following();
      if (next >= 0) return play(next, 0);
      Object.assign(s, { playing: false, position: s.duration });
      emit('ended');
    },
  };
})();
