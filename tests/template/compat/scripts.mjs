// The page's scripts against Chromium 51: ESLint parsing ECMAScript 2015 (no
// async functions, no **, no object spread, no trailing commas in calls),
// eslint-plugin-compat for the global APIs, and a rule of our own for
// methods and properties on objects, which the plugin cannot see because it
// does not know what an object is: a member name is refused when every
// built-in and every interface the page works with that has it gained it
// after Chromium 51.
import { BROWSERS, compatData, requireModule, workingNames } from './support.mjs';

// The browser interfaces the page touches (with those they inherit from).
const INTERFACES = [
  'EventTarget', 'Node', 'Element', 'HTMLElement', 'HTMLInputElement', 'HTMLImageElement', 'HTMLMediaElement',
  'HTMLAudioElement', 'Document', 'DocumentFragment', 'Window', 'CSSStyleDeclaration', 'DOMTokenList',
  'DOMStringMap', 'NodeList', 'HTMLCollection', 'Event', 'UIEvent', 'MouseEvent', 'KeyboardEvent', 'Storage',
  'XMLHttpRequest', 'DOMParser', 'DOMRect', 'Location', 'Navigator',
];

// Names that an old interface has too (window.scrollTo, Map.values), so the
// rule above lets them pass; the page must not use the newer ones.
const AMBIGUOUS = [
  ['scrollTo', 'Element.scrollTo came with Chromium 61: set scrollTop'],
  ['scrollBy', 'Element.scrollBy came with Chromium 61: set scrollTop'],
  ['values', 'Array.prototype.values came with Chromium 66'],
];

let newerMembers = null;
function membersNewerThanTarget() {
  if (newerMembers) return newerMembers;
  const seen = new Map(); // name -> works in the target somewhere
  const visit = (owner) => {
    for (const [name, feature] of Object.entries(owner)) {
      if (name === '__compat' || !feature || !feature.__compat) continue;
      const working = workingNames(name, feature.__compat);
      for (const alias of working) seen.set(alias, true);
      if (!seen.has(name)) seen.set(name, false);
    }
  };
  const data = compatData();
  for (const name of INTERFACES) visit(data.api[name]);
  for (const builtin of Object.values(data.javascript.builtins)) visit(builtin);
  newerMembers = new Set([...seen].filter(([, works]) => !works).map(([name]) => name));
  return newerMembers;
}

const membersRule = {
  meta: { type: 'problem', schema: [] },
  create(context) {
    const newer = membersNewerThanTarget();
    return {
      MemberExpression(node) {
        if (node.computed || node.property.type !== 'Identifier' || !newer.has(node.property.name)) return;
        // `typeof x.name` is how a script asks whether a feature is there.
        if (node.parent.type === 'UnaryExpression' && node.parent.operator === 'typeof') return;
        context.report({ node: node.property, message: `${node.property.name} is newer than ${BROWSERS.join(', ')}` });
      },
    };
  },
};

function config() {
  const compat = requireModule('eslint-plugin-compat');
  return [{
    files: ['**/*.js'],
    plugins: { compat, chromium: { rules: { members: membersRule } } },
    linterOptions: { noInlineConfig: true },
    languageOptions: { ecmaVersion: 2015, sourceType: 'script' },
    settings: { browsers: BROWSERS, lintAllEsApis: true },
    rules: {
      'compat/compat': 'error',
      'chromium/members': 'error',
      'no-restricted-properties': ['error', ...AMBIGUOUS.map(([property, message]) => ({ property, message }))],
    },
  }];
}

// Problems in the scripts as "file:line:column message" lines.
export async function lintScripts(files, cwd) {
  const { ESLint } = requireModule('eslint');
  const eslint = new ESLint({ cwd, overrideConfigFile: true, overrideConfig: config() });
  const results = await eslint.lintFiles(files);
  return results.flatMap((r) => r.messages.map((m) => `${r.filePath}:${m.line}:${m.column} ${m.message}`));
}
