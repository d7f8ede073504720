// The player page on phone and tablet screens, portrait and landscape, with
// every lyrics placement and lyrics size: the sung line stays in view, a tap
// on a line seeks there, the list does not shift, every control can be hit
// with a finger. And bad settings and big albums keep it usable.
// The stand-in playback service holds the position still, so no audio plays.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import { after, before, describe, test } from 'node:test';
import { catalogueText, picture, stageSongs, tempDir, tone, workingFolder } from './support/album.mjs';
import { launchChromium } from './support/browser.mjs';
import { serveFolder } from './support/server.mjs';
import { openWithService, serviceSetup } from './support/service.mjs';

const SCREENS = [[320, 480], [360, 640], [360, 800], [800, 360], [1280, 800]];
const PLACEMENTS = ['0', '1', '2'];
const TEXT_SIZES = ['14', '30', '60'];
const LYRICS = `[00:01.00]清晨的风 吹过窗台
[00:05.00]你说阳光 总会回来
[00:09.00]我们走过长长的街 把昨天的歌轻轻唱完 一直唱到天亮
[00:09.00]We walked the long street and sang the song of yesterday
[00:14.00]天边的云 慢慢散开
[00:18.00]心里的光 一直都在
[00:22.00]尾声
`;
const CONTROLS = ['#btn-mode', '#btn-prev', '#btn-play', '#btn-next', '#btn-shuffle', '#seek'];

let browser;
let server;
let work;
let entries;
before(async () => {
  browser = await launchChromium();
  work = workingFolder(tempDir('pelorin-screens-'), 'album');
  const songs = Array.from({ length: 6 }, (_, i) => ({
    title: `第${i + 1}首歌`, singer: '林间', album: '晨光', duration: '3分25秒', audio: tone(1),
    picture: picture('testsrc2', 'jpg', 64), lyrics: i === 0 ? LYRICS : undefined,
  }));
  entries = stageSongs(work, songs);
  server = await serveFolder(work);
});
after(async () => {
  await browser.close();
  await server.close();
  fs.rmSync(work, { recursive: true, force: true });
});

// Opens the album with `changes` to its catalogue entries (or `count` songs),
// the service paused in song 0 at `position` of `duration` ms.
function open(changes, { viewport, position = 10000, duration = 40000, count, title } = {}) {
  const changed = (count ? Array.from({ length: count }, (_, i) => ({ ...entries[i % entries.length], songName: `Song ${i + 1}` })) : entries)
    .map((e) => ({ ...e, ...changes }));
  const setup = serviceSetup(work, changed.length, {
    catalogue: catalogueText(changed),
    state: { index: 0, playing: false, position, duration },
    ...(title ? { title } : {}),
  });
  return openWithService(browser, `${server.url}/assets/player/index.html`, setup, viewport);
}

// Still: no glide under way and the sung line where it was a page tick
// (250 ms) earlier, however slowly the machine lays the page out.
const settled = (page) => page.waitForFunction(() => new Promise((resolve) => {
  const where = () => {
    const line = document.querySelector('.line.current');
    return line ? line.getBoundingClientRect().top + ',' + document.querySelector('#lyrics').clientHeight : '';
  };
  const before = where();
  setTimeout(() => requestAnimationFrame(() => resolve(!document.querySelector('#lyrics-lines').dataset.moving && where() === before)), 300);
}), null, { polling: 'raf', timeout: 20000 });

// Everything that must hold on one screen, as a list of what is wrong.
function problemsOnScreen(page) {
  return page.evaluate((controls) => {
    const problems = [];
    const rect = (el) => el.getBoundingClientRect();
    const width = window.innerWidth;
    if (document.documentElement.scrollWidth > width) problems.push(`page ${document.documentElement.scrollWidth} px wide`);

    const box = document.querySelector('#lyrics');
    const lines = [...document.querySelectorAll('.line.current')];
    if (box.hidden || lines.length === 0) problems.push('no current lyric line');
    else {
      const fade = parseFloat(getComputedStyle(box).getPropertyValue('--lrc-fade'));
      const area = rect(box);
      const top = area.top + fade;
      const bottom = area.bottom - fade;
      const first = Math.min(...lines.map((l) => rect(l).top));
      const last = Math.max(...lines.map((l) => rect(l).bottom));
      if (area.top < -1 || area.bottom > window.innerHeight + 1) problems.push(`lyrics box ${area.top}..${area.bottom} off the screen`);
      const lineBox = parseFloat(getComputedStyle(lines[0]).lineHeight);
      if (lineBox > bottom - top) problems.push(`a ${lineBox} px line in a ${bottom - top} px view`);
      if (last - first <= bottom - top) {
        if (first < top - 1 || last > bottom + 1) problems.push(`sung lines ${first}..${last} outside ${top}..${bottom}`);
      } else if (Math.abs(first - top) > 2) { // offsetTop and scrollTop are whole pixels
        problems.push(`a tall block starts at ${first}, not at the top of the view ${top}`);
      }
      for (const l of lines) {
        if (rect(l).left < area.left - 1 || rect(l).right > area.right + 1) problems.push('sung line wider than the box');
      }
    }

    for (const selector of controls) {
      const r = rect(document.querySelector(selector));
      if (r.width < 48 || r.height < 48) problems.push(`${selector} is ${r.width}×${r.height}`);
      if (r.left < 0 || r.right > width || r.bottom > window.innerHeight) problems.push(`${selector} off the screen`);
    }
    const thumbs = [...document.querySelectorAll('.song-row .thumb')].slice(0, 2).map((t) => rect(t).left);
    if (thumbs[0] !== thumbs[1]) problems.push(`playing row's picture at x ${thumbs[0]}, others at ${thumbs[1]}`);
    return problems;
  }, CONTROLS);
}

