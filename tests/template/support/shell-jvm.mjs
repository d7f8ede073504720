// Runs the native shell's own code on the JVM: Debian's enjarify turns the
// APK's classes.dex into class files, which load, with the JVM's verifier on
// for every class, against the android.* stand-ins generated from the
// platform table and the simulated phone in tests/template/jvm/. The
// scenarios there print one line each: "ok <name>" or "not ok <name>", a tab and why.
import { execFileSync, spawnSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { writeStandins } from './standins.mjs';

const JVM_SOURCES = path.join(path.dirname(fileURLToPath(import.meta.url)), '..', 'jvm');
const JSON_JAR = '/usr/share/java/com.android.json.jar';

function javaFiles(dir) {
  return fs.readdirSync(dir, { recursive: true }).filter((f) => f.endsWith('.java')).map((f) => path.join(dir, f));
}

// Converts and compiles everything under workDir; returns the class path.
export function buildShellRun(dex, workDir) {
  const jar = path.join(workDir, 'shell.jar');
  execFileSync('enjarify', [dex, '-o', jar, '-f'], { env: { ...process.env, PYTHON: '/usr/bin/python3' }, stdio: 'pipe' });
  const generated = path.join(workDir, 'standins');
  const classes = path.join(workDir, 'classes');
  fs.rmSync(generated, { recursive: true, force: true });
  const sources = [...writeStandins(generated), ...javaFiles(JVM_SOURCES)];
  execFileSync('javac', ['-nowarn', '-encoding', 'UTF-8', '-d', classes, '-cp', [jar, JSON_JAR].join(path.delimiter), ...sources], { stdio: 'pipe' });
  return [classes, jar, JSON_JAR].join(path.delimiter);
}

// Runs the scenarios; `bridge` names the methods the dex annotates as
// @JavascriptInterface (enjarify drops annotations), the only ones the
// simulated page may call. Returns [{ name, ok, detail }] and the output.
export function runScenarios(classPath, albumsDir, bridge) {
  const r = spawnSync('java', ['-Xverify:all', `-Dpelorin.bridge=${bridge.join(',')}`, '-cp', classPath, 'pelorin.Scenarios', albumsDir],
    { encoding: 'utf8' });
  const results = [...r.stdout.matchAll(/^(ok|not ok) ([^\t\n]+)(?:\t(.*))?$/gm)].map((m) => ({ name: m[2], ok: m[1] === 'ok', detail: m[3] || '' }));
  return { results, output: `${r.stdout}${r.stderr}`, code: r.status };
}
