/* The album player: song list, now playing, controls and lyrics.
 * Everything it reads comes from the album itself: the catalogue and lyrics
 * through the native bridge inside the app, or from the folder beside the
 * page (../../res/raw/songs.json, ../lrcs/...) in a desktop browser. */
(function () {
  'use strict';

  const $ = (id) => document.getElementById(id);
  const bridge = window.NativePlayer && typeof window.NativePlayer.play === 'function' ? window.NativePlayer : null;
  const MODES = ['all', 'one', 'off'];
  const MODE_NAMES = { all: '列表循环', one: '单曲循环', off: '顺序播放' };
  const FATAL_TEXTS = {
    missing: '找不到歌曲列表（songs.json），无法播放这个专辑。',
    unreadable: '歌曲列表（songs.json）已损坏，无法读取。请在电脑上重新生成这个专辑。',
    empty: '这个专辑里没有歌曲。',
  };
  const RESTART_AFTER = 3; // seconds into a song after which "previous" restarts it
  const HAND_SCROLL_PAUSE = 4000; // ms the lyrics keep still after the user scrolled them

  const out = AudioOut.makeOutput(bridge, '../');
  const state = {
    songs: [],
    current: -1,
    loaded: -1, // the song the audio output holds, ready to resume
    playing: false,
    mode: 'all',
    shuffle: false,
    order: [],
    orderPos: -1,
    failed: new Set(),
    lyrics: { kind: 'none', lines: [], text: '' },
    lyricRange: null,
    lyricElements: [],
    handScrollUntil: 0,
    seeking: false,
    startToken: 0,
    noticeTimer: 0,
  };

  // ---- reading the album -------------------------------------------------

  function readText(url) {
    return new Promise((resolve) => {
      const xhr = new XMLHttpRequest();
      try {
        xhr.open('GET', url);
        xhr.overrideMimeType('text/plain; charset=utf-8');
        xhr.onload = () => resolve(xhr.status === 200 || (xhr.status === 0 && xhr.responseText) ? xhr.responseText : null);
        xhr.onerror = () => resolve(null);
        xhr.send();
      } catch (e) {
        resolve(null);
      }
    });
  }

  function callBridge(name, ...args) {
    try {
      const value = bridge[name](...args);
      return value === null || value === undefined ? '' : String(value);
    } catch (e) {
      return '';
    }
  }

  async function catalogueText() {
    return bridge ? callBridge('catalogue') : readText('../../res/raw/songs.json');
  }

  // The album title: the app's label, or app_name of strings.xml beside a desktop copy.
  async function albumTitle() {
    let title = '';
    if (bridge) {
      title = callBridge('title');
    } else {
      const xml = await readText('../../res/values/strings.xml');
      if (xml) {
        const doc = new DOMParser().parseFromString(Catalogue.stripBom(xml), 'application/xml');
        const node = doc.querySelector('string[name="app_name"]');
        if (node) title = node.textContent.replace(/\\'/g, "'");
      }
    }
    return title.trim() || '音乐专辑';
  }

  const lyricsCache = new Map();
  async function lyricsOf(song) {
    if (!song.lrc) return { kind: 'none', lines: [], text: '' };
    if (!lyricsCache.has(song.lrc)) {
      const text = bridge ? callBridge('readAsset', song.lrc) : await readText('../' + song.lrc);
      lyricsCache.set(song.lrc, Lrc.parseLrc(text || ''));
    }
    return lyricsCache.get(song.lrc);
  }

  // ---- small helpers ---------------------------------------------------------

  function formatTime(seconds) {
    if (!Number.isFinite(seconds) || seconds < 0) seconds = 0;
    const s = Math.floor(seconds);
    const h = Math.floor(s / 3600);
    const m = Math.floor((s % 3600) / 60);
    const ss = String(s % 60).padStart(2, '0');
    return h > 0 ? `${h}:${String(m).padStart(2, '0')}:${ss}` : `${m}:${ss}`;
  }

  // "03:25" or "1:02:03" from the catalogue, as seconds; 0 when unreadable.
  function parseDurationText(text) {
    const parts = String(text || '').trim().split(':');
    if (parts.length < 2 || parts.length > 3 || parts.some((p) => !/^\d+$/.test(p))) return 0;
    return parts.reduce((total, p) => total * 60 + Number(p), 0);
  }

  function notice(text, ms = 4000) {
    const box = $('notice');
    box.textContent = text;
    box.hidden = false;
    clearTimeout(state.noticeTimer);
    if (ms > 0) state.noticeTimer = setTimeout(() => { box.hidden = true; }, ms);
  }

  function fatal(text) {
    $('app').hidden = true;
    $('fatal-text').textContent = text;
    $('fatal').hidden = false;
    document.body.dataset.state = 'fatal';
  }

  function savePreference(key, value) {
    try { localStorage.setItem('albumPlayer.' + key, value); } catch (e) { /* not kept */ }
  }

  function loadPreference(key) {
    try { return localStorage.getItem('albumPlayer.' + key); } catch (e) { return null; }
  }

  // ---- look ----------------------------------------------------------------

  function applyLook(song) {
    const look = Look.lookOf(song);
    const css = document.documentElement.style;
    css.setProperty('--text-color', look.textColor);
    css.setProperty('--bg-color', look.backgroundColor);
    css.setProperty('--list-text', look.listTextColor);
    css.setProperty('--lrc-size', look.textSize + 'px');
    document.body.classList.toggle('wallpaper', look.wallpaper);
    $('stage').dataset.placement = look.placement;
  }

  // ---- song list -------------------------------------------------------------

  function buildList() {
    const list = $('song-list');
    const rows = document.createDocumentFragment();
    state.songs.forEach((song, i) => {
      const li = document.createElement('li');
      li.className = 'song-row';
      li.dataset.index = String(i);
      li.tabIndex = 0;

      const thumb = document.createElement('div');
      thumb.className = 'thumb';
      if (song.image) {
        const img = document.createElement('img');
        img.loading = 'lazy';
        img.decoding = 'async';
        img.alt = '';
        img.addEventListener('error', () => thumb.classList.add('missing'));
        img.src = '../' + song.image;
        thumb.appendChild(img);
      } else {
        thumb.classList.add('missing');
      }

      const number = document.createElement('span');
      number.className = 'row-number';
      number.textContent = String(i + 1);

      const text = document.createElement('div');
      text.className = 'row-text';
      const title = document.createElement('div');
      title.className = 'row-title';
      title.textContent = song.title;
      const sub = document.createElement('div');
      sub.className = 'row-sub';
      sub.textContent = song.singer || song.album;
      text.append(title, sub);

      const duration = document.createElement('span');
      duration.className = 'row-duration';
      duration.textContent = song.durationText;

      li.append(number, thumb, text, duration);
      rows.appendChild(li);
    });
    list.replaceChildren(rows);
    $('song-count').textContent = `共 ${state.songs.length} 首`;

    list.addEventListener('click', (e) => {
      const row = e.target.closest('.song-row');
      if (row) playChosen(Number(row.dataset.index));
    });
    list.addEventListener('keydown', (e) => {
      const row = e.target.closest('.song-row');
      if (row && (e.key === 'Enter' || e.key === ' ')) {
        e.preventDefault();
        playChosen(Number(row.dataset.index));
      }
    });
  }

  function rowOf(i) {
    return $('song-list').children[i] || null;
  }

  function markCurrentRow(previous, current) {
    const before = rowOf(previous);
    if (before) {
      before.classList.remove('current');
      before.removeAttribute('aria-current');
    }
    const now = rowOf(current);
    if (now) {
      now.classList.add('current');
      now.setAttribute('aria-current', 'true');
    }
  }

  function markFailed(i) {
    state.failed.add(i);
    const row = rowOf(i);
    if (row) row.classList.add('failed');
  }

  // ---- now playing -----------------------------------------------------------

  function showSong(i) {
    const song = state.songs[i];
    const previous = state.current;
    state.current = i;
    document.body.dataset.current = String(i);
    markCurrentRow(previous, i);
    applyLook(song);

    $('song-title').textContent = song.title;
    $('song-sub').textContent = [song.singer, song.album, song.info].filter(Boolean).join(' · ');

    const box = $('cover-box');
    const cover = $('cover');
    box.classList.remove('missing');
    if (song.image) {
      cover.src = '../' + song.image;
    } else {
      cover.removeAttribute('src');
      box.classList.add('missing');
      $('backdrop').style.backgroundImage = '';
    }

    const total = parseDurationText(song.durationText);
    setSeekBar(0, total);

    state.lyrics = { kind: 'none', lines: [], text: '' };
    renderLyrics();
    lyricsOf(song).then((lyrics) => {
      if (state.current !== i) return;
      state.lyrics = lyrics;
      renderLyrics();
      updateLyrics(state.playing ? out.position() : 0);
    });
  }

  function setPlaying(playing) {
    state.playing = playing;
    document.body.dataset.playing = playing ? 'true' : 'false';
    const button = $('btn-play');
    button.classList.toggle('is-playing', playing);
    button.title = playing ? '暂停' : '播放';
    button.setAttribute('aria-label', button.title);
  }

  function setSeekBar(position, total) {
    const bar = $('seek');
    bar.max = String(total);
    if (!state.seeking) bar.value = String(Math.min(position, total || position));
    $('time-now').textContent = formatTime(state.seeking ? Number(bar.value) : position);
    $('time-total').textContent = formatTime(total);
    const max = Number(bar.max) || 0;
    bar.style.setProperty('--progress', max > 0 ? (Number(bar.value) / max) * 100 + '%' : '0%');
  }

  // ---- lyrics ----------------------------------------------------------------

  function renderLyrics() {
    const box = $('lyrics');
    const lines = $('lyrics-lines');
    const lyrics = state.lyrics;
    state.lyricRange = null;
    state.lyricElements = [];
    $('stage').classList.toggle('has-lyrics', lyrics.kind !== 'none');
    box.hidden = lyrics.kind === 'none';
    box.dataset.kind = lyrics.kind;
    if (lyrics.kind === 'plain') {
      const text = document.createElement('div');
      text.className = 'plain';
      text.textContent = lyrics.text;
      lines.replaceChildren(text);
    } else if (lyrics.kind === 'synced') {
      const frag = document.createDocumentFragment();
      for (const line of lyrics.lines) {
        const p = document.createElement('p');
        p.className = 'line';
        p.textContent = line.text;
        frag.appendChild(p);
        state.lyricElements.push(p);
      }
      lines.replaceChildren(frag);
    } else {
      lines.replaceChildren();
    }
    lines.scrollTop = 0;
  }

  function updateLyrics(seconds) {
    if (state.lyrics.kind !== 'synced') return;
    const range = Lrc.currentRange(state.lyrics.lines, Math.round(seconds * 1000));
    const old = state.lyricRange;
    if (old && range && old[0] === range[0] && old[1] === range[1]) return;
    if (!old && !range) return;
    if (old) for (let k = old[0]; k <= old[1]; k++) state.lyricElements[k].classList.remove('current');
    state.lyricRange = range;
    const box = $('lyrics-lines');
    if (!range) {
      if (Date.now() >= state.handScrollUntil) box.scrollTo({ top: 0, behavior: 'smooth' });
      return;
    }
    for (let k = range[0]; k <= range[1]; k++) state.lyricElements[k].classList.add('current');
    if (Date.now() < state.handScrollUntil) return;
    const first = state.lyricElements[range[0]];
    const last = state.lyricElements[range[1]];
    const middle = (first.offsetTop + last.offsetTop + last.offsetHeight) / 2;
    box.scrollTo({ top: Math.max(0, middle - box.clientHeight / 2), behavior: 'smooth' });
  }

  // ---- playing order ---------------------------------------------------------

  function shuffled(items) {
    const a = items.slice();
    for (let k = a.length - 1; k > 0; k--) {
      const j = Math.floor(Math.random() * (k + 1));
      [a[k], a[j]] = [a[j], a[k]];
    }
    return a;
  }

  // A fresh shuffled order that starts with `first` (when given).
  function reshuffle(first) {
    const rest = state.songs.map((_, k) => k).filter((k) => k !== first);
    state.order = first === undefined || first < 0 ? shuffled(rest) : [first, ...shuffled(rest)];
    state.orderPos = 0;
  }

  // The song after (dir = 1) or before (dir = -1) the current one, or -1 when
  // the album ends there. Automatic steps stop at the end unless the list repeats.
  function stepIndex(dir, automatic) {
    const n = state.songs.length;
    const wrap = state.mode === 'all' || !automatic;
    if (state.shuffle) {
      if (state.order.length !== n || state.order[state.orderPos] !== state.current) reshuffle(state.current);
      const pos = state.orderPos + dir;
      if (pos >= 0 && pos < n) {
        state.orderPos = pos;
        return state.order[pos];
      }
      if (!wrap) return -1;
      if (dir > 0) {
        reshuffle(-1);
        if (n > 1 && state.order[0] === state.current) state.order.push(state.order.shift());
        return state.order[0];
      }
      return state.current;
    }
    let i = state.current + dir;
    if (i >= n) i = wrap ? 0 : -1;
    else if (i < 0) i = wrap ? n - 1 : -1;
    return i;
  }

  // ---- playing ---------------------------------------------------------------

  async function playIndex(i, automatic = false, attempts = 0) {
    const token = ++state.startToken;
    const song = state.songs[i];
    showSong(i);
    setPlaying(false);
    state.loaded = -1;
    const result = await out.start(song.src);
    if (token !== state.startToken) return;
    if (result === 'playing') {
      document.body.dataset.starts = String(Number(document.body.dataset.starts || 0) + 1);
      state.loaded = i;
      state.failed.delete(i);
      const row = rowOf(i);
      if (row) row.classList.remove('failed');
      setPlaying(true);
      tick();
      return;
    }
    if (result === 'blocked') {
      state.loaded = i;
      notice('请点击播放按钮开始播放');
      return;
    }
    markFailed(i);
    notice(`无法播放《${song.title}》`);
    if (automatic && attempts + 1 < state.songs.length) {
      const next = stepIndex(1, true);
      if (next >= 0) playIndex(next, true, attempts + 1);
    }
  }

  // A song the user picked: the shuffled order starts again from it.
  function playChosen(i) {
    if (state.shuffle) reshuffle(i);
    playIndex(i);
  }

  // The shown song is paused, playing, or not loaded yet (or failed): then it starts.
  function togglePlay() {
    if (state.playing) {
      out.pause();
      setPlaying(false);
    } else if (state.loaded !== state.current) {
      playIndex(state.current);
    } else {
      out.resume();
      setPlaying(true);
    }
  }

  function next() {
    const i = stepIndex(1, false);
    if (i >= 0) playIndex(i);
  }

  function previous() {
    if (state.loaded === state.current && out.position() > RESTART_AFTER) {
      out.seek(0);
      tick();
      return;
    }
    const i = stepIndex(-1, false);
    if (i >= 0) playIndex(i);
  }

  out.onEnded = () => {
    if (state.mode === 'one') return playIndex(state.current, true);
    const i = stepIndex(1, true);
    if (i >= 0) {
      playIndex(i, true);
    } else {
      setPlaying(false);
      tick();
    }
  };

  out.onFailed = () => {
    const i = state.current;
    state.loaded = -1;
    markFailed(i);
    setPlaying(false);
    notice(`无法播放《${state.songs[i].title}》`);
    const nextIndex = stepIndex(1, true);
    if (nextIndex >= 0 && nextIndex !== i) playIndex(nextIndex, true, 1);
  };

  function tick() {
    if (state.current < 0) return;
    const song = state.songs[state.current];
    const position = out.position();
    const total = out.duration() || parseDurationText(song.durationText);
    setSeekBar(position, total);
    if (!state.seeking) updateLyrics(position);
  }

  // ---- modes -----------------------------------------------------------------

  function setMode(mode) {
    state.mode = MODES.includes(mode) ? mode : 'all';
    const button = $('btn-mode');
    button.dataset.mode = state.mode;
    button.title = MODE_NAMES[state.mode];
    button.setAttribute('aria-label', button.title);
    savePreference('mode', state.mode);
  }

  function setShuffle(on) {
    state.shuffle = on;
    const button = $('btn-shuffle');
    button.setAttribute('aria-pressed', on ? 'true' : 'false');
    button.title = on ? '随机播放：开' : '随机播放：关';
    if (on) reshuffle(state.current);
    savePreference('shuffle', on ? '1' : '0');
  }

  // ---- wiring ----------------------------------------------------------------

  function wireControls() {
    $('btn-play').addEventListener('click', togglePlay);
    $('btn-next').addEventListener('click', next);
    $('btn-prev').addEventListener('click', previous);
    $('btn-mode').addEventListener('click', () => {
      setMode(MODES[(MODES.indexOf(state.mode) + 1) % MODES.length]);
      notice(MODE_NAMES[state.mode], 1500);
    });
    $('btn-shuffle').addEventListener('click', () => {
      setShuffle(!state.shuffle);
      notice(state.shuffle ? '随机播放' : '按顺序播放', 1500);
    });

    const bar = $('seek');
    bar.addEventListener('input', () => {
      state.seeking = true;
      tick();
    });
    bar.addEventListener('change', () => {
      const target = Number(bar.value);
      state.seeking = false;
      if (state.current < 0) return;
      out.seek(target);
      setSeekBar(target, Number(bar.max) || 0);
      updateLyrics(target);
    });

    const lines = $('lyrics-lines');
    const byHand = () => { state.handScrollUntil = Date.now() + HAND_SCROLL_PAUSE; };
    lines.addEventListener('wheel', byHand, { passive: true });
    lines.addEventListener('touchstart', byHand, { passive: true });

    // Lyrics laid over the picture can be tapped away to see it, and back.
    $('stage').addEventListener('click', () => {
      if ($('stage').dataset.placement === 'over') $('stage').classList.toggle('lyrics-off');
    });

    const cover = $('cover');
    cover.addEventListener('load', () => {
      $('backdrop').style.backgroundImage = `url("${cover.src}")`;
    });
    cover.addEventListener('error', () => {
      if (!cover.getAttribute('src')) return;
      $('cover-box').classList.add('missing');
      $('backdrop').style.backgroundImage = '';
    });

    document.addEventListener('keydown', (e) => {
      if (e.key === ' ' && e.target === document.body) {
        e.preventDefault();
        togglePlay();
      }
    });
    setInterval(tick, 250);
  }

  async function start() {
    const title = await albumTitle();
    $('album-title').textContent = title;
    document.title = title;

    const result = Catalogue.parseCatalogue(await catalogueText());
    if (result.problem) return fatal(FATAL_TEXTS[result.problem]);
    state.songs = result.songs;

    $('app').hidden = false;
    document.body.dataset.state = 'ready';
    buildList();
    wireControls();
    setMode(loadPreference('mode'));
    setShuffle(loadPreference('shuffle') === '1');
    setPlaying(false);
    showSong(0);
    if (result.skipped > 0) notice(`有 ${result.skipped} 首歌曲的信息无法读取，已跳过。`, 0);
  }

  start().catch((e) => fatal('播放器出错：' + (e && e.message ? e.message : e)));
})();
