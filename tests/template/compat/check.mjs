// Checks a player page folder against Android 7.0's WebView (Chromium 51):
// its scripts with ESLint, its style sheets with the CSS check.
// Usage: PELORIN_NODE_MODULES=... node check.mjs [folder]   (exits 1 on a problem)
import fs from 'node:fs';
import path from 'node:path';
import { lintScripts } from './scripts.mjs';
import { checkCss } from './styles.mjs';

// Problems in the folder's scripts and style sheets, or only in `names`.
export async function checkPage(folder, names) {
  const files = (names || fs.readdirSync(folder)).slice().sort();
  const scripts = files.filter((n) => n.endsWith('.js'));
  const problems = scripts.length ? await lintScripts(scripts, folder) : [];
  for (const name of files.filter((n) => n.endsWith('.css'))) {
    const file = path.join(folder, name);
    problems.push(...(await checkCss(fs.readFileSync(file, 'utf8'), file)));
  }
  return problems;
}

if (import.meta.url === `file://${process.argv[1]}`) {
  const folder = path.resolve(process.argv[2] || new URL('../../../template/assets/player', import.meta.url).pathname);
  const problems = await checkPage(folder);
  console.log(problems.length ? problems.join('\n') : `${folder}: runs on Chromium 51`);
  process.exitCode = problems.length ? 1 : 0;
}