// Taps a line where it shows between the fades, another than the sung one
// when there is one in view; returns its index.
async function tapALine(page) {
  const target = await page.evaluate(() => {
    const box = document.querySelector('#lyrics');
    const fade = parseFloat(getComputedStyle(box).getPropertyValue('--lrc-fade'));
    const area = box.getBoundingClientRect();
    const shown = [...document.querySelectorAll('.line')].map((l, k) => {
      const r = l.getBoundingClientRect();
      const top = Math.max(r.top, area.top + fade);
      const bottom = Math.min(r.bottom, area.bottom - fade);
      return { k, current: l.classList.contains('current'), x: r.left + r.width / 2, y: (top + bottom) / 2, seen: bottom - top };
    }).filter((l) => l.seen >= 6 && document.querySelectorAll('.line')[l.k].textContent);
    return shown.find((l) => !l.current) || shown[0] || null;
  });
  if (!target) return null;
  await page.mouse.click(target.x, target.y);
  return target.k;
}

const LINE_TIMES = [1000, 5000, 9000, 9000, 14000, 18000, 22000];

describe('player page on every screen', () => {
  for (const lrcPosition of PLACEMENTS) {
    for (const textSize of TEXT_SIZES) {
      test(`lyrics placement ${lrcPosition}, size ${textSize}`, async () => {
        const page = await open({ lrcPosition, textSize });
        await page.waitForSelector('.line.current');
        for (const [width, height] of SCREENS) {
          await page.setViewportSize({ width, height });
          await settled(page);
          assert.deepEqual(await problemsOnScreen(page), [], `${width}×${height}`);
          const k = await tapALine(page);
          assert.notEqual(k, null, `${width}×${height}: a line in view to tap`);
          const calls = await page.serviceCalls();
          assert.deepEqual(calls[calls.length - 1], ['seek', LINE_TIMES[k]], `${width}×${height}: the tap seeks`);
          await page.waitForSelector(`.line.current[data-index="${k}"]`);
          const size = await page.$eval('.line', (l) => parseFloat(getComputedStyle(l).fontSize));
          assert.ok(size <= Number(textSize), `${width}×${height}: ${size} px lyrics for ${textSize}`);
        }
        assert.deepEqual(page.problems, []);
        await page.close();
      });
    }
  }
});

describe('bad settings and big albums', () => {
  const long = '很长的歌名'.repeat(400);
  const cases = [
    ['text size 0', { textSize: '0' }, {}],
    ['text size 1', { textSize: '1' }, {}],
    ['text size 500', { textSize: '500' }, {}],
    ['colours that are not colours', { textColor: 'red;}body{display:none', backgroundColor: '#12345g' }, {}],
    ['a title of 2,000 characters', { songName: long, singer: long }, { title: long }],
    ['500 songs on a 320×480 screen', {}, { count: 500, viewport: { width: 320, height: 480 } }],
  ];
  for (const [name, changes, options] of cases) {
    test(name, async () => {
      const viewport = options.viewport || { width: 360, height: 640 };
      const page = await open(changes, { ...options, viewport });
      await page.waitForSelector('.line.current');
      await settled(page);
      assert.deepEqual(await problemsOnScreen(page), []);
      const look = await page.evaluate(() => ({
        text: getComputedStyle(document.querySelector('.song-title')).color,
        title: document.querySelector('.album-title').getBoundingClientRect().toJSON(),
        rows: document.querySelectorAll('.song-row').length,
      }));
      assert.ok(look.title.right <= viewport.width && look.title.height < 40, 'the album title stays on one line');
      if (changes.textColor) assert.equal(look.text, 'rgb(255, 255, 255)');
      if (options.count) {
        assert.equal(look.rows, 500);
        await page.click('.song-row[data-index="499"]');
        await page.waitForSelector('body[data-current="499"][data-playing="true"]');
      }
      assert.deepEqual(page.problems, []);
      await page.close();
    });
  }

  test('durations as the desktop writes them', async () => {
    const page = await open({ duration: '1小时2分5秒' }, { position: 0, duration: 0 });
    assert.equal(await page.textContent('.song-row .row-duration'), '1小时2分5秒');
    await page.waitForFunction(() => document.querySelector('#time-total').textContent === '1:02:05');
    await page.close();
  });
});
