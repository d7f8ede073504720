// The player page's pure logic, loaded from the staged template as the page
// loads it: LRC parsing and timing, catalogue reading, display settings,
// durations, the lyrics' share of the screen, the service's state.
import assert from 'node:assert/strict';
import { createRequire } from 'node:module';
import path from 'node:path';
import { describe, test } from 'node:test';
import { appDir, catalogueText } from './support/album.mjs';

const require = createRequire(import.meta.url);
const player = (name) => require(path.join(appDir(), 'tpl', 'assets', 'player', name));
const Lrc = player('lrc.js');
const Catalogue = player('catalogue.js');
const Look = player('look.js');
const Times = player('times.js');
const Layout = player('layout.js');
const ServiceEngine = player('service-engine.js');

describe('LRC parsing', () => {
  const cases = [
    ['minutes and seconds', '[01:02]a', [[62000, 'a']]],
    ['hundredths', '[00:01.25]a', [[1250, 'a']]],
    ['tenths', '[00:01.5]a', [[1500, 'a']]],
    ['milliseconds', '[00:01.025]a', [[1025, 'a']]],
    ['colon before the fraction', '[00:01:50]a', [[1500, 'a']]],
    ['three-digit minutes', '[100:00.00]a', [[6000000, 'a']]],
    ['several tags on one line, sorted by time', '[00:30.00][00:10.00]chorus\n[00:20.00]verse',
      [[10000, 'chorus'], [20000, 'verse'], [30000, 'chorus']]],
    ['ID tags ignored', '[ti:Title]\n[ar:Singer]\n[al:Album]\n[by:me]\n[00:01.00]a', [[1000, 'a']]],
    ['positive offset shows lines sooner', '[offset:+500]\n[00:02.00]a', [[1500, 'a']]],
    ['negative offset shows lines later', '[offset:-250]\n[00:02.00]a', [[2250, 'a']]],
    ['offset never goes below zero', '[offset:1000]\n[00:00.20]a', [[0, 'a']]],
    ['garbage tags dropped, valid ones kept', '[xx:yy]junk\n[00:61.00]bad seconds\n[abc][00:03.00]ok\n[00:04.00]<00:04.50>word',
      [[3000, 'ok'], [4000, 'word']]],
    ['blank timed lines kept as pauses', '[00:01.00]a\n[00:02.00]\n[00:03.00]b', [[1000, 'a'], [2000, ''], [3000, 'b']]],
    ['equal times keep file order', '[00:05.00]original\n[00:05.00]translation', [[5000, 'original'], [5000, 'translation']]],
    ['BOM and CR LF', '\ufeff[00:01.00]a\r\n[00:02.00]b\r\n', [[1000, 'a'], [2000, 'b']]],
  ];
  for (const [name, text, expected] of cases) {
    test(name, () => {
      const lyrics = Lrc.parseLrc(text);
      assert.equal(lyrics.kind, 'synced');
      assert.deepEqual(lyrics.lines.map((l) => [l.time, l.text]), expected);
    });
  }

  test('text without time tags is plain text, ID lines left out', () => {
    const lyrics = Lrc.parseLrc('\ufeff[ti:Song]\r\n\r\nFirst line\r\n  Second line\r\n[not a tag] kept\r\n\r\n');
    assert.equal(lyrics.kind, 'plain');
    assert.equal(lyrics.text, 'First line\n  Second line\n[not a tag] kept');
  });

  for (const [name, text] of [['empty', ''], ['only ID tags', '[ar:x]\n[ti:y]'], ['only blank lines', '\r\n \r\n']]) {
    test(`${name}: no lyrics`, () => assert.equal(Lrc.parseLrc(text).kind, 'none'));
  }
});

describe('current lyric line', () => {
  const lines = Lrc.parseLrc('[00:01.00]a\n[00:05.00]b\n[00:05.00]b2\n[00:09.00]c').lines;
  const cases = [[0, null], [999, null], [1000, [0, 0]], [4999, [0, 0]], [5000, [1, 2]], [8999, [1, 2]], [9000, [3, 3]], [600000, [3, 3]]];
  for (const [time, range] of cases) {
    test(`at ${time} ms`, () => assert.deepEqual(Lrc.currentRange(lines, time), range));
  }
});

