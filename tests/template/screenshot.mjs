// Takes a picture of the player page at phone size with a small demo album,
// playing with lyrics, for looking at the page by eye.
// Usage: PELORIN_APP_DIR=... PELORIN_NODE_MODULES=... [LRC_POSITION=0|1|2] [SCROLLED=1] \
//        node screenshot.mjs <out.png> [width height]
import fs from 'node:fs';
import { picture, rewriteName, stageSongs, tempDir, tone, workingFolder } from './support/album.mjs';
import { launchChromium } from './support/browser.mjs';
import { serveFolder } from './support/server.mjs';

const [out = 'player.png', width = '390', height = '844'] = process.argv.slice(2);
const LYRICS = `[ti:晨光]
[ar:林间]
[00:00.50]清晨的风 吹过窗台
[00:04.00]你说阳光 总会回来
[00:08.00]我们走过 长长的街
[00:12.00]把昨天的歌 轻轻唱完
[00:16.00]天边的云 慢慢散开
[00:20.00]心里的光 一直都在
`;

const parent = tempDir('pelorin-shot-');
const work = workingFolder(parent, 'album');
rewriteName(work, 'com.quorvane.dorvalith.mdemo', '晨光');
stageSongs(work, [
  { title: '晨光', singer: '林间', album: '晨光', duration: '00:30', audio: tone(30), picture: picture('gradients=c0=0xff7e5f:c1=0xfeb47b:c2=0x6a3093:n=3:seed=4', 'jpg', 480), lyrics: LYRICS },
  { title: '远方的信', singer: '林间', album: '晨光', duration: '03:12', audio: tone(2, 'mp3', 523), picture: picture('mandelbrot', 'jpg', 240) },
  { title: '夏夜 "Summer Night"', singer: '林间 & 小河', album: '晨光', duration: '04:05', audio: tone(2, 'm4a', 659), picture: picture('testsrc2', 'png', 240) },
  { title: '归途', singer: '林间', album: '晨光', duration: '02:48', audio: tone(2, 'mp3', 330), picture: picture('gradients=c0=0x1d976c:c1=0x93f9b9:n=2:seed=9', 'jpg', 240) },
  { title: '没有图片的歌', singer: '林间', album: '晨光', duration: '01:30', audio: tone(2, 'mp3', 392), picture: null },
], { lrcPosition: process.env.LRC_POSITION || '2' });

const server = await serveFolder(work);
const browser = await launchChromium();
try {
  const page = await browser.newPage({ viewport: { width: Number(width), height: Number(height) } });
  await page.goto(`${server.url}/assets/player/index.html`);
  await page.click('#btn-play');
  await page.waitForSelector('body[data-playing="true"]');
  await page.waitForTimeout(5000);
  await page.screenshot({ path: out });
  if (process.env.SCROLLED) {
    await page.evaluate(() => window.scrollTo(0, document.body.scrollHeight));
    await page.waitForTimeout(500);
    await page.screenshot({ path: out.replace(/\.png$/, '-list.png') });
  }
  if (page.problems.length) console.error(page.problems.join('\n'));
  console.log('wrote', out);
} finally {
  await browser.close();
  await server.close();
  fs.rmSync(parent, { recursive: true, force: true });
}
