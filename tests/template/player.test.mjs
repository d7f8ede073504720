// The player page in headless Chromium, served from album working folders
// staged the way the desktop tool's build leaves them.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { after, before, describe, test } from 'node:test';
import {
  catalogueText, picture, rewriteName, stageSongs, tempDir, tone, workingFolder, writeCatalogue,
} from './support/album.mjs';
import { launchChromium } from './support/browser.mjs';
import { serveFolder } from './support/server.mjs';
import { openWithService, serviceSetup } from './support/service.mjs';

const LRC = `[ti:Test]
[ar:Someone]
[offset:+500]
[00:02.50]first
[00:10.00][00:30.00]chorus
[00:15.5]middle
[xx:yy]garbage tag line
[00:20.250]last but one
[00:25.00]
[00:35.00]end
`;

let browser;
let parent;
let albumCount = 0;
const servers = new Set(); // closed at the end also when a test failed half-way
before(async () => {
  browser = await launchChromium();
  parent = tempDir('pelorin-player-');
});
after(async () => {
  await Promise.all([...servers].map((s) => s.close()));
  await browser.close();
  fs.rmSync(parent, { recursive: true, force: true });
});

async function serve(work) {
  const server = await serveFolder(work);
  servers.add(server);
  return {
    url: server.url,
    close: async () => {
      servers.delete(server);
      await server.close();
    },
  };
}

// Stages an album and opens the player page on it.
async function openAlbum(songs, { look = {}, title = 'Test Album', viewport } = {}) {
  const work = workingFolder(parent, `album${++albumCount}`);
  rewriteName(work, 'com.quorvane.dorvalith.mtest', title);
  const entries = stageSongs(work, songs, look);
  const server = await serve(work);
  const page = await browser.newPage({ viewport });
  const album = {
    page, work, entries,
    url: `${server.url}/assets/player/index.html`,
    async close() {
      assert.deepEqual(page.problems, [], 'no script errors');
      await page.close();
      await server.close();
    },
  };
  await page.goto(album.url);
  await page.waitForSelector('body[data-state]');
  return album;
}

const song = (title, seconds, extra = {}) => ({
  title, singer: 'Singer', album: 'Album', duration: `00:0${seconds % 10}`,
  audio: seconds === 0 ? null : tone(seconds), picture: picture('testsrc2', 'jpg', 64), ...extra,
});

const texts = (page, selector) => page.$$eval(selector, (els) => els.map((e) => e.textContent));
const current = (page) => page.$eval('body', (b) => Number(b.dataset.current));
const waitForSong = (page, index, timeout = 10000) =>
  page.waitForSelector(`body[data-current="${index}"][data-playing="true"]`, { timeout });

async function seekTo(page, seconds) {
  await page.$eval('#seek', (bar, value) => {
    bar.value = String(value);
    bar.dispatchEvent(new Event('input', { bubbles: true }));
    bar.dispatchEvent(new Event('change', { bubbles: true }));
  }, seconds);
}