describe('catalogue', () => {
  const entry = (n, overrides = {}) => ({
    songName: `Song ${n}`, sourcePath: `music/music${n}.mp3`, textColor: '#ffffffff', textSize: '30',
    imagePath: `images/pic${n}.jpg`, lrcPath: `lrcs/lrc${n}.lrc`, lrcPosition: '2', singer: 'S', album: 'A',
    duration: '03:00', backgroundColor: '#ffffcc', ...overrides,
  });

  test('reads the file the build writes, in order', () => {
    const result = Catalogue.parseCatalogue(catalogueText([entry(1), entry(2), entry(3)]));
    assert.equal(result.problem, null);
    assert.deepEqual(result.songs.map((s) => [s.title, s.src, s.image, s.lrc]), [
      ['Song 1', 'music/music1.mp3', 'images/pic1.jpg', 'lrcs/lrc1.lrc'],
      ['Song 2', 'music/music2.mp3', 'images/pic2.jpg', 'lrcs/lrc2.lrc'],
      ['Song 3', 'music/music3.mp3', 'images/pic3.jpg', 'lrcs/lrc3.lrc'],
    ]);
  });

  const unescaped = [
    ['a double quote in a title', { songName: 'Say "Hi"' }, 'songName', 'Say "Hi"'],
    ['a backslash in a singer', { singer: 'AC\\DC' }, 'singer', 'AC\\DC'],
    ['a quote and comma at the end', { album: 'Best ",' }, 'album', 'Best ",'],
  ];
  for (const [name, overrides, key, value] of unescaped) {
    test(`values written unescaped: ${name}`, () => {
      const text = catalogueText([entry(1), entry(2, overrides)]);
      assert.throws(() => JSON.parse(text.slice(1)));
      const result = Catalogue.parseCatalogue(text);
      assert.equal(result.problem, null);
      assert.equal(result.songs.length, 2);
      const field = { songName: 'title', singer: 'singer', album: 'album' }[key];
      assert.equal(result.songs[1][field], value);
    });
  }

  test('properly escaped JSON is read as JSON', () => {
    const result = Catalogue.parseCatalogue(JSON.stringify([entry(1, { songName: 'Tab\there "q"' })]));
    assert.equal(result.songs[0].title, 'Tab\there "q"');
  });

  test('a song without a source is skipped and counted', () => {
    const text = catalogueText([entry(1), entry(2, { sourcePath: '' }), entry(3)]);
    const result = Catalogue.parseCatalogue(text);
    assert.deepEqual(result.songs.map((s) => s.src), ['music/music1.mp3', 'music/music3.mp3']);
    assert.equal(result.skipped, 1);
  });

  test('an empty title falls back to the file name', () => {
    assert.equal(Catalogue.parseCatalogue(catalogueText([entry(4, { songName: '' })])).songs[0].title, 'music4.mp3');
  });

  const problems = [
    ['missing', ''],
    ['missing', '\ufeff  \r\n'],
    ['unreadable', 'this is not a catalogue'],
    ['unreadable', '[\r\n{\r\n"songName": "x"\r\n'],
    ['unreadable', '\u0000\u0001binary'],
    ['empty', '[]'],
    ['empty', '\ufeff[\r\n]\r\n'],
  ];
  for (const [problem, text] of problems) {
    test(`${problem}: ${JSON.stringify(text).slice(0, 30)}`, () => {
      const result = Catalogue.parseCatalogue(text);
      assert.equal(result.problem, problem);
      assert.equal(result.songs.length, 0);
    });
  }
});

describe('display settings', () => {
  const colours = [
    ['#ffffffff', 'rgb(255, 255, 255)'],
    ['#80ff0000', 'rgba(255, 0, 0, 0.502)'],
    ['#00000000', 'rgba(0, 0, 0, 0)'],
    ['#ffffcc', 'rgb(255, 255, 204)'],
    ['#369', 'rgb(51, 102, 153)'],
    ['#8369', 'rgba(51, 102, 153, 0.533)'],
    ['  #FF336699 ', 'rgb(51, 102, 153)'],
  ];
  for (const [android, css] of colours) {
    test(`colour ${android}`, () => assert.equal(Look.cssColor(Look.parseAndroidColor(android)), css));
  }
  for (const bad of ['', 'red', '#12345', '#1234567', '#gggggg', '0xffffffff', '-1']) {
    test(`not a colour: ${JSON.stringify(bad)}`, () => assert.equal(Look.parseAndroidColor(bad), null));
  }

  const sizes = [['30', 30], ['12', 12], [' 18 ', 18], ['2', 10], ['500', 64], ['abc', 18], ['', 18], ['-5', 18]];
  for (const [text, px] of sizes) {
    test(`text size ${JSON.stringify(text)}`, () => assert.equal(Look.textSizePx(text), px));
  }

  const placements = [['0', 'above'], ['1', 'over'], ['2', 'below'], ['', 'below'], ['7', 'below'], [' 1 ', 'over']];
  for (const [value, placement] of placements) {
    test(`lrcPosition ${JSON.stringify(value)}`, () => assert.equal(Look.lyricsPlacement(value), placement));
  }

  test('bad settings fall back to readable defaults', () => {
    const look = Look.lookOf({ textColor: 'white', backgroundColor: 'nope', textSize: 'x', lrcPosition: 'x', displayStyle: '' });
    assert.deepEqual(look, {
      textColor: 'rgb(255, 255, 255)', backgroundColor: 'rgb(255, 255, 204)', listTextColor: '#1d1d1f',
      textSize: 18, placement: 'below', wallpaper: false,
    });
  });

  test('list text turns light on a dark background', () => {
    assert.equal(Look.lookOf({ backgroundColor: '#ff101010' }).listTextColor, '#f5f5f7');
    assert.equal(Look.lookOf({ displayStyle: 'bing' }).wallpaper, true);
  });
});

