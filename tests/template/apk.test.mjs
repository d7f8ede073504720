// Builds an album APK the way the desktop tool does: a copy of tpl/ with the
// name rewritten and songs staged, packaged and signed by the tools of the
// staged application folder with command lines of the build's shape, run
// under a locale that is not installed and with a Chinese album name. Then
// inspects the result with the Android tools.
import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { after, before, describe, test } from 'node:test';
import { appDir, picture, rewriteName, stageSongs, tempDir, tone, workingFolder } from './support/album.mjs';
import { checkDex, checkClasses, disassemble, readClasses } from './support/smali-check.mjs';
import { buildShellRun, runScenarios } from './support/shell-jvm.mjs';
import { readZip } from './support/zip.mjs';

const SIGNER_JARS = ['p-rename-1.0.jar', 'jasmin-p2.5.jar', 'dx.jar', 'dex-translator-0.0.9.8.jar', 'dex-tools-0.0.0.4.jar',
  'dex-reader-1.9.jar', 'dex-ir-1.6.jar', 'commons-lite-1.9.jar', 'commons-cli-1.2.jar', 'asm-all-3.3.1.jar'];
const ALBUM = '晨光 专辑';
const PACKAGE = 'com.quorvane.dorvalith.mabc';
// Tests start the tools the way a desktop session with an uninstalled Chinese locale would.
const TOOL_ENV = { ...process.env, LANG: 'zh_CN.UTF-8', LC_ALL: '' };

const A = appDir();
const S = path.join(A, 's');
const java = path.join(S, 'jre6', 'bin', 'java');

function runTool(args) {
  const r = spawnSync(java, args, { cwd: S, env: TOOL_ENV, encoding: 'utf8' });
  return { code: r.status, output: `${r.stdout}${r.stderr}` };
}

const packager = (work) => runTool(['-jar', path.join(S, 'apktool.jar'), 'b', '-f', work]);

// The key lives outside the application folder, where the build points the signer.
const keyHome = tempDir('pelorin-key-');
process.on('exit', () => fs.rmSync(keyHome, { recursive: true, force: true }));
const KEY = path.join(keyHome, 'Holvensk', 'Brisling', 'signing-key.p12');
// A key an earlier version left in the application folder, if any: the signer
// must neither make one there nor touch it.
const OLD_KEY = path.join(S, 'Quenlow', 'signing-key.p12');
const oldKeyBefore = fs.existsSync(OLD_KEY) ? fs.readFileSync(OLD_KEY) : null;

function signer(inApk, outApk, force = true, key = KEY) {
  const classPath = SIGNER_JARS.map((jar) => path.join(S, 'Quenlow', 'lib', jar) + path.delimiter).join('');
  const args = ['-Xms512m', '-Xmx1024m', '-cp', classPath, 'com.googlecode.dex2jar.tools.ApkSign', inApk, '-o', outApk];
  return runTool([...args, ...(force ? ['--force'] : []), ...(key ? ['--key', key] : [])]);
}

const tool = (program, args) => execFileSync(program, args, { encoding: 'utf8', stdio: ['ignore', 'pipe', 'pipe'] });

const SHELL_CLASSES = ['AudioFocus', 'Catalogue', 'Commands', 'MainActivity', 'MediaControls', 'NoisyReceiver', 'PlaybackService',
  'PlayerBridge', 'Playlist', 'SavedPlace', 'ServiceBinder', 'SessionCallback', 'StateListener', 'Transport'].map((c) => `Lcom/pelorin/player/${c};`);
const BRIDGE = ['catalogue', 'duration', 'next', 'pause', 'position', 'previous', 'readAsset', 'resume', 'seek', 'select',
  'setRepeat', 'setShuffle', 'state', 'title'];

// ART's loader on a dex file: { code, output }.
function artVerify(dex) {
  const r = spawnSync(process.env.PELORIN_ART_VERIFY, [dex], { encoding: 'utf8' });
  return { code: r.status, output: `${r.stdout}${r.stderr}` };
}

// The dex header's Adler-32 checksum over everything after it.
function withChecksum(bytes) {
  let a = 1;
  let b = 0;
  for (let i = 12; i < bytes.length; i++) {
    a = (a + bytes[i]) % 65521;
    b = (b + a) % 65521;
  }
  bytes.writeUInt32LE(((b << 16) | a) >>> 0, 8);
  return bytes;
}

