/* The album player: song list, now playing, controls and lyrics.
 * Everything it reads comes from the album itself: the catalogue and lyrics
 * through the native bridge inside the app, or from the folder beside the
 * page (../../res/raw/songs.json, ../lrcs/...) in a desktop browser.
 * Inside the app the playback service plays and the page shows its state
 * (service-engine.js); elsewhere the page plays itself (local-engine.js). */
(function () {
  'use strict';

  const $ = (id) => document.getElementById(id);
  const native = window.NativePlayer || null;
  const reader = native && typeof native.catalogue === 'function' ? native : null;
  const MODES = ['all', 'one', 'off'];
  const MODE_NAMES = { all: '列表循环', one: '单曲循环', off: '顺序播放' };
  const FATAL_TEXTS = {
    missing: '找不到歌曲列表（songs.json），无法播放这个专辑。',
    unreadable: '歌曲列表（songs.json）已损坏，无法读取。请在电脑上重新生成这个专辑。',
    empty: '这个专辑里没有歌曲。',
  };

  const state = {
    songs: [],
    current: -1,
    playing: false,
    mode: 'all',
    shuffle: false,
    lyrics: { kind: 'none', lines: [], text: '' },
    textSize: 18,
    seeking: false,
    startPending: false,
    noticeTimer: 0,
  };
  let engine = null;
  let lyricsView = null;

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

  function callReader(name, ...args) {
    try {
      const value = reader[name](...args);
      return value === null || value === undefined ? '' : String(value);
    } catch (e) {
      return '';
    }
  }

  function catalogueText() {
    return reader ? Promise.resolve(callReader('catalogue')) : readText('../../res/raw/songs.json');
  }

  // The album title: the app's label, or app_name of strings.xml beside a desktop copy.
  function albumTitle() {
    const fromXml = (xml) => {
      if (!xml) return '';
      const doc = new DOMParser().parseFromString(Catalogue.stripBom(xml), 'application/xml');
      const node = doc.querySelector('string[name="app_name"]');
      return node ? node.textContent.replace(/\\'/g, "'") : '';
    };
    const title = reader ? Promise.resolve(callReader('title')) : readText('../../res/values/strings.xml').then(fromXml);
    return title.then((t) => t.trim() || '音乐专辑');
  }

  const lyricsCache = new Map();
  function lyricsOf(song) {
    if (!song.lrc) return Promise.resolve({ kind: 'none', lines: [], text: '' });
    if (lyricsCache.has(song.lrc)) return Promise.resolve(lyricsCache.get(song.lrc));
    const text = reader ? Promise.resolve(callReader('readAsset', song.lrc)) : readText('../' + song.lrc);
    return text.then((t) => {
      const lyrics = Lrc.parseLrc(t || '');
      lyricsCache.set(song.lrc, lyrics);
      return lyrics;
    });
  }

  // ---- small helpers ---------------------------------------------------------

  function notice(text, ms) {
    const box = $('notice');
    box.textContent = text;
    box.hidden = false;
    clearTimeout(state.noticeTimer);
    const shown = ms === undefined ? 4000 : ms;
    if (shown > 0) state.noticeTimer = setTimeout(() => { box.hidden = true; }, shown);
  }

  function fatal(text) {
    $('app').hidden = true;
    $('fatal-text').textContent = text;
    $('fatal').hidden = false;
    document.body.dataset.state = 'fatal';
  }

  const preferences = {
    save(key, value) {
      try { localStorage.setItem('albumPlayer.' + key, value); } catch (e) { /* not kept */ }
    },
    load(key) {
      try { return localStorage.getItem('albumPlayer.' + key); } catch (e) { return null; }
    },
  };

  // ---- look and layout -------------------------------------------------------

  function applyLook(song) {
    const look = Look.lookOf(song);
    const css = document.documentElement.style;
    css.setProperty('--text-color', look.textColor);
    css.setProperty('--bg-color', look.backgroundColor);
    css.setProperty('--list-text', look.listTextColor);
    document.body.classList.toggle('wallpaper', look.wallpaper);
    $('stage').dataset.placement = look.placement;
    state.textSize = look.textSize;
  }

  // Sizes the picture for the stage, then the lyrics for the box they got.
  let laidOutFor = '';
  const layoutSize = () => $('stage').clientWidth + 'x' + $('stage').clientHeight + 'x' + $('lyrics').clientHeight;

  // The stage changes size without a resize event too (the list or a long
  // title filling in, a picture arriving): checked at every tick.
  function layoutWhenResized() {
    if (layoutSize() !== laidOutFor) layout();
  }

  function layout() {
    const stage = $('stage');
    const box = $('lyrics');
    const hasLyrics = state.lyrics.kind !== 'none';
    const row = getComputedStyle(stage).flexDirection === 'row';
    const space = { width: stage.clientWidth, height: stage.clientHeight };
    const cover = Layout.coverSize(space, stage.dataset.placement, row, hasLyrics, state.textSize);
    stage.style.setProperty('--cover-size', cover + 'px');
    laidOutFor = layoutSize();
    if (!hasLyrics) return;
    const fit = Layout.fitLyrics(state.textSize, box.clientHeight, box.clientWidth);
    box.style.setProperty('--lrc-size', fit.size + 'px');
    box.style.setProperty('--lrc-fade', fit.fade + 'px');
    box.style.setProperty('--lrc-pad', fit.pad + 'px');
    const edge = box.clientHeight > 0 ? Math.min(50, (fit.fade / box.clientHeight) * 100) : 0;
    const mask = 'linear-gradient(transparent, #000 ' + edge + '%, #000 ' + (100 - edge) + '%, transparent)';
    box.style.webkitMaskImage = mask;
    box.style.maskImage = mask;
    lyricsView.relayout(fit.fade);
    laidOutFor = layoutSize();
  }

  // ---- song list -------------------------------------------------------------

  function element(tag, className, text) {
    const node = document.createElement(tag);
    node.className = className;
    if (text !== undefined) node.textContent = text;
    return node;
  }

  function buildList() {
    const list = $('song-list');
    const rows = document.createDocumentFragment();
    state.songs.forEach((song, i) => {
      const li = element('li', 'song-row');
      li.dataset.index = String(i);
      li.tabIndex = 0;

      const thumb = element('div', 'thumb');
      if (song.image) {
        const img = document.createElement('img');
        img.setAttribute('loading', 'lazy');
        img.setAttribute('decoding', 'async');
        img.alt = '';
        img.addEventListener('error', () => thumb.classList.add('missing'));
        img.src = '../' + song.image;
        thumb.appendChild(img);
      } else {
        thumb.classList.add('missing');
      }

      const text = element('div', 'row-text');
      text.appendChild(element('div', 'row-title', song.title));
      text.appendChild(element('div', 'row-sub', song.singer || song.album));

      li.appendChild(element('span', 'row-number', String(i + 1)));
      li.appendChild(thumb);
      li.appendChild(text);
      li.appendChild(element('span', 'row-duration', song.durationText));
      rows.appendChild(li);
    });
    while (list.firstChild) list.removeChild(list.firstChild);
    list.appendChild(rows);
    $('song-count').textContent = '共 ' + state.songs.length + ' 首';

    list.addEventListener('click', (e) => {
      const row = e.target.closest('.song-row');
      if (row) engine.select(Number(row.dataset.index));
    });
    list.addEventListener('keydown', (e) => {
      const row = e.target.closest('.song-row');
      if (row && (e.key === 'Enter' || e.key === ' ')) {
        e.preventDefault();
        engine.select(Number(row.dataset.index));
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

  function markFailed(i, failed) {
    const row = rowOf(i);
    if (row) row.classList.toggle('failed', failed);
  }

  // ---- now playing -----------------------------------------------------------

  function showSong(i, position) {
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

    setSeekBar(position || 0, Times.parseDurationText(song.durationText));
    showLyrics({ kind: 'none', lines: [], text: '' });
    lyricsOf(song).then((lyrics) => {
      if (state.current !== i) return;
      showLyrics(lyrics);
      tick();
    });
  }

  function showLyrics(lyrics) {
    state.lyrics = lyrics;
    $('stage').classList.toggle('has-lyrics', lyrics.kind !== 'none');
    lyricsView.render(lyrics);
    layout();
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
    $('time-now').textContent = Times.formatTime(state.seeking ? Number(bar.value) : position);
    $('time-total').textContent = Times.formatTime(total);
    const max = Number(bar.max) || 0;
    bar.style.setProperty('--progress', max > 0 ? (Number(bar.value) / max) * 100 + '%' : '0%');
  }

  function tick() {
    layoutWhenResized();
    if (state.current < 0) return;
    const song = state.songs[state.current];
    const position = engine.position();
    const total = engine.duration() || Times.parseDurationText(song.durationText);
    setSeekBar(position, total);
    if (!state.seeking) lyricsView.update(position, state.lyrics.lines);
  }

  function showMode(mode) {
    state.mode = MODES.indexOf(mode) >= 0 ? mode : 'all';
    const button = $('btn-mode');
    button.dataset.mode = state.mode;
    button.title = MODE_NAMES[state.mode];
    button.setAttribute('aria-label', button.title);
  }

  function showShuffle(on) {
    state.shuffle = on;
    const button = $('btn-shuffle');
    button.setAttribute('aria-pressed', on ? 'true' : 'false');
    button.title = on ? '随机播放：开' : '随机播放：关';
  }

  // ---- what the player reports -------------------------------------------------

  function onState(s) {
    if (s.index >= 0 && (s.index !== state.current || s.event === 'song')) showSong(s.index);
    if (s.event === 'song') state.startPending = true;
    if (s.playing && state.startPending) {
      state.startPending = false;
      document.body.dataset.starts = String(Number(document.body.dataset.starts || 0) + 1);
    }
    if (s.playing) markFailed(s.index, false);
    setPlaying(s.playing);
    showMode(s.repeat);
    showShuffle(s.shuffle);
    if (s.event === 'failed' && s.failed >= 0) {
      markFailed(s.failed, true);
      notice('无法播放《' + state.songs[s.failed].title + '》');
    }
    if (s.event === 'blocked') notice('请点击播放按钮开始播放');
    tick();
  }

  // ---- wiring ----------------------------------------------------------------

  function seekTo(seconds) {
    engine.seek(seconds);
    setSeekBar(seconds, Number($('seek').max) || 0);
    lyricsView.update(seconds, state.lyrics.lines);
  }

  function wireControls() {
    $('btn-play').addEventListener('click', () => engine.togglePlay(state.current));
    $('btn-next').addEventListener('click', () => engine.next());
    $('btn-prev').addEventListener('click', () => engine.previous());
    $('btn-mode').addEventListener('click', () => {
      const mode = MODES[(MODES.indexOf(state.mode) + 1) % MODES.length];
      engine.setRepeat(mode);
      showMode(mode);
      notice(MODE_NAMES[mode], 1500);
    });
    $('btn-shuffle').addEventListener('click', () => {
      const on = !state.shuffle;
      engine.setShuffle(on);
      showShuffle(on);
      notice(on ? '随机播放' : '按顺序播放', 1500);
    });

    const bar = $('seek');
    bar.addEventListener('input', () => {
      state.seeking = true;
      tick();
    });
    bar.addEventListener('change', () => {
      state.seeking = false;
      if (state.current >= 0) seekTo(Number(bar.value));
    });

    // Lyrics laid over the picture can be tapped away to see it, and back.
    $('stage').addEventListener('click', () => {
      if ($('stage').dataset.placement === 'over') $('stage').classList.toggle('lyrics-off');
    });

    const cover = $('cover');
    cover.addEventListener('load', () => {
      $('backdrop').style.backgroundImage = 'url("' + cover.src + '")';
    });
    cover.addEventListener('error', () => {
      if (!cover.getAttribute('src')) return;
      $('cover-box').classList.add('missing');
      $('backdrop').style.backgroundImage = '';
    });

    document.addEventListener('keydown', (e) => {
      if (e.key === ' ' && e.target === document.body) {
        e.preventDefault();
        engine.togglePlay(state.current);
      }
    });
    window.addEventListener('resize', layout);
    setInterval(tick, 250);
  }

  function start() {
    return albumTitle().then((title) => {
      $('album-title').textContent = title;
      document.title = title;
      return catalogueText();
    }).then((text) => {
      const result = Catalogue.parseCatalogue(text);
      if (result.problem) return fatal(FATAL_TEXTS[result.problem]);
      state.songs = result.songs;
      engine = ServiceEngine.isService(native)
        ? ServiceEngine.makeServiceEngine(native, state.songs)
        : LocalEngine.makeLocalEngine(state.songs, { baseUrl: '../', preferences });
      lyricsView = LyricsView.makeLyricsView($('lyrics'), $('lyrics-lines'), (t) => {
        engine.select(state.current, t);
        setSeekBar(t, Number($('seek').max) || 0);
        lyricsView.update(t, state.lyrics.lines);
      });

      $('app').hidden = false;
      document.body.dataset.state = 'ready';
      buildList();
      wireControls();
      const first = engine.start();
      showMode(first.repeat);
      showShuffle(first.shuffle);
      setPlaying(first.playing);
      showSong(first.index >= 0 ? first.index : 0, first.position);
      engine.onState = onState;
      if (result.skipped > 0) notice('有 ' + result.skipped + ' 首歌曲的信息无法读取，已跳过。', 0);
    });
  }

  start().catch((e) => fatal('播放器出错：' + (e && e.message ? e.message : e)));
})();
