// Static check of the native shell. baksmali's analyser annotates every
// instruction with the register types it infers (--register-info ALL,FULLMERGE);
// this reads that output and reports what Android's verifier or runtime would
// reject: registers read while uninitialised or conflicting, argument types
// and counts that do not fit a method's descriptor, invokes of the wrong kind
// or of methods that do not exist (see framework-api.mjs), move-result after
// the wrong invoke, returns and field accesses of the wrong type, calls newer
// than the SDK_INT check that guards them (sdk-guards.mjs), constructors that
// do not call their superclass constructor, catches of what is not a
// Throwable, and calls to private or protected members of another class.
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { FRAMEWORK } from './framework-api.mjs';
import { guardedLevels } from './sdk-guards.mjs';

export const MIN_SDK = 21;

// Disassembles a dex (or APK) with register information into `outDir`.
export function disassemble(dexOrApk, outDir) {
  execFileSync('java', ['-cp', '/usr/share/java/*', 'org.jf.baksmali.Main', 'd',
    '--register-info', 'ALL,FULLMERGE', '-b', '', '-o', outDir, dexOrApk], { stdio: ['ignore', 'ignore', 'pipe'] });
}

// ---- descriptors -----------------------------------------------------------

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

function parseMethodRef(ref) {
  const m = /^(L[^;]+;)->([^(]+)\(([^)]*)\)(.+)$/.exec(ref);
  if (!m) return null;
  return { cls: m[1], name: m[2], params: parseTypes(m[3]), ret: m[4], sig: `${m[2]}(${m[3]})${m[4]}` };
}

const isWide = (t) => t === 'J' || t === 'D';
const isRef = (t) => t.startsWith('L') || t.startsWith('[');

// Register types (dexlib2's names) that fit a declared type.
const FITS = {
  Z: ['Boolean', 'One', 'Null'],
  B: ['Byte', 'PosByte', 'Boolean', 'One', 'Null'],
  S: ['Short', 'PosShort', 'Byte', 'PosByte', 'Boolean', 'One', 'Null'],
  C: ['Char', 'PosShort', 'PosByte', 'Boolean', 'One', 'Null'],
  I: ['Integer', 'Char', 'Short', 'PosShort', 'Byte', 'PosByte', 'Boolean', 'One', 'Null'],
  F: ['Float', 'Integer', 'PosShort', 'PosByte', 'One', 'Null'],
};

// ---- reading baksmali output ---------------------------------------------------

function parseRegisterInfo(line, into) {
  const re = /([vp]\d+)=\(([^)]*)\)/g;
  let m;
  while ((m = re.exec(line)) !== null) {
    const [category, cls] = m[2].split(',');
    into[m[1]] = { category, cls: cls ? cls.replace(/^U/, 'L') : null };
  }
}