const LRC = '[ti:晨光]\n[00:01.00]第一句\n[00:02.00][00:04.00]副歌\n';

describe('album APK', () => {
  let parent;
  let work;
  let apk;
  let packaging;
  let signing;

  before(() => {
    parent = tempDir('pelorin-apk-');
    work = workingFolder(path.join(parent, 'data'), ALBUM);
    rewriteName(work, PACKAGE, "晨光 &amp; Rock\\'s");
    stageSongs(work, [
      { title: 'Say "Hi"', singer: '林间', album: '晨光', duration: '00:03', audio: tone(3), picture: picture('testsrc2', 'jpg'), lyrics: LRC },
      { title: '第二首', singer: '林间', album: '晨光', duration: '00:02', audio: tone(2, 'm4a'), picture: picture('mandelbrot', 'png') },
      { title: 'Empty', singer: '', album: '', duration: '00:00', audio: null, picture: null },
    ]);
    apk = path.join(parent, 'output', `${ALBUM}.apk`);
    packaging = packager(work);
    signing = signer(path.join(work, 'dist', 'MainActivity.apk'), apk);
  });
  after(() => fs.rmSync(parent, { recursive: true, force: true }));

  test('the packager and the signer succeed and write the signed APK', () => {
    assert.equal(packaging.code, 0, packaging.output);
    assert.equal(signing.code, 0, signing.output);
    assert.ok(fs.statSync(apk).size > 0, 'the signer created the output folder and the APK');
  });

  test('apksigner verifies the v1, v2 and v3 signatures', () => {
    const out = tool('apksigner', ['verify', '--verbose', apk]);
    for (const scheme of ['v1 scheme (JAR signing)', 'v2 scheme (APK Signature Scheme v2)', 'v3 scheme (APK Signature Scheme v3)']) {
      assert.match(out, new RegExp(`Verified using ${scheme.replace(/[()]/g, '\\$&')}: true`));
    }
  });

  test('stored entries are aligned to 4 bytes', () => {
    tool('zipalign', ['-c', '-p', '4', apk]);
    for (const entry of readZip(apk).values()) {
      if (entry.method === 0) assert.equal(entry.dataOffset % 4, 0, entry.name);
    }
  });

  test('badging: package, label, launchable activity and SDK levels', () => {
    const out = tool('aapt', ['dump', 'badging', apk]);
    assert.match(out, new RegExp(`^package: name='${PACKAGE}' versionCode='1' versionName='1.0'`, 'm'));
    assert.match(out, /^application-label:'晨光 & Rock's'$/m);
    assert.match(out, /^launchable-activity: name='com\.pelorin\.player\.MainActivity'/m);
    assert.match(out, /^sdkVersion:'21'$/m);
    assert.match(out, /^targetSdkVersion:'34'$/m);
    for (const density of ['120', '160', '240', '320']) assert.match(out, new RegExp(`application-icon-${density}:`));
  });

  test('badging: the permissions of a foreground media playback service', () => {
    const out = tool('aapt', ['dump', 'badging', apk]);
    for (const permission of ['FOREGROUND_SERVICE', 'FOREGROUND_SERVICE_MEDIA_PLAYBACK', 'WAKE_LOCK']) {
      assert.match(out, new RegExp(`^uses-permission: name='android\\.permission\\.${permission}'$`, 'm'));
    }
  });

  test('manifest: the playback service, not exported, of the media playback type', () => {
    const out = tool('aapt', ['dump', 'xmltree', apk, 'AndroidManifest.xml']);
    const service = /E: service \(line=\d+\)\n((?: {8,}A: .*\n)+)/.exec(out);
    assert.ok(service, out);
    assert.match(service[1], /A: android:name\([^)]*\)="com\.pelorin\.player\.PlaybackService"/);
    assert.match(service[1], /A: android:exported\([^)]*\)=\(type 0x12\)0x0$/m);
    const MEDIA_PLAYBACK = 0x2;
    assert.match(service[1], new RegExp(`A: android:foregroundServiceType\\([^)]*\\)=\\(type 0x11\\)0x${MEDIA_PLAYBACK}$`, 'm'));
  });

  test('manifest: exported launcher activity that keeps playing through rotation', () => {
    const out = tool('aapt', ['dump', 'xmltree', apk, 'AndroidManifest.xml']);
    assert.match(out, /A: android:exported\([^)]*\)=\(type 0x12\)0xffffffff/);
    const changes = /A: android:configChanges\([^)]*\)=\(type 0x11\)0x([0-9a-f]+)/.exec(out);
    assert.ok(changes, out);
    const ORIENTATION = 0x80;
    const SCREEN_SIZE = 0x400;
    const SCREEN_LAYOUT = 0x100;
    const mask = parseInt(changes[1], 16);
    assert.equal(mask & (ORIENTATION | SCREEN_SIZE | SCREEN_LAYOUT), ORIENTATION | SCREEN_SIZE | SCREEN_LAYOUT);
  });

  test('resources.arsc and the songs and pictures are stored; the catalogue is as staged', () => {
    const entries = readZip(apk);
    for (const name of ['resources.arsc', 'assets/music/music1.mp3', 'assets/music/music2.m4a', 'assets/music/music3.mp3',
      'assets/images/pic1.jpg', 'assets/images/pic2.png']) {
      assert.ok(entries.has(name), `${name} is in the APK`);
      assert.equal(entries.get(name).method, 0, `${name} is stored`);
    }
    assert.equal(entries.get('assets/music/music3.mp3').size, 0);
    for (const name of ['assets/player/index.html', 'assets/player/player.js', 'assets/lrcs/lrc1.lrc', 'res/raw/songs.json']) {
      assert.ok(entries.has(name), `${name} is in the APK`);
    }
    assert.ok(!entries.has('assets/lrcs/lrc2.lrc'));
    assert.deepEqual(entries.get('res/raw/songs.json').bytes(), fs.readFileSync(path.join(work, 'res', 'raw', 'songs.json')));
    assert.deepEqual(entries.get('assets/music/music1.mp3').bytes(), fs.readFileSync(path.join(work, 'assets', 'music', 'music1.mp3')));
    assert.ok(![...entries.keys()].some((name) => name.endsWith('.gitkeep')));
  });

  test('the dex holds the shell, verified, with runtime bridge annotations', () => {
    const out = tool('dexdump', ['-a', '-d', apk]);
    for (const cls of SHELL_CLASSES) assert.ok(out.includes(`Class descriptor  : '${cls}'`), cls);
    const annotated = [...out.matchAll(/Annotations on method #\d+ '(\w+)'\n {2}VISIBILITY_RUNTIME Landroid\/webkit\/JavascriptInterface;/g)].map((m) => m[1]);
    assert.deepEqual(annotated.sort(), BRIDGE);
  });

  test('the native shell passes the register and call check', () => {
    const { classes, problems } = checkDex(apk, parent);
    assert.deepEqual(Object.keys(classes).sort(), SHELL_CLASSES);
    assert.deepEqual(problems, []);
  });

  test("ART's own loader verifies the dex and rejects corrupted copies", () => {
    const dex = path.join(parent, 'classes.dex');
    fs.writeFileSync(dex, readZip(apk).get('classes.dex').bytes());
    const good = artVerify(dex);
    assert.equal(good.code, 0, good.output);
    assert.match(good.output, /^verified$/m);

    const corruptions = [
      ['a flipped byte', (b) => { b[b.length - 20] ^= 0xff; return b; }, /checksum/i],
      // string_ids_size one larger, checksum made right: only the structure check can tell
      ['a section size that does not fit, with a valid checksum', (b) => { b.writeUInt32LE(b.readUInt32LE(0x38) + 1, 0x38); return withChecksum(b); }, /./],
    ];
    for (const [name, corrupt, reason] of corruptions) {
      const bad = path.join(parent, 'bad.dex');
      fs.writeFileSync(bad, corrupt(fs.readFileSync(dex)));
      const r = artVerify(bad);
      assert.equal(r.code, 1, `${name}: ${r.output}`);
      assert.match(r.output, /^rejected: /m, name);
      assert.match(r.output, reason, name);
    }
  });

  // The shell's own code, converted by enjarify, against the stand-ins on
  // the JVM with its verifier on: one subtest per scenario.
  test('the native shell on the JVM: lifecycle and playback scenarios', async (t) => {
    const dir = fs.mkdtempSync(path.join(parent, 'jvm-'));
    const dex = path.join(dir, 'classes.dex');
    fs.writeFileSync(dex, readZip(apk).get('classes.dex').bytes());
    fs.mkdirSync(path.join(dir, 'albums'));
    const run = runScenarios(buildShellRun(dex, dir), path.join(dir, 'albums'), BRIDGE);
    assert.equal(run.code, 0, run.output);
    assert.ok(run.results.length >= 30, run.output);
    assert.doesNotMatch(run.output, /VerifyError|LinkageError|NoSuchMethodError|NoSuchFieldError/);
    for (const r of run.results) await t.test(r.name, () => assert.ok(r.ok, r.detail));
  });

  test('the signer keeps its key and refuses to replace an APK without --force', () => {
    assert.equal(fs.statSync(KEY).mode & 0o777, 0o600);
    assert.equal(fs.statSync(path.dirname(KEY)).mode & 0o777, 0o700, 'a folder the signer made is private');
    const oldKeyNow = fs.existsSync(OLD_KEY) ? fs.readFileSync(OLD_KEY) : null;
    assert.deepEqual(oldKeyNow, oldKeyBefore, 'no key made or changed in the application folder');
    const certificate = (file) => /SHA-256 digest: (\w+)/.exec(tool('apksigner', ['verify', '--print-certs', file]))[1];
    const before = fs.readFileSync(apk);
    const refused = signer(path.join(work, 'dist', 'MainActivity.apk'), apk, false);
    assert.notEqual(refused.code, 0);
    assert.match(refused.output, /--force/);
    assert.deepEqual(fs.readFileSync(apk), before, 'the existing APK is untouched');

    const again = path.join(parent, 'again.apk');
    assert.equal(signer(path.join(work, 'dist', 'MainActivity.apk'), again).code, 0);
    assert.equal(certificate(again), certificate(apk), 'the same key signs every build');
    assert.deepEqual(fs.readdirSync(path.join(parent, 'output')), [`${ALBUM}.apk`], 'no temporary files left');
  });

  const badSignings = [
    ['a missing input', (dir) => [path.join(dir, 'missing.apk'), path.join(dir, 'out.apk')], /input APK not found/],
    ['an input that is not an APK', (dir) => {
      fs.writeFileSync(path.join(dir, 'text.apk'), 'not a zip');
      return [path.join(dir, 'text.apk'), path.join(dir, 'out.apk')];
    }, /signing failed/],
    ['an output that is a folder', (dir) => [apk, dir], /output is a folder/],
    ['no key path', (dir) => [apk, path.join(dir, 'out.apk')], /--key/, null],
  ];
  for (const [name, make, message, key] of badSignings) {
    test(`the signer fails clearly on ${name}`, () => {
      const dir = fs.mkdtempSync(path.join(parent, 'bad-'));
      const [inApk, outApk] = make(dir);
      const result = signer(inApk, outApk, true, key);
      assert.notEqual(result.code, 0);
      assert.match(result.output, message);
      assert.ok(!fs.existsSync(path.join(dir, 'out.apk')));
    });
  }

  test('the packager reports a broken project with a non-zero exit', () => {
    const broken = workingFolder(path.join(parent, 'data'), 'broken');
    fs.writeFileSync(path.join(broken, 'AndroidManifest.xml'), '<manifest');
    const result = packager(broken);
    assert.notEqual(result.code, 0);
    assert.ok(!fs.existsSync(path.join(broken, 'dist', 'MainActivity.apk')));
  });
});

