// What "runs on Android 7.0's WebView" means for the checks: Chromium 51 and
// every later version, by MDN's compatibility data. The npm packages come from
// the test set-up's node_modules (PELORIN_NODE_MODULES).
import { createRequire } from 'node:module';
import path from 'node:path';

export const BROWSERS = ['chrome >= 51'];
export const CHROME = 51;

const dir = process.env.PELORIN_NODE_MODULES;
export const requireModule = createRequire(dir ? path.join(dir, 'package.json') : import.meta.url);

let data = null;
export function compatData() {
  if (!data) data = requireModule('@mdn/browser-compat-data');
  return data;
}

// "86", "≤37", true, false, null, "preview" as the first Chrome version, or
// Infinity when there is none.
function version(value) {
  if (value === true) return 0;
  if (typeof value !== 'string') return Infinity;
  const m = /^≤?(\d+)/.exec(value);
  return m ? Number(m[1]) : Infinity;
}

// The names (unprefixed, prefixed or alternative) under which a feature
// works, without a flag, in CHROME and every version after it: the versions
// its support statements cover, one after the other, leave no gap.
export function workingNames(name, compat) {
  const spans = new Map(); // name -> [[from, until)]
  const support = compat && compat.support ? compat.support.chrome : null;
  for (const s of [].concat(support || [])) {
    if (s.flags) continue;
    const alias = s.alternative_name || (s.prefix ? s.prefix + name : name);
    const until = s.version_removed ? version(s.version_removed) : Infinity;
    spans.set(alias, (spans.get(alias) || []).concat([[version(s.version_added), until]]));
  }
  const names = [];
  for (const [alias, list] of spans) {
    let reached = CHROME;
    for (const [from, until] of list.sort((a, b) => a[0] - b[0])) if (from <= reached) reached = Math.max(reached, until);
    if (reached === Infinity) names.push(alias);
  }
  return names;
}
