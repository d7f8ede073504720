/* songs.json: the album's catalogue, one object per song, every value a string.
 *
 * The desktop tool writes it line by line without escaping values, so a title
 * with a double quote or a backslash makes it invalid JSON. Strict JSON is
 * tried first; when that fails, the catalogue is read the way it is written:
 * one "key": "value" member per line, value = everything between the first
 * quote after the colon and the last quote of the line. */
(function (root) {
  'use strict';

  const MEMBER = /^\s*"([A-Za-z]+)"\s*:\s*"(.*)"\s*,?\s*$/;

  function stripBom(text) {
    return text.charCodeAt(0) === 0xfeff ? text.slice(1) : text;
  }

  function readLineByLine(text) {
    const records = [];
    let current = null;
    for (const line of text.split(/\r\n|\r|\n/)) {
      const trimmed = line.trim();
      if (trimmed === '{') {
        current = {};
      } else if (trimmed === '}' || trimmed === '},') {
        if (current) records.push(current);
        current = null;
      } else if (current) {
        const m = MEMBER.exec(line);
        if (m) current[m[1]] = m[2];
      }
    }
    return records;
  }

  function fileName(path) {
    return path.slice(path.lastIndexOf('/') + 1);
  }

  // `entry` is the record's place in songs.json, which the playback service
  // counts by; `index` its place among the songs the page shows.
  function normalise(record, index, entry) {
    const text = (key) => (record[key] === undefined || record[key] === null ? '' : String(record[key]));
    const src = text('sourcePath').trim();
    const title = text('songName').trim();
    return {
      index,
      entry,
      title: title || fileName(src) || '第' + (index + 1) + '首',
      singer: text('singer').trim(),
      album: text('album').trim(),
      durationText: text('duration').trim(),
      src,
      image: text('imagePath').trim(),
      lrc: text('lrcPath').trim(),
      info: text('songInfo').trim(),
      textColor: text('textColor').trim(),
      textSize: text('textSize').trim(),
      lrcPosition: text('lrcPosition').trim(),
      backgroundColor: text('backgroundColor').trim(),
      displayStyle: text('displayStyle').trim(),
    };
  }

  // Returns { songs, skipped, problem } where problem is null, 'missing'
  // (no text at all), 'unreadable' (no song could be read) or 'empty'.
  function parseCatalogue(text) {
    text = stripBom(String(text || ''));
    if (text.trim() === '') return { songs: [], skipped: 0, problem: 'missing' };

    let records = null;
    try {
      const parsed = JSON.parse(text);
      if (Array.isArray(parsed)) records = parsed;
      else if (parsed && typeof parsed === 'object' && Array.isArray(parsed.songs)) records = parsed.songs;
    } catch (e) {
      records = null;
    }
    if (records === null) {
      records = readLineByLine(text);
      if (records.length === 0) return { songs: [], skipped: 0, problem: 'unreadable' };
    }

    const songs = [];
    let skipped = 0;
    records.forEach((record, entry) => {
      if (!record || typeof record !== 'object' || Array.isArray(record)) {
        skipped++;
        return;
      }
      const song = normalise(record, songs.length, entry);
      if (song.src === '') skipped++;
      else songs.push(song);
    });
    if (songs.length === 0) return { songs, skipped, problem: skipped > 0 ? 'unreadable' : 'empty' };
    return { songs, skipped, problem: null };
  }

  const api = { parseCatalogue, stripBom };
  if (typeof module !== 'undefined' && module.exports) module.exports = api;
  else root.Catalogue = api;
})(this);