describe('durations', () => {
  const texts = [
    ['40秒', 40], ['1分', 60], ['3分25秒', 205], ['1小时', 3600], ['1小时1秒', 3601], ['1小时2分5秒', 3725],
    [' 59秒 ', 59], ['03:25', 205], ['1:02:03', 3723], ['', 0], ['秒', 0], ['3分25', 0], ['abc', 0], ['1:2:3:4', 0],
  ];
  for (const [text, seconds] of texts) {
    test(`${JSON.stringify(text)} is ${seconds} s`, () => assert.equal(Times.parseDurationText(text), seconds));
  }
  for (const [seconds, shown] of [[0, '0:00'], [59.9, '0:59'], [205, '3:25'], [3725, '1:02:05'], [NaN, '0:00'], [-3, '0:00']]) {
    test(`${seconds} s shown as ${shown}`, () => assert.equal(Times.formatTime(seconds), shown));
  }
});

describe('lyrics size for the space', () => {
  // [asked, box height, box width] -> px: the box holds four line heights, a line eight characters.
  const fits = [[30, 174, 300, 30], [30, 110, 296, 18], [60, 600, 240, 30], [14, 600, 600, 14], [30, 40, 300, 8]];
  for (const [asked, height, width, size] of fits) {
    test(`${asked} px in ${width}×${height}`, () => {
      const fit = Layout.fitLyrics(asked, height, width);
      assert.equal(fit.size, size);
      assert.ok(fit.pad * 2 + size * Layout.LINE_HEIGHT <= height + 1, 'a line can stand in the middle');
    });
  }
  // Column: the picture leaves the lyrics four lines, keeping 40 % of the height.
  const covers = [
    [{ width: 336, height: 358 }, 'below', false, true, 30, 170],
    [{ width: 296, height: 206 }, 'below', false, true, 30, 82],
    [{ width: 336, height: 358 }, 'below', false, false, 30, 336],
    [{ width: 336, height: 358 }, 'over', false, true, 60, 336],
    [{ width: 456, height: 140 }, 'above', true, true, 30, 140],
  ];
  for (const [stage, placement, row, lyrics, asked, cover] of covers) {
    test(`picture of a ${stage.width}×${stage.height} ${placement}${row ? ' row' : ''} stage`, () => {
      assert.equal(Layout.coverSize(stage, placement, row, lyrics, asked), cover);
    });
  }
});

describe('the service\'s state', () => {
  const states = [
    ['a full report', '{"index":2,"playing":true,"position":61000,"duration":200000,"repeat":"one","shuffle":true,"event":"song"}',
      { event: 'song', index: 2, playing: true, position: 61, duration: 200, repeat: 'one', shuffle: true, failed: -1 }],
    ['a failure', { index: 1, playing: false, event: 'failed', failed: 1 },
      { event: 'failed', index: 1, playing: false, position: 0, duration: 0, repeat: 'all', shuffle: false, failed: 1 }],
    ['not JSON', '{index: 2', { event: '', index: -1, playing: false, position: 0, duration: 0, repeat: 'all', shuffle: false, failed: -1 }],
    ['wrong types', '{"index":"2","playing":"yes","position":-5,"repeat":"sometimes","shuffle":1}',
      { event: '', index: -1, playing: false, position: 0, duration: 0, repeat: 'all', shuffle: false, failed: -1 }],
  ];
  for (const [name, value, expected] of states) {
    test(name, () => assert.deepEqual(ServiceEngine.readState(value), expected));
  }
});