function parseClassFile(text) {
  const cls = { name: null, super: null, interfaces: [], interface: false, abstract: false, fields: {}, methods: [] };
  const lines = text.split('\n');
  let method = null;
  let pending = {};
  let pendingAnnotation = null;
  for (let n = 0; n < lines.length; n++) {
    const line = lines[n].trim();
    if (line.startsWith('.class ')) {
      cls.name = line.split(' ').pop();
      cls.interface = / interface /.test(` ${line} `);
      cls.abstract = / abstract /.test(` ${line} `);
    } else if (line.startsWith('.super ')) {
      cls.super = line.split(' ')[1];
    } else if (line.startsWith('.implements ')) {
      cls.interfaces.push(line.split(' ')[1]);
    } else if (line.startsWith('.field ')) {
      const m = /([^\s:]+):(\S+)/.exec(line.slice(7).split(' ').filter((w) => !/^(public|private|protected|static|final|volatile|transient|synthetic)$/.test(w)).join(' '));
      if (m) cls.fields[m[1]] = { type: m[2], static: / static /.test(` ${line} `) };
    } else if (line.startsWith('.method ')) {
      const words = line.split(' ');
      const ref = parseMethodRef(`${cls.name}->${words[words.length - 1]}`);
      method = {
        ...ref, flags: words.slice(1, -1), line: n + 1, registers: 0, annotations: [],
        instructions: [], static: words.includes('static'), labels: {}, catches: [],
      };
      pending = {};
    } else if (line === '.end method') {
      cls.methods.push(method);
      method = null;
    } else if (!method) {
      continue;
    } else if (line.startsWith('.registers ')) {
      method.registers = Number(line.split(' ')[1]);
    } else if (line.startsWith('.annotation ')) {
      pendingAnnotation = line.split(' ').slice(1);
      method.annotations.push({ visibility: pendingAnnotation[0], type: pendingAnnotation[1] });
    } else if (line.startsWith(':')) {
      method.labels[line.slice(1)] = method.instructions.length;
    } else if (line.startsWith('.catch')) {
      const m = /^\.catch(all)?\s*(\S*)\s*\{:(\S+) \.\. :(\S+)\}\s*:(\S+)/.exec(line);
      if (m) method.catches.push({ type: m[1] ? 'Ljava/lang/Throwable;' : m[2], start: m[3], end: m[4], handler: m[5], line: n + 1 });
    } else if (line.startsWith('#AnalysisException')) {
      method.instructions.push({ analysisError: line, line: n + 1 });
    } else if (line.startsWith('#')) {
      parseRegisterInfo(line, pending);
    } else if (line === '' ) {
      pending = {};
    } else if (!line.startsWith('.') && !line.startsWith(':')) {
      const space = line.indexOf(' ');
      const op = space < 0 ? line : line.slice(0, space);
      method.instructions.push({ op, args: space < 0 ? '' : line.slice(space + 1), pre: pending, line: n + 1 });
      pending = {};
    }
  }
  return cls;
}

export function readClasses(outDir) {
  const classes = {};
  const walk = (dir) => {
    for (const entry of fs.readdirSync(dir, { withFileTypes: true })) {
      const full = path.join(dir, entry.name);
      if (entry.isDirectory()) walk(full);
      else if (entry.name.endsWith('.smali')) {
        const cls = parseClassFile(fs.readFileSync(full, 'utf8'));
        cls.file = full;
        classes[cls.name] = cls;
      }
    }
  };
  walk(outDir);
  return classes;
}

// ---- the checker ----------------------------------------------------------------

