/* The app's playback service, reached through window.NativePlayer. The
 * service owns the music, the queue and the play mode; the page only asks it
 * for things and shows what it reports, so songs follow each other with the
 * screen off. It never starts a next song itself.
 *
 * The service counts songs by their place in songs.json; the page leaves out
 * records it cannot read, so indexes are translated both ways here. Times
 * are milliseconds on the bridge and seconds in the page. */
(function (root) {
  'use strict';

  const REPEATS = ['all', 'one', 'off'];

  // A bridge that can play (the service) and not only read the album.
  function isService(bridge) {
    return !!bridge && typeof bridge.state === 'function';
  }

  function call(bridge, name, args) {
    try {
      const f = bridge[name];
      return typeof f === 'function' ? f.apply(bridge, args || []) : undefined;
    } catch (e) {
      return undefined;
    }
  }

  // The service's state object, with every member checked.
  function readState(value) {
    let s = value;
    if (typeof value === 'string') {
      try {
        s = JSON.parse(value);
      } catch (e) {
        s = null;
      }
    }
    if (!s || typeof s !== 'object') s = {};
    const ms = (v) => (Number.isFinite(Number(v)) && Number(v) > 0 ? Number(v) : 0);
    return {
      event: typeof s.event === 'string' ? s.event : '',
      index: Number.isInteger(s.index) ? s.index : -1,
      playing: s.playing === true,
      position: ms(s.position) / 1000,
      duration: ms(s.duration) / 1000,
      repeat: REPEATS.indexOf(s.repeat) >= 0 ? s.repeat : 'all',
      shuffle: s.shuffle === true,
      failed: Number.isInteger(s.failed) ? s.failed : -1,
    };
  }

  function makeServiceEngine(bridge, songs) {
    const engine = { kind: 'service', onState: null };
    let known = readState(null);

    const pageIndex = (entry) => {
      for (let i = 0; i < songs.length; i++) if (songs[i].entry === entry) return i;
      return -1;
    };
    // The service's report in the page's indexes.
    function translate(s) {
      known = s;
      const out = Object.assign({}, s, { index: pageIndex(s.index) });
      if (s.failed >= 0) out.failed = pageIndex(s.failed);
      return out;
    }

    root.nativeState = (json) => {
      const s = translate(readState(json));
      if (engine.onState) engine.onState(s);
    };

    engine.start = () => translate(readState(call(bridge, 'state')));
    engine.select = (i, at) => {
      const entry = songs[i].entry;
      if (entry !== known.index) call(bridge, 'select', [entry]);
      if (at !== undefined) call(bridge, 'seek', [Math.round(at * 1000)]);
    };
    engine.togglePlay = (shown) => {
      if (known.playing) call(bridge, 'pause');
      else if (songs[shown].entry !== known.index) call(bridge, 'select', [songs[shown].entry]);
      else call(bridge, 'resume');
    };
    engine.next = () => call(bridge, 'next');
    engine.previous = () => call(bridge, 'previous');
    engine.seek = (seconds) => call(bridge, 'seek', [Math.max(0, Math.round(seconds * 1000))]);
    engine.setRepeat = (mode) => call(bridge, 'setRepeat', [mode]);
    engine.setShuffle = (on) => call(bridge, 'setShuffle', [!!on]);
    engine.position = () => (Number(call(bridge, 'position')) || 0) / 1000;
    engine.duration = () => (Number(call(bridge, 'duration')) || 0) / 1000;
    return engine;
  }

  const api = { isService, readState, makeServiceEngine };
  if (typeof module !== 'undefined' && module.exports) module.exports = api;
  else root.ServiceEngine = api;
})(this);
