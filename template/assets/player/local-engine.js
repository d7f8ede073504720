/* The page's own player, for where no playback service owns the music (a
 * desktop browser, the tests): an <audio> element and the page's own queue.
 *
 * Both engines (this one and service-engine.js) offer the page the same calls,
 * in the page's song indexes and in seconds: start() -> the state to show
 * first; select(i, at), togglePlay(shown), next(), previous(), seek(s),
 * setRepeat(mode), setShuffle(on), position(), duration(); and report every
 * change through onState({ event, index, playing, repeat, shuffle, failed }),
 * event being 'song', 'playing', 'paused', 'ended', 'failed' or 'blocked'. */
(function (root) {
  'use strict';

  const RESTART_AFTER = 3; // seconds into a song after which "previous" restarts it

  function makeLocalEngine(songs, options) {
    const audio = root.AudioOut.makeHtmlAudio(options.baseUrl);
    const queue = root.Queue.makeQueue(songs.length);
    const prefs = options.preferences;
    const st = { index: 0, loaded: -1, playing: false, token: 0 };
    const engine = { kind: 'local', onState: null };

    function emit(event, extra) {
      const report = { event, index: st.index, playing: st.playing, repeat: queue.mode, shuffle: queue.shuffle };
      if (extra) Object.assign(report, extra);
      if (engine.onState) engine.onState(report);
    }

    function setPlaying(playing, event) {
      st.playing = playing;
      emit(event);
    }

    // Plays song i from `at` seconds; a song that cannot be played is
    // reported and, when the album plays on by itself, the next one tried.
    function playIndex(i, automatic, attempts, at) {
      const token = ++st.token;
      st.index = i;
      st.loaded = -1;
      st.playing = false;
      emit('song');
      audio.start(songs[i].src).then((result) => {
        if (token !== st.token) return;
        if (result === 'playing') {
          st.loaded = i;
          if (at > 0) audio.seek(at);
          setPlaying(true, 'playing');
        } else if (result === 'blocked') {
          st.loaded = i;
          emit('blocked');
        } else {
          emit('failed', { failed: i });
          const next = automatic && attempts + 1 < songs.length ? queue.step(i, 1, true) : -1;
          if (next >= 0) playIndex(next, true, attempts + 1, 0);
        }
      });
    }

    audio.onEnded = () => {
      if (queue.mode === 'one') return playIndex(st.index, true, 0, 0);
      const i = queue.step(st.index, 1, true);
      if (i >= 0) playIndex(i, true, 0, 0);
      else setPlaying(false, 'ended');
    };

    audio.onFailed = () => {
      const i = st.index;
      st.loaded = -1;
      st.playing = false;
      emit('failed', { failed: i });
      const next = queue.step(i, 1, true);
      if (next >= 0 && next !== i) playIndex(next, true, 1, 0);
    };

    engine.start = () => {
      queue.setMode(prefs.load('mode'));
      queue.setShuffle(prefs.load('shuffle') === '1', 0);
      return { index: 0, playing: false, position: 0, repeat: queue.mode, shuffle: queue.shuffle };
    };

    engine.select = (i, at) => {
      if (i === st.index && st.loaded === i && at !== undefined) {
        audio.seek(at);
        return;
      }
      queue.chosen(i);
      playIndex(i, false, 0, at || 0);
    };

    // The shown song is paused, playing, or not loaded yet (or failed): then it starts.
    engine.togglePlay = (shown) => {
      if (st.playing) {
        audio.pause();
        setPlaying(false, 'paused');
      } else if (st.loaded !== shown) {
        playIndex(shown, false, 0, 0);
      } else {
        audio.resume();
        setPlaying(true, 'playing');
      }
    };

    engine.next = () => {
      const i = queue.step(st.index, 1, false);
      if (i >= 0) playIndex(i, false, 0, 0);
    };

    engine.previous = () => {
      if (st.loaded === st.index && audio.position() > RESTART_AFTER) {
        audio.seek(0);
        return;
      }
      const i = queue.step(st.index, -1, false);
      if (i >= 0) playIndex(i, false, 0, 0);
    };

    engine.seek = (seconds) => { if (st.loaded === st.index) audio.seek(seconds); };
    engine.setRepeat = (mode) => {
      queue.setMode(mode);
      prefs.save('mode', queue.mode);
    };
    engine.setShuffle = (on) => {
      queue.setShuffle(on, st.index);
      prefs.save('shuffle', on ? '1' : '0');
    };
    engine.position = () => (st.loaded === st.index ? audio.position() : 0);
    engine.duration = () => (st.loaded === st.index ? audio.duration() : 0);
    return engine;
  }

  root.LocalEngine = { makeLocalEngine };
})(this);
