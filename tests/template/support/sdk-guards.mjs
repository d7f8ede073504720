// The lowest API level each instruction of a method can run on, given the
// app's minimum and the Build.VERSION.SDK_INT checks on the way to it: a
// forward data flow over the method's branches and exception edges, where a
// branch on `SDK_INT <op> constant` raises the level on the side it proves
// and a join keeps the lowest level of its ways in.
const SDK_INT = 'Landroid/os/Build$VERSION;->SDK_INT:I';

const branchTarget = (insn) => insn.args.split(', ').pop().replace(/^:/, '');

// What a register holds at instruction k: 'sdk', a constant number, or
// null, from the nearest earlier write in the same straight run of code.
function valueOf(method, k, reg, starts) {
  for (let j = k - 1; j >= 0; j--) {
    const insn = method.instructions[j];
    const regs = insn.args.match(/[vp]\d+/g) || [];
    if (regs[0] === reg && !/^(if-|invoke-|[ai]put|sput|return|throw|monitor)/.test(insn.op)) {
      if (insn.op === 'sget' && insn.args.endsWith(SDK_INT)) return 'sdk';
      if (/^const(\/4|\/16|\/high16)?$/.test(insn.op)) return Number(insn.args.split(', ')[1]);
      return null;
    }
    if (starts.has(j)) return null;
  }
  return null;
}

// The levels proven on the taken and the fall-through way of a comparison.
function refine(op, constant) {
  switch (op) {
    case 'if-ge': return { taken: constant, fall: 0 };
    case 'if-gt': return { taken: constant + 1, fall: 0 };
    case 'if-lt': return { taken: 0, fall: constant };
    case 'if-le': return { taken: 0, fall: constant + 1 };
    case 'if-eq': return { taken: constant, fall: 0 };
    default: return { taken: 0, fall: 0 };
  }
}

export function guardedLevels(method, minSdk) {
  const insns = method.instructions;
  const index = (label) => method.labels[label];
  const starts = new Set(Object.values(method.labels));
  const edges = insns.map(() => []);
  insns.forEach((insn, k) => {
    if (insn.analysisError) return edges[k].push([k + 1, 0]);
    const op = insn.op;
    if (/^goto/.test(op)) {
      edges[k].push([index(branchTarget(insn)), 0]);
    } else if (/^if-/.test(op)) {
      const regs = insn.args.match(/[vp]\d+/g);
      let proven = { taken: 0, fall: 0 };
      if (regs.length === 2 && valueOf(method, k, regs[0], starts) === 'sdk') {
        const constant = valueOf(method, k, regs[1], starts);
        if (typeof constant === 'number') proven = refine(op, constant);
      }
      edges[k].push([index(branchTarget(insn)), proven.taken], [k + 1, proven.fall]);
    } else if (!/^(return|throw)/.test(op)) {
      edges[k].push([k + 1, 0]);
    }
  });
  for (const c of method.catches) {
    for (let k = index(c.start); k < index(c.end); k++) edges[k].push([index(c.handler), 0]);
  }

  const level = insns.map(() => Infinity);
  if (!insns.length) return level;
  level[0] = minSdk;
  const work = [0];
  while (work.length) {
    const k = work.pop();
    for (const [to, proven] of edges[k]) {
      if (to === undefined || to >= insns.length) continue;
      const reached = Math.max(level[k], proven);
      if (reached < level[to]) {
        level[to] = reached;
        work.push(to);
      }
    }
  }
  return level;
}
