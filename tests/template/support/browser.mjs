// Debian's Chromium, headless, driven by playwright-core (installed by the
// test set-up into PELORIN_NODE_MODULES).
import fs from 'node:fs';
import { createRequire } from 'node:module';
import path from 'node:path';
import { tempDir } from './album.mjs';

const CHROMIUM = '/usr/bin/chromium';

function loadPlaywright() {
  const dir = process.env.PELORIN_NODE_MODULES;
  const require = createRequire(dir ? path.join(dir, 'package.json') : import.meta.url);
  return require('playwright-core');
}

export async function launchChromium() {
  const { chromium } = loadPlaywright();
  const profile = tempDir('pelorin-chromium-');
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: CHROMIUM,
    headless: true,
    args: [
      '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
    ],
    viewport: { width: 390, height: 844 },
  });
  return {
    context,
    async newPage(options = {}) {
      const page = await context.newPage();
      if (options.viewport) await page.setViewportSize(options.viewport);
      const problems = [];
      page.on('pageerror', (e) => problems.push(String(e)));
      page.problems = problems;
      return page;
    },
    async close() {
      await context.close();
      fs.rmSync(profile, { recursive: true, force: true });
    },
  };
}
