// Feeds arbitrary files to the song tag reader and to the reader of embedded
// pictures and lyrics. The first byte picks what the rest becomes:
//   0-2  the whole file, as .mp3, .m4a or .aac (and so the container reader);
//   3    the body of an ID3v2 frame (APIC, USLT or SYLT, by the next byte)
//        in an otherwise valid tag;
//   4    the picture of an APIC frame (its MIME type picked by the next byte);
//   5    the picture of an MP4 covr item in an otherwise valid file.
// The readers must never crash, hang or read out of bounds, and their
// results must stay sane.
#include "media/audio_genie3.h"
#include "media/song_extras.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>
#include <QtEndian>

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

QString ScratchBase()
{
    const QString folder = QDir::tempPath() + QStringLiteral("/fuzz_tag_reader_")
        + QString::number(QCoreApplication::applicationPid());
    QDir().mkpath(folder);
    return folder + QStringLiteral("/song");
}

QByteArray BigEndian32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

QByteArray SyncSafe(quint32 value)
{
    QByteArray bytes(4, '\0');
    for (int i = 3; i >= 0; --i, value >>= 7)
        bytes[i] = char(value & 0x7F);
    return bytes;
}

// An ID3v2.3 tag holding one frame, followed by a little MPEG-like data.
QByteArray Id3v2WithFrame(const char *id, const QByteArray &body)
{
    const QByteArray frame = QByteArray(id, 4) + BigEndian32(quint32(body.size())) + QByteArray(2, '\0') + body;
    return QByteArray("ID3\x03\x00\x00", 6) + SyncSafe(quint32(frame.size())) + frame
        + QByteArray("\xFF\xFB\x90\x00", 4) + QByteArray(64, '\0');
}

QByteArray Atom(const char *kind, const QByteArray &body)
{
    return BigEndian32(quint32(body.size() + 8)) + QByteArray(kind, 4) + body;
}

// A minimal MP4 file whose only tag item is a covr picture.
QByteArray Mp4WithCover(const QByteArray &picture)
{
    const QByteArray data = Atom("data", BigEndian32(13) + BigEndian32(0) + picture);
    const QByteArray hdlr = Atom("hdlr", QByteArray(8, '\0') + QByteArray("mdirappl", 8) + QByteArray(9, '\0'));
    const QByteArray meta = Atom("meta", QByteArray(4, '\0') + hdlr + Atom("ilst", Atom("covr", data)));
    return Atom("ftyp", QByteArray("M4A \x00\x00\x02\x00M4A mp42isom", 20))
        + Atom("moov", Atom("mvhd", QByteArray(100, '\0')) + Atom("udta", meta));
}

QByteArray FileFor(const uint8_t *data, size_t size, const char *&extension)
{
    static const char *const extensions[] = {".mp3", ".m4a", ".aac"};
    const QByteArray rest(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const int mode = data[0] % 6;
    extension = extensions[mode % 3];
    if (mode < 3)
        return rest;
    const int pick = rest.isEmpty() ? 0 : uchar(rest.at(0));
    const QByteArray tail = rest.mid(1);
    if (mode == 3) {
        static const char *const frames[] = {"APIC", "USLT", "SYLT"};
        extension = ".mp3";
        return Id3v2WithFrame(frames[pick % 3], tail);
    }
    if (mode == 4) {
        static const char *const types[] = {"image/jpeg", "image/png", "", "-->"};
        extension = ".mp3";
        const QByteArray body = QByteArray(1, '\0') + types[pick % 4] + QByteArray(1, '\0') + '\x03'
            + QByteArray(1, '\0') + tail;
        return Id3v2WithFrame("APIC", body);
    }
    extension = ".m4a";
    return Mp4WithCover(rest);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QString base = ScratchBase();
    if (size == 0)
        return 0;
    const char *extension = nullptr;
    const QByteArray content = FileFor(data, size, extension);
    const QString path = base + QLatin1String(extension);
    {
        QFile file(path);
        Require(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        Require(file.write(content) == content.size());
    }

    TAudioGenie3 reader;
    Require(reader.AnalyzeFile(path) == 0);
    Require(!reader.ReadTitle().contains(QChar(0)));
    Require(!reader.ReadArtist().contains(QChar(0)));
    Require(!reader.ReadAlbum().contains(QChar(0)));
    const float seconds = reader.ReadDuration();
    Require(std::isfinite(seconds) && seconds >= 0.0f);
    Require(reader.ReadFileSize() == content.size());

    const SongExtras extras = ReadSongExtras(path, true, true);
    if (extras.picture) {
        Require(!extras.picture->bytes.isEmpty() && extras.picture->bytes.size() <= MaxEmbeddedPictureBytes);
        Require(QStringList({QStringLiteral(".jpg"), QStringLiteral(".png"), QStringLiteral(".gif"),
                             QStringLiteral(".bmp")})
                    .contains(extras.picture->extension));
    }
    Require(!extras.lyrics.contains(QChar(0)));
    QFile::remove(path);
    return 0;
}
