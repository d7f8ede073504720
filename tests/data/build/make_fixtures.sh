#!/usr/bin/env bash
# Makes the song fixtures of the build tests: short tagged songs, pictures and
# GBK lyrics. Run from anywhere; writes into songs/ beside this script.
set -euo pipefail
out="$(cd "$(dirname "$0")" && pwd)/songs"
mkdir -p "$out"
cd "$out"

tone() { # file frequency codec-arguments... -- metadata-arguments...
    local file=$1 frequency=$2
    shift 2
    ffmpeg -v error -y -f lavfi -i "sine=frequency=$frequency:duration=2" -ac 1 "$@" "$file"
}

tone song1.mp3 440 -c:a libmp3lame -b:a 32k -id3v2_version 3 \
    -metadata title='晨曲' -metadata artist='歌手甲' -metadata album='测试专辑'
tone song2.mp3 550 -c:a libmp3lame -b:a 32k -id3v2_version 3 \
    -metadata title='Say "Hi"\Back' -metadata artist='Band' -metadata album='Tabs	And Quotes'
tone song3.m4a 660 -c:a aac -b:a 32k \
    -metadata title='Third' -metadata artist='Anon' -metadata album='测试专辑'

# Pictures: song1.jpg lies beside song1.mp3 and is found with it; cover.png
# is attached by the drop.
convert -size 120x90 gradient:'#3060c0-#c0e0ff' song1.jpg
convert -size 64x64 xc:'#c04020' -fill '#ffffff' -draw 'circle 32,32 32,12' PNG24:cover.png

# Lyrics in GBK: song1.lrc beside song1.mp3; words.lrc attached by the drop.
printf '[00:00.00]晨曲\r\n[00:01.00]第一句歌词\r\n' | iconv -f UTF-8 -t GBK > song1.lrc
printf '\r\n  [00:00.50]第二首的歌词\n[00:01.50]最后一句  \n' | iconv -f UTF-8 -t GBK > words.lrc
