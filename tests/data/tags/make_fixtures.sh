#!/bin/bash
# Makes the small audio fixtures of the tag and intake tests with ffmpeg and
# mutagen (Debian: ffmpeg, python3-mutagen). Run from anywhere; writes beside
# this script. The results are committed, so the tests never need the tools.
set -euo pipefail
cd "$(dirname "$0")"
PY=/usr/bin/python3
FF=(ffmpeg -v error -y -nostdin)

tone() { # tone SECONDS FREQUENCY -> lavfi input arguments
  echo "-f lavfi -i sine=frequency=$2:sample_rate=8000:duration=$1"
}
mp3() { # mp3 OUT SECONDS FREQ [ffmpeg options...]
  local out=$1 seconds=$2 freq=$3; shift 3
  "${FF[@]}" $(tone "$seconds" "$freq") -ac 1 -c:a libmp3lame -b:a 8k "$@" "$out"
}
m4a() { # m4a OUT SECONDS FREQ [ffmpeg options...]
  local out=$1 seconds=$2 freq=$3; shift 3
  "${FF[@]}" $(tone "$seconds" "$freq") -ac 1 -c:a aac -b:a 12k "$@" "$out"
}

# MP3 with Chinese tags: ID3v2.3 (UTF-16 frames) and ID3v2.4 (UTF-8 frames).
mp3 tagged_id3v23.mp3 1 440 -id3v2_version 3 -write_id3v1 0 \
  -metadata title=春天的故事 -metadata artist=董文华 -metadata album=中国名歌
mp3 tagged_id3v24.mp3 1 470 -id3v2_version 4 -write_id3v1 0 \
  -metadata title=月亮代表我的心 -metadata artist=邓丽君 -metadata album=经典老歌
# ID3v1 only; no tags at all; names taken from the file name.
mp3 id3v1_only.mp3 1 500 -id3v2_version 0 -write_id3v1 0 -map_metadata -1
mp3 untagged.mp3 1 530 -id3v2_version 0 -write_id3v1 0 -map_metadata -1
mp3 Song-Band.mp3 1 560 -id3v2_version 0 -write_id3v1 0 -map_metadata -1
# A title tag without an artist tag.
mp3 Ignored-Fallback.mp3 1 590 -id3v2_version 3 -write_id3v1 0 -metadata title="Tagged Title"
mp3 ape_only.mp3 1 620 -id3v2_version 0 -write_id3v1 0 -map_metadata -1
mp3 latin1_frames.mp3 1 650 -id3v2_version 0 -write_id3v1 0 -map_metadata -1

# M4A with tags; lengths that the container reports as 0.9 s and 59.99 s
# (the AAC encoder puts 1024 samples of priming in front).
m4a tagged.m4a 1 680 -metadata title=夜来香 -metadata artist=李香兰 -metadata album=上海老歌
m4a tagged_faststart.m4a 1 700 -movflags +faststart \
  -metadata title=夜来香 -metadata artist=李香兰 -metadata album=上海老歌
m4a len_0.9s.m4a 0.772 720
m4a len_59.99s.m4a 59.862 740

# Raw AAC (ADTS), without and with an ID3v2 tag in front.
"${FF[@]}" $(tone 1 760) -ac 1 -c:a aac -b:a 12k -f adts adts.aac
"${FF[@]}" $(tone 1 780) -ac 1 -c:a aac -b:a 12k -f adts adts_id3.aac

# Companion pictures and lyrics.
"${FF[@]}" -f lavfi -i testsrc=size=100x60 -frames:v 1 cover.jpg
"${FF[@]}" -f lavfi -i testsrc=size=40x90 -frames:v 1 cover.png

"$PY" - <<'PYEOF'
from mutagen.apev2 import APEv2
from mutagen.id3 import ID3, TIT2, TPE1, TALB, Encoding

ape = APEv2()
ape["Title"] = "爱的代价"
ape["Artist"] = "张艾嘉"
ape["Album"] = "APE专辑"
ape.save("ape_only.mp3")

# "Latin-1" frames as Chinese Windows tools write them: GBK bytes.
tags = ID3()
tags.add(TIT2(encoding=Encoding.LATIN1, text="茉莉花".encode("gbk").decode("latin-1")))
tags.add(TPE1(encoding=Encoding.LATIN1, text="Café"))
tags.add(TALB(encoding=Encoding.LATIN1, text="民歌".encode("gbk").decode("latin-1")))
tags.save("latin1_frames.mp3", v2_version=3)

# ID3v1 alone, its artist in GBK as Chinese Windows tools write it.
def field(text, size):
    return text.ljust(size, b"\0")[:size]
v1 = b"TAG" + field(b"Old Tag", 30) + field("老歌手".encode("gbk"), 30) \
    + field(b"Archive", 30) + b"1999" + field(b"", 30) + b"\xff"
with open("id3v1_only.mp3", "ab") as f:
    f.write(v1)

