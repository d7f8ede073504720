// The player page must run on Android 7.0's WebView (Chromium 51): the staged
// page passes the compatibility check, and the check fails on copies of it
// that put back a feature Chromium 51 lacks.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { after, describe, test } from 'node:test';
import { appDir, tempDir } from './support/album.mjs';
import { checkPage } from './compat/check.mjs';

const page = path.join(appDir(), 'tpl', 'assets', 'player');
const parent = tempDir('pelorin-compat-');
after(() => fs.rmSync(parent, { recursive: true, force: true }));

// A copy of the page with `snippet` added at the end of `file`.
function copyWith(file, snippet) {
  const dir = fs.mkdtempSync(path.join(parent, 'page-'));
  fs.cpSync(page, dir, { recursive: true });
  fs.appendFileSync(path.join(dir, file), `\n${snippet}\n`);
  return dir;
}

describe('Chromium 51 compatibility check', () => {
  test('the page passes', async () => {
    assert.deepEqual(await checkPage(page), []);
  });

  const putBack = [
    ['Element.replaceChildren', 'player.js', "document.body.replaceChildren(document.createElement('p'));", /replaceChildren/],
    ['replaceChildren behind an inline disable', 'lrc.js', '/* eslint-disable */ document.body.replaceChildren();', /replaceChildren/],
    ['Element.append', 'lyrics-view.js', "document.body.append('x');", /append/],
    ['String padStart', 'times.js', "String(7).padStart(2, '0');", /padStart/],
    ['Object.entries', 'catalogue.js', 'Object.entries({});', /Object\.entries/],
    ['an async function', 'player.js', 'async function later() { return 1; }', /Parsing error/],
    ['the ** operator', 'layout.js', 'var square = 2 ** 2;', /Parsing error/],
    ['inset', 'player.css', '.x { position: absolute; inset: 0; }', /inset/],
    ['a grid', 'player.css', '.x { display: grid; }', /Grid/],
    ['gap in a flex box', 'player.css', '.x { display: flex; gap: 4px; }', /gap/],
    ['min()', 'player.css', '.x { width: min(10px, 5vw); }', /min\(\)/],
    ['filter without its prefixed form first', 'player.css', '.x { filter: blur(2px); }', /filter/],
    [':focus-visible', 'player.css', '.x:focus-visible { color: red; }', /focus-visible/],
  ];
  for (const [name, file, snippet, expected] of putBack) {
    test(`fails on ${name}`, async () => {
      const problems = await checkPage(copyWith(file, snippet), [file]);
      assert.ok(problems.some((p) => p.includes(file) && expected.test(p)), `expected ${expected} in ${file}, got:\n${problems.join('\n')}`);
    });
  }

  test('a newer declaration after its fallback passes', async () => {
    const css = '.x { -webkit-filter: blur(2px); filter: blur(2px); padding: 4px; padding: max(4px, env(safe-area-inset-top)); }';
    assert.deepEqual(await checkPage(copyWith('player.css', css)), []);
  });
});
