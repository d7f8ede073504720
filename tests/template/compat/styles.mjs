// The page's style sheet against Chromium 51: doiuse (caniuse's features:
// grid, flex gap, min(), env(), logical properties such as inset, new
// selectors) and every property name by MDN's data (filter unprefixed,
// place-items, color-scheme ...). A declaration that Chromium 51 drops is
// accepted after a fallback: an earlier declaration of the same property, or
// of its prefixed form, in the same rule that passes.
import { BROWSERS, compatData, requireModule, workingNames } from './support.mjs';

// Features caniuse calls partial in Chromium 51 whose missing part the page
// does not use.
const PARTIAL_OK = {
  'css-overflow': 'only overflow: clip and the two-value form came later',
  'css-masks': '-webkit-mask-image works; unprefixed mask properties are checked by name',
  'css-appearance': '-webkit-appearance: none works; appearance is checked by name',
  'css-scrollbar': '::-webkit-scrollbar works; scrollbar-width is checked by name',
};

let properties = null;
function workingProperties() {
  if (properties) return properties;
  properties = new Set();
  for (const [name, feature] of Object.entries(compatData().css.properties)) {
    for (const alias of workingNames(name, feature.__compat)) properties.add(alias);
  }
  return properties;
}

const unprefixed = (prop) => prop.toLowerCase().replace(/^-(webkit|moz|ms|o)-/, '');

// Problems as "file:line message" lines.
export async function checkCss(text, file) {
  const postcss = requireModule('postcss');
  const doiuse = requireModule('doiuse');
  const flagged = new Map(); // node -> reasons
  const flag = (node, reason) => flagged.set(node, (flagged.get(node) || []).concat(reason));

  const onFeatureUsage = (usage) => {
    const data = usage.featureData;
    if (data.missing) flag(usage.usage, `${data.title}: not in ${data.missing}`);
    else if (data.partial && !PARTIAL_OK[usage.feature]) flag(usage.usage, `${data.title}: partly in ${data.partial}`);
  };
  const result = await postcss([doiuse({ browsers: BROWSERS, onFeatureUsage })]).process(text, { from: file });
  const works = workingProperties();
  result.root.walkDecls((decl) => {
    if (!decl.prop.startsWith('--') && !works.has(decl.prop.toLowerCase())) flag(decl, `${decl.prop}: not in Chrome ${BROWSERS}`);
  });

  const problems = [];
  for (const [node, reasons] of flagged) {
    if (node.type === 'decl' && hasFallback(node, flagged)) continue;
    const line = node.source && node.source.start ? node.source.start.line : 0;
    problems.push(`${file}:${line} ${node.type === 'decl' ? node.prop : node.selector || node.name}: ${reasons.join('; ')}`);
  }
  return problems;
}

function hasFallback(decl, flagged) {
  const siblings = decl.parent.nodes;
  const own = unprefixed(decl.prop);
  for (const before of siblings.slice(0, siblings.indexOf(decl))) {
    if (before.type === 'decl' && unprefixed(before.prop) === own && !flagged.has(before)) return true;
  }
  return false;
}
