// Builds album working folders for the tests: a copy of the staged template
// with songs, pictures, lyrics and songs.json laid out the way the desktop
// tool's build writes them (numbered names, UTF-8 with BOM, CR LF, values
// written without escaping).
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';

const BOM = '\ufeff';

export function appDir() {
  const dir = process.env.PELORIN_APP_DIR;
  if (!dir || !fs.existsSync(path.join(dir, 'tpl', 'AndroidManifest.xml'))) {
    throw new Error('PELORIN_APP_DIR must name the staged application folder (with tpl/)');
  }
  return dir;
}

export function tempDir(prefix) {
  return fs.mkdtempSync(path.join(os.tmpdir(), prefix));
}

// ---- media fixtures, made once per process with ffmpeg ----------------------

const fixtureDir = tempDir('pelorin-fixtures-');
process.on('exit', () => fs.rmSync(fixtureDir, { recursive: true, force: true }));

function ffmpeg(args, out) {
  execFileSync('ffmpeg', ['-hide_banner', '-loglevel', 'error', '-y', ...args, out]);
  return out;
}

// A sine tone of `seconds` (mp3 or m4a by extension).
export function tone(seconds, ext = 'mp3', frequency = 440) {
  const out = path.join(fixtureDir, `tone-${seconds}-${frequency}.${ext}`);
  if (fs.existsSync(out)) return out;
  const codec = ext === 'mp3' ? ['-c:a', 'libmp3lame', '-b:a', '32k'] : ['-c:a', 'aac', '-b:a', '32k'];
  return ffmpeg(['-f', 'lavfi', '-i', `sine=frequency=${frequency}:duration=${seconds}`, '-ac', '1', '-ar', '22050', ...codec], out);
}

// A picture from one of ffmpeg's test sources ('mandelbrot', 'testsrc2', gradients ...).
export function picture(source, ext = 'jpg', size = 320) {
  const name = source.replace(/[^a-z0-9]+/gi, '_');
  const out = path.join(fixtureDir, `pic-${name}-${size}.${ext}`);
  if (fs.existsSync(out)) return out;
  const filter = source.includes('=') ? `${source}:s=${size}x${size}` : `${source}=s=${size}x${size}`;
  return ffmpeg(['-f', 'lavfi', '-i', filter, '-frames:v', '1'], out);
}

// ---- the build's steps, as far as the player depends on them ----------------

// The manifest and string resources the way the name step rewrites them.
export function rewriteName(work, packageName, escapedTitle) {
  const manifestPath = path.join(work, 'AndroidManifest.xml');
  const manifest = fs.readFileSync(manifestPath, 'utf8')
    .replace(/ package="[^"]*"/, ` package="${packageName}"`)
    .replace(/\r?\n/g, '\r\n');
  fs.writeFileSync(manifestPath, BOM + manifest);

  const stringsPath = path.join(work, 'res', 'values', 'strings.xml');
  const lines = fs.readFileSync(stringsPath, 'utf8').replace(/^\ufeff/, '').split(/\r\n|\r|\n/);
  if (lines[lines.length - 1] === '') lines.pop();
  const out = lines.map((line) => {
    for (const key of ['app_name', 'title_activity_main', 'app_title']) {
      if (line.includes(`"${key}"`)) return `<string name="${key}">${escapedTitle}</string>`;
    }
    return line;
  });
  fs.writeFileSync(stringsPath, BOM + out.map((l) => l + '\r\n').join(''));
}

// songs.json bytes exactly as the asset step writes them.
export function catalogueText(entries) {
  const lines = ['['];
  entries.forEach((e, i) => {
    lines.push('{');
    const members = [
      ['songName', e.songName], ['sourcePath', e.sourcePath], ['textColor', e.textColor],
      ['textSize', e.textSize], ['imagePath', e.imagePath], ['lrcPath', e.lrcPath],
      ['lrcPosition', e.lrcPosition], ['singer', e.singer], ['album', e.album],
      ['duration', e.duration], ['backgroundColor', e.backgroundColor], ['songInfo', ''],
      ['displayStyle', 'bing'],
    ];
    members.forEach(([key, value], k) => {
      lines.push(`"${key}": "${value}"${k < members.length - 1 ? ',' : ''}`);
    });
    lines.push(i < entries.length - 1 ? '},' : '}');
  });
  lines.push(']');
  return BOM + lines.map((l) => l + '\r\n').join('');
}

export function lyricsBytes(text) {
  const lines = text.split(/\r\n|\r|\n/);
  if (lines[lines.length - 1] === '') lines.pop();
  return BOM + lines.map((l) => l + '\r\n').join('');
}

export const DEFAULT_LOOK = { textColor: '#ffffffff', textSize: '30', lrcPosition: '2', backgroundColor: '#ffffcc' };

// Stages songs into `work` (a template copy). Each song: { title, singer,
// album, duration, audio (file or null for a 0-byte file), picture (file or
// null: the catalogue names a picture that is not there), lyrics (text or
// undefined) }. Returns the catalogue entries written.
export function stageSongs(work, songs, look = {}) {
  const settings = { ...DEFAULT_LOOK, ...look };
  const entries = songs.map((song, i) => {
    const n = i + 1;
    const audioExt = song.audio ? path.extname(song.audio) : '.mp3';
    const music = `music${n}${audioExt}`;
    const musicPath = path.join(work, 'assets', 'music', music);
    if (song.audio) fs.copyFileSync(song.audio, musicPath);
    else fs.writeFileSync(musicPath, '');

    const pictureExt = song.picture ? path.extname(song.picture) : '.jpg';
    const image = `pic${n}${pictureExt}`;
    if (song.picture) fs.copyFileSync(song.picture, path.join(work, 'assets', 'images', image));

    if (song.lyrics) fs.writeFileSync(path.join(work, 'assets', 'lrcs', `lrc${n}.lrc`), lyricsBytes(song.lyrics));

    return {
      songName: song.title,
      sourcePath: `music/${music}`,
      textColor: settings.textColor,
      textSize: settings.textSize,
      imagePath: `images/${image}`,
      lrcPath: `lrcs/lrc${n}.lrc`,
      lrcPosition: settings.lrcPosition,
      singer: song.singer ?? '',
      album: song.album ?? '',
      duration: song.duration ?? '',
      backgroundColor: settings.backgroundColor,
    };
  });
  writeCatalogue(work, entries);
  return entries;
}

export function writeCatalogue(work, entries) {
  fs.writeFileSync(path.join(work, 'res', 'raw', 'songs.json'), catalogueText(entries));
}

// A fresh working folder: the staged template copied whole, as the build does.
export function workingFolder(parent, name) {
  const work = path.join(parent, name);
  fs.cpSync(path.join(appDir(), 'tpl'), work, { recursive: true });
  return work;
}