// The check above must fail on the faults it is there for: each case breaks
// the template's smali in one place, assembles it and expects a report.
describe('smali check', () => {
  const source = path.join(A, 'tpl', 'smali');
  const bridge = 'com/pelorin/player/PlayerBridge.smali';
  const activity = 'com/pelorin/player/MainActivity.smali';
  const transport = 'com/pelorin/player/Transport.smali';
  const service = 'com/pelorin/player/PlaybackService.smali';
  const catalogue = 'com/pelorin/player/Catalogue.smali';
  const cases = [
    ['uninitialised register', transport,
      'move-result-object v3\n', 'move-result-object v0\n', /reads v3 while it is Uninit/],
    ['wrong invoke kind', bridge,
      'invoke-interface {v0}, Ljava/lang/CharSequence;', 'invoke-virtual {v0}, Ljava/lang/CharSequence;', /needs invoke-interface/],
    ['object passed for a boolean', activity,
      'invoke-virtual {v1, v2}, Landroid/webkit/WebSettings;->setJavaScriptEnabled',
      'invoke-virtual {v1, v1}, Landroid/webkit/WebSettings;->setJavaScriptEnabled', /argument 1: Z does not take Reference/],
    ['method called on the wrong object', activity,
      'invoke-virtual {v1, v2}, Landroid/webkit/WebSettings;->setDomStorageEnabled', 'invoke-virtual {v0, v2}, Landroid/webkit/WebSettings;->setDomStorageEnabled', /WebView; has no method of Landroid\/webkit\/WebSettings;/],
    ['missing argument', activity,
      'invoke-virtual {v0, v3}, Landroid/webkit/WebView;->loadUrl', 'invoke-virtual {v0}, Landroid/webkit/WebView;->loadUrl', /passes 1 registers, loadUrl\(Ljava\/lang\/String;\)V takes 2/],
    ['misspelt descriptor', transport,
      'getStartOffset()J', 'getStartOffset()I', /no method getStartOffset\(\)I/],
    ['result of a void call', transport,
      'invoke-virtual {v2}, Landroid/media/MediaPlayer;->prepare()V\n', 'invoke-virtual {v2}, Landroid/media/MediaPlayer;->prepare()V\n\n    move-result v0\n', /Invalid type: V|follows a void invoke/],
    ['narrow read of a wide result', transport,
      'move-result-wide v6', 'move-result v6', /J result needs move-result-wide|wide pair/],
    ['wrong return', bridge,
      'invoke-interface {v0}, Ljava/lang/CharSequence;->toString()Ljava/lang/String;\n    move-result-object v0\n\n    return-object v0', 'invoke-interface {v0}, Ljava/lang/CharSequence;->toString()Ljava/lang/String;\n    move-result-object v0\n\n    return v0', /needs return-object/],
    ['boolean field stored from an object', activity,
      'move-result v0\n    iput-boolean v0, p0', 'move-result v0\n    iput-boolean p1, p0', /stored value: Z does not take Reference/],
    ['monitor exit without enter', service,
      'invoke-virtual {v0}, Landroid/media/MediaPlayer;->release()V\n',
      'invoke-virtual {v0}, Landroid/media/MediaPlayer;->release()V\n\n    monitor-exit p0\n', /exits a monitor never entered/],
    ['listener method with the wrong descriptor', service,
      '.method public declared-synchronized onError(Landroid/media/MediaPlayer;II)Z', '.method public declared-synchronized onError(Landroid/media/MediaPlayer;I)Z', /needs a public method onError/],
    ['bridge method without runtime annotation', bridge,
      '.annotation runtime Landroid/webkit/JavascriptInterface;', '.annotation build Landroid/webkit/JavascriptInterface;', /must be runtime-visible/],
    ['call newer than the SDK_INT check before it', 'com/pelorin/player/AudioFocus.smali',
      'const/16 v3, 0x1a\n    if-ge v2, v3, :with_request', 'const/16 v3, 0x15\n    if-ge v2, v3, :with_request', /needs API 26, reached on API 21/],
    ['constructor without its superclass constructor', 'com/pelorin/player/ServiceBinder.smali',
      '    invoke-direct {p0}, Landroid/os/Binder;-><init>()V\n', '', /a constructor must call its superclass constructor/],
    ['catch of a class that is not a Throwable', catalogue,
      '.catch Lorg/json/JSONException;', '.catch Ljava/lang/String;', /\.catch of Ljava\/lang\/String;, which is not a Throwable/],
    ['call to a private method of another class', catalogue,
      '.method public static readText(', '.method private static readText(', /calls the private Lcom\/pelorin\/player\/Catalogue;->readText/],
  ];

  let parent;
  before(() => { parent = tempDir('pelorin-smali-'); });
  after(() => fs.rmSync(parent, { recursive: true, force: true }));

  for (const [name, file, from, to, expected] of cases) {
    test(name, () => {
      const dir = fs.mkdtempSync(path.join(parent, 'case-'));
      fs.cpSync(source, path.join(dir, 'src'), { recursive: true });
      const target = path.join(dir, 'src', file);
      const text = fs.readFileSync(target, 'utf8');
      assert.ok(text.includes(from), `the template still holds: ${from}`);
      fs.writeFileSync(target, text.replace(from, to));
      execFileSync('smali', ['a', '-o', path.join(dir, 'classes.dex'), path.join(dir, 'src')], { stdio: 'pipe' });
      disassemble(path.join(dir, 'classes.dex'), path.join(dir, 'out'));
      const problems = checkClasses(readClasses(path.join(dir, 'out')));
      assert.ok(problems.some((p) => expected.test(p)), `expected ${expected}, got:\n${problems.join('\n')}`);
    });
  }
});
