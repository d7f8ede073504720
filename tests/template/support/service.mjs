// Opens the player page with the stand-in playback service of
// fake-service.js as window.NativePlayer, on an album staged in `work`.
import fs from 'node:fs';
import path from 'node:path';

const FAKE = new URL('./fake-service.js', import.meta.url).pathname;

// What the service would read from the app: the catalogue, the lyrics assets.
export function serviceSetup(work, count, extra = {}) {
  const assets = {};
  for (const name of fs.readdirSync(path.join(work, 'assets', 'lrcs'))) {
    assets[`lrcs/${name}`] = fs.readFileSync(path.join(work, 'assets', 'lrcs', name), 'utf8');
  }
  const catalogue = fs.readFileSync(path.join(work, 'res', 'raw', 'songs.json'), 'utf8');
  return { title: '桥上的专辑', catalogue, assets, count, ...extra };
}

export async function openWithService(browser, url, setup, viewport) {
  const page = await browser.newPage({ viewport });
  await page.addInitScript((s) => { window.fakeServiceSetup = s; }, setup);
  await page.addInitScript({ path: FAKE });
  await page.goto(url);
  await page.waitForSelector('body[data-state="ready"]');
  // The calls the page made, less the seek bar's polling.
  page.serviceCalls = () => page.evaluate(() => window.fakeService.calls.filter((c) => c[0] !== 'position' && c[0] !== 'duration'));
  return page;
}