describe('player page', () => {
  test('shows the album title and the songs in order', async () => {
    const album = await openAlbum([
      song('第一首', 2, { duration: '03:25' }),
      song('Second "quoted"', 2, { singer: 'B\\C' }),
      song('Third', 2, { duration: '1:02:03' }),
    ], { title: 'Rock &amp; Roll\\\'s 专辑' });
    const { page } = album;
    assert.equal(await page.textContent('#album-title'), "Rock & Roll's 专辑");
    assert.deepEqual(await texts(page, '.song-row .row-title'), ['第一首', 'Second "quoted"', 'Third']);
    assert.deepEqual(await texts(page, '.song-row .row-sub'), ['Singer', 'B\\C', 'Singer']);
    assert.deepEqual(await texts(page, '.song-row .row-duration'), ['03:25', '00:02', '1:02:03']);
    assert.equal(await page.textContent('#song-count'), '共 3 首');
    assert.equal(await page.textContent('#song-title'), '第一首');
    assert.equal(await page.textContent('#time-total'), '3:25');
    await album.close();
  });

  test('plays on to the next song, skipping one that cannot be played', async () => {
    const album = await openAlbum([song('A', 2), song('B', 2), song('Empty', 0), song('D', 2)]);
    const { page } = album;
    await page.click('#btn-play');
    await waitForSong(page, 0);
    await waitForSong(page, 1);
    await waitForSong(page, 3);
    assert.deepEqual(await page.$$eval('.song-row.failed', (rows) => rows.map((r) => r.dataset.index)), ['2']);
    assert.match(await page.textContent('#notice'), /无法播放《Empty》/);
    await waitForSong(page, 0); // the list repeats by default
    await album.close();
  });

  test('repeat one and no repeat', async () => {
    const album = await openAlbum([song('A', 2), song('B', 2), song('C', 2), song('D', 2), song('E', 2)]);
    const { page } = album;

    await page.click('#btn-mode'); // all -> one
    assert.equal(await page.getAttribute('#btn-mode', 'title'), '单曲循环');
    await page.click('.song-row[data-index="3"]');
    await waitForSong(page, 3);
    const starts = await page.$eval('body', (b) => Number(b.dataset.starts));
    await page.waitForFunction((n) => Number(document.body.dataset.starts) > n, starts, { timeout: 6000 });
    await waitForSong(page, 3);

    await page.click('#btn-mode'); // one -> off
    assert.equal(await page.getAttribute('#btn-mode', 'title'), '顺序播放');
    await page.click('.song-row[data-index="4"]');
    await waitForSong(page, 4);
    await page.waitForSelector('body[data-playing="false"]', { timeout: 6000 });
    assert.equal(await current(page), 4, 'stops after the last song');
    await album.close();
  });

  test('shuffle plays every song once before repeating', async () => {
    const album = await openAlbum(['A', 'B', 'C', 'D', 'E'].map((t) => song(t, 8)));
    const { page } = album;
    await page.click('#btn-shuffle');
    assert.equal(await page.getAttribute('#btn-shuffle', 'aria-pressed'), 'true');
    await page.click('.song-row[data-index="0"]');
    await waitForSong(page, 0);
    const seen = [0];
    for (let k = 0; k < 4; k++) {
      await page.click('#btn-next');
      await page.waitForFunction((before) => document.body.dataset.current !== String(before), seen[seen.length - 1]);
      seen.push(await current(page));
    }
    assert.deepEqual([...seen].sort(), [0, 1, 2, 3, 4], `every song once: ${seen}`);
    await album.close();
  });

  test('seeking moves playback and the lyrics with it', async () => {
    const album = await openAlbum([song('Long', 40, { duration: '00:40', lyrics: LRC })]);
    const { page } = album;
    await page.click('#btn-play');
    await waitForSong(page, 0);
    await seekTo(page, 20);
    await page.waitForTimeout(700);
    assert.match(await page.textContent('#time-now'), /^0:2[01]$/);
    assert.deepEqual(await texts(page, '.line.current'), ['last but one']);
    await album.close();
  });

  test('the current lyric line follows the time', async () => {
    const album = await openAlbum([song('Long', 40, { duration: '00:40', lyrics: LRC })]);
    const { page } = album;
    assert.deepEqual(await texts(page, '.line'), ['first', 'chorus', 'middle', 'last but one', '', 'chorus', 'end']);
    await page.click('#btn-play');
    await waitForSong(page, 0);
    await page.click('#btn-play'); // pause: the position stays where it is set
    // Times are the tags less the offset of 0.5 s.
    const cases = [
      [1.5, []], [2.1, ['first']], [9.4, ['first']], [9.6, ['chorus']], [15.1, ['middle']],
      [19.85, ['last but one']], [24.6, ['']], [29.6, ['chorus']], [36, ['end']],
    ];
    for (const [time, expected] of cases) {
      await seekTo(page, time);
      await page.waitForTimeout(300);
      assert.deepEqual(await texts(page, '.line.current'), expected, `at ${time} s`);
    }
    await album.close();
  });

  test('plain lyrics as text, and no lyrics area without lyrics', async () => {
    const album = await openAlbum([
      song('Plain', 2, { lyrics: '第一行\n第二行\n\n第四行' }),
      song('None', 2),
      song('Only tags', 2, { lyrics: '[ar:x]\n[ti:y]' }),
    ]);
    const { page } = album;
    assert.equal(await page.isVisible('#lyrics'), true);
    assert.equal(await page.textContent('#lyrics .plain'), '第一行\n第二行\n\n第四行');
    assert.equal(await page.$$eval('.line', (l) => l.length), 0);
    for (const index of [1, 2]) {
      await page.click(`.song-row[data-index="${index}"]`);
      await waitForSong(page, index);
      assert.equal(await page.isVisible('#lyrics'), false, `song ${index}`);
    }
    await album.close();
  });

  const looks = [
    { lrcPosition: '0', textColor: '#ffff0000', backgroundColor: '#ff336699', textSize: '24',
      expect: { color: 'rgb(255, 0, 0)', background: 'rgb(51, 102, 153)', size: '24px', placement: 'above' } },
    { lrcPosition: '1', textColor: '#8000ff00', backgroundColor: '#ffffcc', textSize: '16',
      expect: { color: 'rgba(0, 255, 0, 0.5)', background: 'rgb(255, 255, 204)', size: '16px', placement: 'over' } },
    { lrcPosition: '2', textColor: '#ffffffff', backgroundColor: '#000000', textSize: '30',
      expect: { color: 'rgb(255, 255, 255)', background: 'rgb(0, 0, 0)', size: '30px', placement: 'below' } },
  ];
  for (const { expect, ...look } of looks) {
    test(`colours, size and lyrics placement ${look.lrcPosition}`, async () => {
      const album = await openAlbum([song('Styled', 40, { lyrics: LRC })], { look });
      const { page } = album;
      const style = await page.evaluate(() => {
        const css = (sel, prop) => getComputedStyle(document.querySelector(sel))[prop];
        const box = (sel) => document.querySelector(sel).getBoundingClientRect().toJSON();
        return {
          color: css('.song-title', 'color'),
          lineColor: css('.line', 'color'),
          background: css('.list-panel', 'backgroundColor'),
          size: css('.line', 'fontSize'),
          wallpaper: document.body.classList.contains('wallpaper'),
          cover: box('#cover-box'),
          lyrics: box('#lyrics'),
        };
      });
      assert.equal(style.color, expect.color);
      assert.equal(style.lineColor, expect.color);
      assert.equal(style.background, expect.background);
      assert.equal(style.size, expect.size);
      assert.equal(style.wallpaper, true, 'displayStyle bing');
      const { cover, lyrics } = style;
      if (expect.placement === 'above') assert.ok(lyrics.bottom <= cover.top + 1, 'lyrics above the picture');
      if (expect.placement === 'below') assert.ok(lyrics.top >= cover.bottom - 1, 'lyrics below the picture');
      if (expect.placement === 'over') {
        assert.ok(Math.abs(lyrics.top - cover.top) < 1 && Math.abs(lyrics.left - cover.left) < 1, 'lyrics over the picture');
      }
      await album.close();
    });
  }

  test('a missing picture is replaced and said so', async () => {
    const album = await openAlbum([song('No picture', 2, { picture: null }), song('With picture', 2)]);
    const { page } = album;
    await page.waitForSelector('#cover-box.missing');
    assert.equal(await page.isVisible('.cover-missing'), true);
    assert.equal(await page.textContent('.cover-missing'), '无法显示图片');
    await page.waitForSelector('.song-row[data-index="0"] .thumb.missing');
    assert.equal(await page.$$eval('.thumb.missing', (t) => t.length), 1);
    await page.click('.song-row[data-index="1"]');
    await waitForSong(page, 1);
    assert.equal(await page.$eval('#cover-box', (b) => b.classList.contains('missing')), false);
    await album.close();
  });

  const broken = [
    ['not JSON at all', () => '\ufeffThis is not a list of songs\r\n', /已损坏/],
    ['cut off in the middle', (entries) => catalogueText(entries).slice(0, 60), /已损坏/],
    ['an empty file', () => '', /找不到歌曲列表/],
    ['an empty list', () => '\ufeff[\r\n]\r\n', /没有歌曲/],
  ];
  for (const [name, make, message] of broken) {
    test(`a catalogue that is ${name} is reported`, async () => {
      const album = await openAlbum([song('A', 2)]);
      const { page, work, entries } = album;
      fs.writeFileSync(path.join(work, 'res', 'raw', 'songs.json'), make(entries));
      await page.reload();
      await page.waitForSelector('#fatal', { state: 'visible' });
      assert.match(await page.textContent('#fatal-text'), message);
      assert.equal(await page.isVisible('#app'), false);
      await album.close();
    });
  }

  test('songs that cannot be read are left out and counted', async () => {
    const album = await openAlbum([song('A', 2), song('B', 2), song('C', 2)]);
    const { page, work, entries } = album;
    entries[1].sourcePath = '';
    writeCatalogue(work, entries);
    await page.reload();
    await page.waitForSelector('body[data-state="ready"]');
    assert.deepEqual(await texts(page, '.row-title'), ['A', 'C']);
    assert.match(await page.textContent('#notice'), /有 1 首歌曲的信息无法读取/);
    await album.close();
  });

  test('500 songs', async () => {
    const songs = Array.from({ length: 500 }, (_, i) => song(`Song ${i + 1}`, 2, { picture: picture('testsrc2', 'jpg', 64) }));
    const started = Date.now();
    const album = await openAlbum(songs);
    const { page } = album;
    await page.waitForSelector('body[data-state="ready"]');
    assert.ok(Date.now() - started < 20000, 'staged and shown in time');
    assert.equal(await page.$$eval('.song-row', (rows) => rows.length), 500);
    assert.equal(await page.textContent('#song-count'), '共 500 首');
    await page.click('.song-row[data-index="499"]');
    await waitForSong(page, 499);
    assert.equal(await page.textContent('#song-title'), 'Song 500');
    await album.close();
  });

  test('landscape puts the list beside the player', async () => {
    const album = await openAlbum([song('A', 2, { lyrics: LRC })], { viewport: { width: 844, height: 390 } });
    const { page } = album;
    const boxes = await page.evaluate(() => ['.now', '.list-panel'].map((s) => document.querySelector(s).getBoundingClientRect().toJSON()));
    assert.ok(boxes[1].left >= boxes[0].right - 1, 'list to the right');
    assert.ok(boxes[0].height <= 391, 'player fits the screen height');
    await album.close();
  });
});

