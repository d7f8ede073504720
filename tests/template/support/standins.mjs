// Java sources of the android.* stand-ins the shell runs against on the JVM,
// generated from the same platform table the smali check reads, so the
// stand-ins have exactly its classes, hierarchy and member descriptors.
// Every method hands its call to pelorin.Sim (the simulated phone, in
// tests/template/jvm/), which decides what it does; builder setters return
// their builder. A member newer than the app's minimum SDK fails, as on an
// older phone, when the simulated SDK_INT is below its level. Each class also gets a constructor taking Sim.TOKEN, for
// Sim to make instances the platform would make (the shell cannot).
import fs from 'node:fs';
import path from 'node:path';
import { FRAMEWORK } from './framework-api.mjs';
import { MIN_SDK } from './smali-check.mjs';

const PRIMITIVE = { I: 'int', Z: 'boolean', J: 'long', F: 'float', V: 'void', B: 'byte', C: 'char', S: 'short', D: 'double' };
const UNBOX = { I: 'i', Z: 'z', J: 'j', F: 'f' };

function javaType(desc) {
  if (desc.startsWith('[')) return `${javaType(desc.slice(1))}[]`;
  if (PRIMITIVE[desc]) return PRIMITIVE[desc];
  return desc.slice(1, -1).replace(/\//g, '.').replace(/\$/g, '.');
}

function parseTypes(list) {
  const types = [];
  for (let i = 0; i < list.length;) {
    let j = i;
    while (list[j] === '[') j++;
    if (list[j] === 'L') j = list.indexOf(';', j);
    types.push(list.slice(i, j + 1));
    i = j + 1;
  }
  return types;
}

const simpleName = (cls) => cls.slice(cls.lastIndexOf('/') + 1, -1);

function member(cls, info, sig, m) {
  const [, name, params, ret] = /^([^(]+)\(([^)]*)\)(.+)$/.exec(sig);
  const types = parseTypes(params);
  const args = types.map((t, k) => `${javaType(t)} a${k}`).join(', ');
  const boxed = `new Object[] {${types.map((_, k) => `a${k}`).join(', ')}}`;
  const key = `"${simpleName(cls)}.${name}"`;
  const visibility = m.protected ? 'protected' : 'public';
  const api = Math.max(m.api || 1, info.api || 1);
  const since = api > MIN_SDK ? `pelorin.Sim.since(${api}, ${key}); ` : '';
  if (name === '<init>') {
    const superCall = info.super && FRAMEWORK[info.super] && info.super.startsWith('Landroid/') ? 'super(pelorin.Sim.TOKEN); ' : '';
    return `${visibility} ${simpleName(cls).split('$').pop()}(${args}) { ${superCall}${since}pelorin.Sim.call(this, ${key}, ${boxed}); }`;
  }
  const head = `${visibility} ${m.static ? 'static ' : ''}${javaType(ret)} ${name}(${args})`;
  if (info.interface) return `${javaType(ret)} ${name}(${args});`;
  if (m.abstract) return `${visibility} abstract ${javaType(ret)} ${name}(${args});`;
  const call = `pelorin.Sim.call(${m.static ? 'null' : 'this'}, ${key}, ${boxed})`;
  if (ret === 'V') return `${head} { ${since}${call}; }`;
  if (ret === cls && !m.static) return `${head} { ${since}${call}; return this; }`;
  if (UNBOX[ret]) return `${head} { ${since}return pelorin.Sim.${UNBOX[ret]}(${call}); }`;
  return `${head} { ${since}return (${javaType(ret)}) ${call}; }`;
}

function classSource(cls, nested) {
  const info = FRAMEWORK[cls] || { super: 'Ljava/lang/Object;', methods: {} };
  const name = simpleName(cls).split('$').pop();
  const body = [];
  if (info.annotation) {
    return `@java.lang.annotation.Retention(java.lang.annotation.RetentionPolicy.RUNTIME)\n`
      + `@java.lang.annotation.Target(java.lang.annotation.ElementType.METHOD)\npublic @interface ${name} {}`;
  }
  for (const [field, f] of Object.entries(info.fields || {})) {
    const [fname, ftype] = field.split(':');
    body.push(`public ${f.static ? 'static ' : ''}${javaType(ftype)} ${fname};`);
  }
  if (!info.interface) {
    const superToken = info.super?.startsWith('Landroid/') ? 'super(t); ' : '';
    body.push(`public ${name}(pelorin.Sim.Token t) { ${superToken}}`);
  }
  for (const [sig, m] of Object.entries(info.methods)) body.push(member(cls, info, sig, m));
  for (const inner of nested[cls] || []) body.push(classSource(inner, nested).replace(/^public /m, 'public static '));
  // abstract only where the shell must implement something: Sim makes the rest
  const isAbstract = !info.interface && Object.values(info.methods).some((m) => m.abstract);
  const kind = info.interface ? 'interface' : `${isAbstract ? 'abstract ' : ''}class`;
  const ext = info.interface ? '' : info.super && info.super !== 'Ljava/lang/Object;' ? ` extends ${javaType(info.super)}` : '';
  const impl = (info.implements || []).length ? ` ${info.interface ? 'extends' : 'implements'} ${info.implements.map(javaType).join(', ')}` : '';
  return `public ${kind} ${name}${ext}${impl} {\n${body.map((l) => `  ${l.replace(/\n/g, '\n  ')}`).join('\n')}\n}`;
}

// Writes the stand-ins under outDir (one file per outer class); returns the files.
export function writeStandins(outDir) {
  const android = Object.keys(FRAMEWORK).filter((c) => c.startsWith('Landroid/'));
  const nested = {};
  const outer = new Set();
  for (const cls of android) {
    const dollar = cls.lastIndexOf('$');
    if (dollar < 0) { outer.add(cls); continue; }
    const parent = `${cls.slice(0, dollar)};`;
    (nested[parent] ||= []).push(cls);
    if (!FRAMEWORK[parent]) outer.add(parent);
  }
  const files = [];
  for (const cls of outer) {
    const internal = cls.slice(1, -1);
    const file = path.join(outDir, `${internal}.java`);
    fs.mkdirSync(path.dirname(file), { recursive: true });
    const pkg = internal.slice(0, internal.lastIndexOf('/')).replace(/\//g, '.');
    fs.writeFileSync(file, `package ${pkg};\n\n${classSource(cls, nested)}\n`);
    files.push(file);
  }
  return files;
}