tags = ID3()
tags.add(TIT2(encoding=Encoding.UTF16, text="甜蜜蜜"))
tags.add(TPE1(encoding=Encoding.UTF16, text="邓丽君"))
tags.add(TALB(encoding=Encoding.UTF16, text="甜蜜蜜专辑"))
tags.save("adts_id3.aac", v2_version=3)

lines = ["", "", "[00:01.00]第一行歌词", "[00:02.00]第二行歌词", "", ""]
with open("lyrics_gbk.txt", "wb") as f:
    f.write("\n".join(lines).encode("gbk"))
with open("lyrics_utf8.lrc", "wb") as f:
    f.write("\n".join(lines).encode("utf-8"))

# Damaged files.
data = open("tagged_id3v23.mp3", "rb").read()
open("truncated.mp3", "wb").write(data[: len(data) // 2])
open("truncated_in_tag.mp3", "wb").write(data[:40])
past_end = bytearray(data)
past_end[6:10] = bytes([0x7F, 0x7F, 0x7F, 0x7F])  # about 256 MB
open("id3_size_past_end.mp3", "wb").write(bytes(past_end))
data = open("tagged_faststart.m4a", "rb").read()
open("truncated.m4a", "wb").write(data[: len(data) * 6 // 10])

# Atoms whose sizes lead a parser back into themselves: 64-bit sizes smaller
# than their own header, a child larger than its parent, and a zero size.
import struct
def atom(kind, body=b"", size=None):
    return struct.pack(">I", len(body) + 8 if size is None else size) + kind + body
def atom64(kind, size64, body=b""):
    return struct.pack(">I", 1) + kind + struct.pack(">Q", size64) + body
ftyp = atom(b"ftyp", b"M4A \x00\x00\x02\x00M4A mp42isom")
loop = ftyp + atom64(b"moov", 8, atom64(b"udta", 8, atom(b"meta", b"\x00" * 4)))
loop += atom(b"moov", atom(b"trak", b"\x00" * 16, size=4096)) + atom(b"free", size=0)
open("loop.m4a", "wb").write(loop)
PYEOF

# Songs that carry their own pictures and lyrics.
for name in apic_jpeg apic_png apic_two uslt_two_languages sylt \
    apic_truncated apic_wrong_mime apic_empty apic_link; do
  mp3 "$name.mp3" 1 800 -id3v2_version 0 -write_id3v1 0 -map_metadata -1
done
m4a covr_lyr.m4a 1 820 -metadata title=封面歌
m4a covr_truncated.m4a 1 840

"$PY" - <<'PYEOF'
from mutagen.id3 import ID3, APIC, SYLT, TIT2, USLT, Encoding, PictureType
from mutagen.mp4 import MP4, MP4Cover

jpeg = open("cover.jpg", "rb").read()
png = open("cover.png", "rb").read()

def tag(path, *frames, version=3):
    tags = ID3()
    tags.add(TIT2(encoding=Encoding.UTF16, text=path))
    for frame in frames:
        tags.add(frame)
    tags.save(path, v2_version=version)

def picture(data, mime="image/jpeg", kind=PictureType.COVER_FRONT, desc="cover"):
    return APIC(encoding=Encoding.UTF16, mime=mime, type=kind, desc=desc, data=data)

tag("apic_jpeg.mp3", picture(jpeg))
tag("apic_png.mp3", picture(png, "image/png"), version=4)
# A back cover first, then the front cover: the front cover is the one taken.
tag("apic_two.mp3", picture(png, "image/png", PictureType.COVER_BACK, "back"), picture(jpeg, desc="front"))
tag("uslt_two_languages.mp3",
    USLT(encoding=Encoding.UTF16, lang="eng", desc="", text="First English line\nSecond English line\n"),
    USLT(encoding=Encoding.UTF16, lang="chi", desc="", text="第一句中文\n第二句中文"))
tag("sylt.mp3", SYLT(encoding=Encoding.UTF8, lang="chi", format=2, type=1, desc="",
                     text=[("第一行", 1000), ("第二行", 2500), ("第三行", 61230)]), version=4)

# Pictures that cannot be shown: cut short, declared as text, empty, a link.
tag("apic_truncated.mp3", picture(jpeg[: len(jpeg) // 2]))
tag("apic_wrong_mime.mp3", picture(jpeg, "text/plain"))
tag("apic_empty.mp3", picture(b""))
tag("apic_link.mp3", picture(b"http://example.com/cover.jpg", "-->"))

song = MP4("covr_lyr.m4a")
song["covr"] = [MP4Cover(jpeg, imageformat=MP4Cover.FORMAT_JPEG)]
song["\xa9lyr"] = ["[00:01.00]封面歌第一行\n[00:02.00]封面歌第二行"]
song.save()
song = MP4("covr_truncated.m4a")
song["covr"] = [MP4Cover(png[: len(png) // 2], imageformat=MP4Cover.FORMAT_PNG)]
song.save()
PYEOF
echo "fixtures written to $(pwd)"