// Inside the app the playback service owns the music and the page only shows
// its state (the bridge contract in template/README.md). fake-service.js
// stands in for the service and records what the page asks of it.
describe('player page with the playback service', () => {
  async function openService(songs, { extra = {}, edit } = {}) {
    const work = workingFolder(parent, `service${++albumCount}`);
    const entries = stageSongs(work, songs);
    if (edit) {
      edit(entries);
      writeCatalogue(work, entries);
    }
    const server = await serve(work);
    const page = await openWithService(browser, `${server.url}/assets/player/index.html`, serviceSetup(work, songs.length, extra));
    return { page, close: async () => { assert.deepEqual(page.problems, []); await page.close(); await server.close(); } };
  }
  // What the page asked of the service after the first `from` calls, reads left out.
  const asked = async (page, from) => (await page.serviceCalls()).slice(from).filter((c) => c[0] !== 'readAsset');

  test('shows the state the service kept, paused, and starts nothing', async () => {
    const { page, close } = await openService([song('A', 2), song('B', 2, { lyrics: LRC }), song('C', 2)], {
      extra: { state: { index: 1, playing: false, position: 12500, duration: 40000, repeat: 'one', shuffle: true } },
    });
    await page.waitForSelector('.line.current');
    assert.equal(await page.textContent('#song-title'), 'B');
    assert.equal(await page.getAttribute('.song-row[data-index="1"]', 'aria-current'), 'true');
    assert.equal(await page.getAttribute('body', 'data-playing'), 'false');
    assert.equal(await page.textContent('#time-now'), '0:12');
    assert.equal(await page.textContent('#time-total'), '0:40');
    assert.deepEqual(await texts(page, '.line.current'), ['chorus']);
    assert.equal(await page.getAttribute('#btn-mode', 'data-mode'), 'one');
    assert.equal(await page.getAttribute('#btn-shuffle', 'aria-pressed'), 'true');
    await page.waitForTimeout(500);
    assert.deepEqual(await page.serviceCalls(), [['title'], ['catalogue'], ['state'], ['readAsset', 'lrcs/lrc2.lrc']]);
    await close();
  });

  test('every control asks the service, and the page shows what it reports', async () => {
    const { page, close } = await openService([song('A', 2, { lyrics: LRC }), song('B', 2), song('C', 2)]);
    assert.equal(await page.textContent('#song-title'), 'A', 'nothing chosen yet: the first song, paused');
    const before = (await page.serviceCalls()).length;
    await page.click('.song-row[data-index="2"]');
    await waitForSong(page, 2);
    await page.click('#btn-play');
    await page.waitForSelector('body[data-playing="false"]');
    await page.click('#btn-play');
    await waitForSong(page, 2);
    await page.click('#btn-next');
    await waitForSong(page, 0);
    await seekTo(page, 12.5);
    await page.click('#btn-prev');
    await page.click('#btn-mode');
    await page.click('#btn-shuffle');
    await page.click('.line >> nth=3');
    await page.waitForFunction(() => document.querySelector('.line.current').textContent === 'last but one');
    assert.deepEqual(await asked(page, before), [
      ['select', 2], ['pause'], ['resume'], ['next'], ['seek', 12500], ['previous'],
      ['setRepeat', 'one'], ['setShuffle', true], ['seek', 19750],
    ]);
    await close();
  });

  test('follows the service from song to song and never starts one itself', async () => {
    // The page cannot read the second record; the service cannot play the
    // second and the third song: it reports them and goes on to the fourth.
    const { page, close } = await openService([song('A', 2), song('B', 2), song('C', 2), song('D', 2)], {
      extra: { unplayable: [1, 2] },
      edit: (entries) => { entries[1].sourcePath = ''; },
    });
    assert.deepEqual(await texts(page, '.row-title'), ['A', 'C', 'D']);
    const before = (await page.serviceCalls()).length;
    await page.click('.song-row[data-index="0"]');
    await waitForSong(page, 0);
    await page.evaluate(() => window.fakeService.advance(30000));
    await waitForSong(page, 2);
    await page.waitForSelector('.song-row[data-index="1"].failed');
    assert.match(await page.textContent('#notice'), /无法播放《C》/);
    await page.click('#btn-mode');
    await page.click('#btn-mode');
    await page.evaluate(() => window.fakeService.advance(30000));
    await page.waitForSelector('body[data-playing="false"]');
    assert.equal(await current(page), 2);
    await page.waitForTimeout(500);
    assert.deepEqual(await asked(page, before), [['select', 0], ['setRepeat', 'one'], ['setRepeat', 'off']]);
    await close();
  });

  test('a bridge that only reads the album leaves the playing to the page', async () => {
    const work = workingFolder(parent, `reader${++albumCount}`);
    stageSongs(work, [song('A', 2), song('B', 2)]);
    const { title, catalogue, assets } = serviceSetup(work, 2);
    const server = await serve(work);
    const page = await browser.newPage();
    await page.addInitScript((s) => {
      window.NativePlayer = { title: () => s.title, catalogue: () => s.catalogue, readAsset: (p) => s.assets[p] || '' };
    }, { title, catalogue, assets });
    await page.goto(`${server.url}/assets/player/index.html`);
    await page.waitForSelector('body[data-state="ready"]');
    assert.equal(await page.textContent('#album-title'), '桥上的专辑');
    await page.click('#btn-play');
    await waitForSong(page, 0);
    await waitForSong(page, 1); // the page's own audio reached the end and went on
    assert.deepEqual(page.problems, []);
    await page.close();
    await server.close();
  });
});