export function checkClasses(classes) {
  const problems = [];

  const classInfo = (name) => {
    const own = classes[name];
    if (own) {
      const methods = {};
      for (const m of own.methods) methods[m.sig] = { own: m };
      return { super: own.super, implements: own.interfaces, interface: own.interface, methods, own };
    }
    return FRAMEWORK[name] || null;
  };

  const ancestors = (name) => {
    const seen = [];
    const queue = [name];
    while (queue.length) {
      const c = queue.shift();
      if (!c || seen.includes(c)) continue;
      seen.push(c);
      const info = classInfo(c);
      if (!info) continue;
      queue.push(info.super, ...(info.implements || []));
    }
    return seen;
  };

  const assignable = (from, to) =>
    to === 'Ljava/lang/Object;' || from === to || (from && ancestors(from).includes(to));

  // Finds a method along the class hierarchy (classes, then interfaces).
  const resolve = (clsName, sig) => {
    for (const c of ancestors(clsName)) {
      const info = classInfo(c);
      if (info && info.methods[sig]) return { cls: c, info, method: info.methods[sig] };
    }
    return null;
  };

  // A public, non-abstract implementation of sig found from clsName upwards.
  const resolveConcrete = (clsName, sig) => {
    for (const c of ancestors(clsName)) {
      const info = classInfo(c);
      const m = info?.methods[sig];
      if (!m) continue;
      if (m.own) return !m.own.static && m.own.flags.includes('public') && !m.own.flags.includes('abstract');
      if (!info.interface && !m.abstract) return true;
    }
    return false;
  };

  // A platform or own field along the class hierarchy.
  const resolveField = (clsName, name, type) => {
    for (const c of ancestors(clsName)) {
      const own = classes[c];
      if (own && own.fields[name] && own.fields[name].type === type) return { owner: c, ...own.fields[name], own: true };
      const platform = !own && FRAMEWORK[c]?.fields?.[`${name}:${type}`];
      if (platform) return { owner: c, static: !!platform.static, api: platform.api || 1, own: false };
    }
    return null;
  };

  const classApi = (name) => (classes[name] ? 1 : FRAMEWORK[name.replace(/^\[+/, '')]?.api || 1);

  for (const cls of Object.values(classes)) {
    for (const name of [cls.super, ...cls.interfaces]) {
      if (!classInfo(name)) problems.push(`${cls.name}: unknown platform type ${name} (add it to framework-api.mjs)`);
    }
    // Every abstract method of an interface or platform superclass needs an
    // implementation in a class that is not abstract itself.
    if (!cls.interface && !cls.abstract) {
      for (const owner of ancestors(cls.name).slice(1)) {
        const info = classInfo(owner);
        if (!info || info.own) continue;
        for (const [sig, m] of Object.entries(info.methods || {})) {
          if (!m.abstract) continue;
          if (resolveConcrete(cls.name, sig)) continue;
          problems.push(`${cls.name}: ${owner} needs a public method ${sig}`);
        }
      }
    }
    for (const c of cls.methods.flatMap((m) => m.catches.map((k) => [m, k]))) {
      const [m, k] = c;
      if (!classInfo(k.type)) problems.push(`${cls.name}->${m.sig} (line ${k.line}): .catch of unknown class ${k.type}`);
      else if (!assignable(k.type, 'Ljava/lang/Throwable;') || k.type === 'Ljava/lang/Object;') {
        problems.push(`${cls.name}->${m.sig} (line ${k.line}): .catch of ${k.type}, which is not a Throwable`);
      }
    }
    for (const method of cls.methods) checkMethod(cls, method);
  }

  function checkMethod(cls, method) {
    const where = (ins) => `${cls.name}->${method.sig} (line ${ins.line})`;
    const ins = method.static ? 0 : 1;
    const paramRegs = ins + method.params.reduce((n, t) => n + (isWide(t) ? 2 : 1), 0);
    const locals = method.registers - paramRegs;
    const abs = (reg) => (reg[0] === 'p' ? locals + Number(reg.slice(1)) : Number(reg.slice(1)));
    const nameOf = (index) => (index >= locals ? `p${index - locals}` : `v${index}`);
    const typeOf = (insn, reg) => insn.pre[nameOf(abs(reg))] || { category: 'Unknown', cls: null };

    const jsInterface = method.annotations.find((a) => a.type === 'Landroid/webkit/JavascriptInterface;');
    if (jsInterface) {
      if (jsInterface.visibility !== 'runtime') problems.push(`${cls.name}->${method.sig}: @JavascriptInterface must be runtime-visible`);
      if (!method.flags.includes('public') || method.static) problems.push(`${cls.name}->${method.sig}: bridge methods must be public and not static`);
    }
    if (method.registers < paramRegs && method.instructions.length) {
      problems.push(`${cls.name}->${method.sig}: .registers ${method.registers} is fewer than its ${paramRegs} parameter registers`);
    }

    const problem = (insn, text) => problems.push(`${where(insn)}: ${insn.op} ${insn.args}: ${text}`);
    const levels = guardedLevels(method, MIN_SDK);
    const needs = (insn, api, what) => {
      const level = levels[method.instructions.indexOf(insn)];
      if (api > level) problem(insn, `${what} needs API ${api}, reached on API ${level} (guard it with an SDK_INT check)`);
    };

    const readable = (insn, reg) => {
      const t = typeOf(insn, reg);
      if (['Uninit', 'Unknown', 'Conflicted'].includes(t.category)) {
        problem(insn, `reads ${reg} while it is ${t.category}`);
        return false;
      }
      return true;
    };

    // Checks one value against a declared type; `regs` holds 1 or 2 registers.
    const fits = (insn, regs, type, what) => {
      if (!regs.every((r) => readable(insn, r))) return;
      const t = typeOf(insn, regs[0]);
      if (isWide(type)) {
        const lo = typeOf(insn, regs[0]).category;
        const hi = regs[1] ? typeOf(insn, regs[1]).category : 'none';
        if (!/^(Long|Double)Lo$/.test(lo) || !/^(Long|Double)Hi$/.test(hi)) problem(insn, `${what}: ${type} needs a wide pair, got ${lo}/${hi}`);
      } else if (isRef(type)) {
        if (t.category === 'Null') return;
        if (t.category !== 'Reference') problem(insn, `${what}: ${type} needs a reference, got ${t.category}`);
        else if (type.startsWith('L') && !assignable(t.cls, type)) problem(insn, `${what}: ${t.cls} is not a ${type}`);
      } else if (!FITS[type].includes(t.category)) {
        problem(insn, `${what}: ${type} does not take ${t.category}`);
      }
    };

    let previous = null;
    let monitors = 0;
    for (const insn of method.instructions) {
      if (insn.analysisError) {
        problems.push(`${cls.name}->${method.sig} (line ${insn.line}): ${insn.analysisError.slice(1)}`);
        continue;
      }
      const regs = (insn.args.match(/[vp]\d+/g) || []);
      const op = insn.op;

      if (op.startsWith('invoke-')) {
        checkInvoke(insn, op, regs);
      } else if (op.startsWith('move-result')) {
        const call = previous && previous.op.startsWith('invoke-') ? parseMethodRef(previous.args.split(', ').pop()) : null;
        if (!call) problem(insn, 'does not follow an invoke');
        else if (call.ret === 'V') problem(insn, `follows a void invoke`);
        else {
          const wanted = isRef(call.ret) ? 'move-result-object' : isWide(call.ret) ? 'move-result-wide' : 'move-result';
          if (op !== wanted) problem(insn, `${call.ret} result needs ${wanted}`);
        }
      } else if (op.startsWith('return')) {
        if (op === 'return-void' && method.name === '<init>' && !method.static && typeOf(insn, 'p0').category === 'UninitThis') {
          problem(insn, 'a constructor must call its superclass constructor');
        }
        const ret = method.ret;
        const wanted = ret === 'V' ? 'return-void' : isRef(ret) ? 'return-object' : isWide(ret) ? 'return-wide' : 'return';
        if (op !== wanted) problem(insn, `method returns ${ret}, needs ${wanted}`);
        else if (ret !== 'V') fits(insn, isWide(ret) ? [regs[0], nameOf(abs(regs[0]) + 1)] : [regs[0]], ret, 'returned value');
      } else if (/^[is](get|put)/.test(op)) {
        checkField(insn, op, regs);
      } else if (/^if-[a-z]+z$/.test(op)) {
        if (readable(insn, regs[0]) && op !== 'if-eqz' && op !== 'if-nez' && typeOf(insn, regs[0]).category === 'Reference') {
          problem(insn, 'compares a reference with zero');
        }
      } else if (/^if-/.test(op)) {
        regs.forEach((r) => readable(insn, r));
      } else if (op === 'new-array') {
        fits(insn, [regs[1]], 'I', 'array size');
      } else if (op === 'array-length' || /^aget/.test(op) || /^aput/.test(op)) {
        checkArray(insn, op, regs);
      } else if (/^(add|sub|mul|div|rem|and|or|xor|shl|shr|ushr)-(int|long|float|double)(\/2addr|\/lit8|\/lit16)?$/.test(op)) {
        (op.endsWith('/2addr') ? regs : regs.slice(1)).forEach((r) => readable(insn, r));
      } else if (/^((int|long|float|double)-to-[a-z]+|neg-[a-z]+|not-[a-z]+)$/.test(op)) {
        readable(insn, regs[1]);
      } else if (/^cmp/.test(op)) {
        regs.slice(1).forEach((r) => readable(insn, r));

      } else if (op === 'throw' || op === 'check-cast' || op === 'monitor-enter' || op === 'monitor-exit') {
        fits(insn, [regs[0]], 'Ljava/lang/Object;', op);
        if (op === 'check-cast') checkClassRef(insn);
        if (op === 'monitor-enter') monitors++;
        if (op === 'monitor-exit' && monitors === 0) problem(insn, 'exits a monitor never entered in this method');
      } else if (/^move(-object|-wide)?(\/from16|\/16)?$/.test(op)) {
        readable(insn, regs[1]);
      } else if (op === 'new-instance' || op === 'const-class') {
        checkClassRef(insn);
      } else if (!/^(const|goto|nop|move-exception)/.test(op)) {
        problem(insn, 'instruction not known to this check (extend smali-check.mjs)');
      }
      previous = insn;
    }

    function checkInvoke(insn, op, listed) {
      const call = parseMethodRef(insn.args.slice(insn.args.indexOf('}, ') + 3));
      if (!call) return problem(insn, 'cannot read the method reference');
      let regs = listed;
      if (op.endsWith('/range')) {
        const [first, last] = listed.map(abs);
        regs = [];
        for (let k = first; k <= last; k++) regs.push(nameOf(k));
      }
      const kind = op.replace('invoke-', '').replace('/range', '');
      const target = resolve(call.cls, call.sig);
      const targetClass = classInfo(call.cls);
      if (!targetClass) return problem(insn, `unknown class ${call.cls} (add it to framework-api.mjs)`);
      if (!target) return problem(insn, `no method ${call.sig} in ${call.cls} or its ancestors`);
      const declared = target.method.own;
      const isStatic = declared ? declared.static : !!target.method.static;
      const isPrivate = declared ? declared.flags.includes('private') : false;
      const isInit = call.name === '<init>';
      const onInterface = !!target.info.interface;
      needs(insn, Math.max(target.method.api || 1, classApi(call.cls)), call.sig);

      // private: only its own class; protected: subclasses, on themselves
      const protectedMember = declared ? declared.flags.includes('protected') : !!target.method.protected;
      if (isPrivate && target.cls !== cls.name) problem(insn, `calls the private ${target.cls}->${call.sig} of another class`);
      if (protectedMember && !isInit && target.cls.slice(0, target.cls.lastIndexOf('/')) !== cls.name.slice(0, cls.name.lastIndexOf('/'))) {
        const receiver = isStatic ? null : typeOf(insn, regs[0]);
        const onSelf = isStatic || (receiver.category === 'Reference' && assignable(receiver.cls, cls.name));
        if (!ancestors(cls.name).includes(target.cls) || !onSelf) problem(insn, `calls the protected ${target.cls}->${call.sig} from outside its subclasses`);
      }

      const expectedKind = isStatic ? 'static' : isInit || isPrivate ? 'direct' : onInterface ? 'interface' : 'virtual';
      const allowed = expectedKind === 'virtual' ? ['virtual', 'super'] : [expectedKind];
      if (!allowed.includes(kind)) return problem(insn, `${call.cls}->${call.sig} needs invoke-${expectedKind}`);
      if (kind === 'super' && !ancestors(cls.super).includes(call.cls)) problem(insn, `invoke-super on ${call.cls}, not an ancestor`);

      const expected = [];
      if (!isStatic) expected.push([call.cls, 1]);
      for (const t of call.params) expected.push([t, isWide(t) ? 2 : 1]);
      const wanted = expected.reduce((n, [, w]) => n + w, 0);
      if (regs.length !== wanted) return problem(insn, `passes ${regs.length} registers, ${call.sig} takes ${wanted}`);

      let at = 0;
      expected.forEach(([type, width], k) => {
        const slice = regs.slice(at, at + width);
        at += width;
        if (k === 0 && !isStatic) {
          if (!readable(insn, slice[0])) return;
          const t = typeOf(insn, slice[0]);
          if (isInit && (t.category === 'UninitRef' || t.category === 'UninitThis')) {
            if (t.category === 'UninitThis' && call.cls !== cls.super && call.cls !== cls.name) problem(insn, 'a constructor must call its superclass constructor');
            if (t.category === 'UninitRef' && t.cls !== call.cls) problem(insn, `constructs ${t.cls} with ${call.cls}'s constructor`);
            return;
          }
          if (isInit) return problem(insn, `calls a constructor on an initialised ${t.category}`);
          if (t.category === 'Null') return problem(insn, 'calls a method on a register that is always null');
          if (t.category !== 'Reference') return problem(insn, `calls a method on ${t.category}`);
          if (!assignable(t.cls, call.cls)) problem(insn, `${t.cls} has no method of ${call.cls}`);
          return;
        }
        fits(insn, slice, type, `argument ${k}`);
      });
    }

    function checkArray(insn, op, regs) {
      const array = op === 'array-length' ? regs[1] : regs[1];
      if (!readable(insn, array)) return;
      const t = typeOf(insn, array);
      if (t.category === 'Null') return problem(insn, 'uses an array register that is always null');
      if (t.category !== 'Reference' || !t.cls?.startsWith('[')) return problem(insn, `${array} holds ${t.category} ${t.cls || ''}, not an array`);
      if (op !== 'array-length') {
        fits(insn, [regs[2]], 'I', 'array index');
        if (op.startsWith('aput')) readable(insn, regs[0]);
      }
    }

    function checkClassRef(insn) {
      const name = insn.args.split(', ').pop();
      const base = name.replace(/^\[+/, '');
      if (base.startsWith('L') && !classInfo(base)) return problem(insn, `unknown class ${base} (add it to framework-api.mjs)`);
      needs(insn, classApi(name), name);
    }

    function checkField(insn, op, regs) {
      const m = /(L[^;]+;)->([^:]+):(\S+)$/.exec(insn.args);
      if (!m) return problem(insn, 'cannot read the field reference');
      const [, owner, name, type] = m;
      if (!classInfo(owner)) return problem(insn, `unknown class ${owner} (add it to framework-api.mjs)`);
      const field = resolveField(owner, name, type);
      if (!field) return problem(insn, `no field ${name}:${type} in ${owner} or its ancestors`);
      needs(insn, Math.max(field.api || 1, classApi(owner)), `${owner}->${name}`);
      const suffix = { Z: '-boolean', B: '-byte', C: '-char', S: '-short', J: '-wide', D: '-wide' }[type] ?? (isRef(type) ? '-object' : '');
      const base = op.slice(0, 4);
      if (op !== base + suffix) problem(insn, `${type} field needs ${base}${suffix}`);
      if ((op[0] === 's') !== field.static) problem(insn, `field ${name} is ${field.static ? '' : 'not '}static`);
      const value = isWide(type) ? [regs[0], nameOf(abs(regs[0]) + 1)] : [regs[0]];
      if (op[1] === 'p') fits(insn, value, type, 'stored value');
      if (op[0] === 'i') {
        const object = regs[regs.length - 1];
        if (!readable(insn, object)) return;
        const t = typeOf(insn, object);
        const inConstructor = method.name === '<init>' && t.category === 'UninitThis' && field.owner === cls.name && op[1] === 'p';
        if (!inConstructor && (t.category !== 'Reference' || !assignable(t.cls, owner))) {
          problem(insn, `object register holds ${t.category} ${t.cls || ''}, not ${owner}`);
        }
      }
    }
  }

  return problems;
}

export function checkDex(dexOrApk, workDir) {
  const out = path.join(workDir, 'baksmali');
  fs.rmSync(out, { recursive: true, force: true });
  disassemble(dexOrApk, out);
  const classes = readClasses(out);
  return { classes, problems: checkClasses(classes) };
}
