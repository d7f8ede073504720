#include "media/song_extras.h"

#include "media/flat_frame_factory.h"
#include "media/mp4_atom_check.h"
#include "media/synced_lyrics.h"

#include "platform/code_page.h"
#include "platform/locale_info.h"
#include "platform/text_trim.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>

#include <memory>

#include <attachedpictureframe.h>
#include <id3v2tag.h>
#include <mp4file.h>
#include <synchronizedlyricsframe.h>
#include <tfilestream.h>
#include <unsynchronizedlyricsframe.h>

namespace {

// An ID3v2 tag larger than this is not read for pictures and lyrics: TagLib
// holds the whole tag in memory, several times over while it parses it.
constexpr qint64 kMaxTagBytes = 64LL * 1024 * 1024;
// How many picture frames are tried before giving up on a tag.
constexpr int kMaxPictureTries = 8;

QString CutAtZero(QString text)
{
    const qsizetype zero = text.indexOf(QChar(0));
    if (zero >= 0)
        text.truncate(zero);
    return text;
}

// Text a frame stores as "Latin-1" is the writer's ANSI code page in
// practice, as for the text frames of the tag reader.
QString FrameText(const TagLib::String &text, TagLib::String::Type encoding)
{
    if (encoding == TagLib::String::Latin1) {
        const TagLib::ByteVector bytes = text.data(TagLib::String::Latin1);
        return CutAtZero(BytesToText(QByteArray(bytes.data(), int(bytes.size())), AnsiCodePage()));
    }
    return CutAtZero(QString::fromUtf8(text.toCString(true)));
}

// Lines separated by CR LF, without blank lines and white space at either end.
QString LyricsLines(const QString &text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    return TrimText(text.split(lineBreak).join(QStringLiteral("\r\n")));
}

bool InLanguage(const TagLib::ByteVector &language, const QStringList &languages)
{
    const QString code = QString::fromLatin1(language.data(), int(language.size())).toLower();
    return languages.contains(code);
}

// The first frame in one of the languages, else the first frame.
template <typename Frame>
const Frame *PreferLanguage(const QList<const Frame *> &frames, const QStringList &languages)
{
    for (const Frame *frame : frames) {
        if (InLanguage(frame->language(), languages))
            return frame;
    }
    return frames.isEmpty() ? nullptr : frames.first();
}

template <typename Frame>
QList<const Frame *> FramesOf(const TagLib::ID3v2::Tag &tag, const char *id)
{
    QList<const Frame *> frames;
    for (const TagLib::ID3v2::Frame *frame : tag.frameList(id)) {
        if (const auto *typed = dynamic_cast<const Frame *>(frame))
            frames.append(typed);
    }
    return frames;
}

std::optional<EmbeddedPicture> Id3v2Picture(const TagLib::ID3v2::Tag &tag)
{
    using TagLib::ID3v2::AttachedPictureFrame;
    const QList<const AttachedPictureFrame *> frames = FramesOf<AttachedPictureFrame>(tag, "APIC");
    // Front covers first, then the others, each group in tag order.
    QList<const AttachedPictureFrame *> ordered;
    for (const AttachedPictureFrame *frame : frames) {
        if (frame->type() == AttachedPictureFrame::FrontCover)
            ordered.append(frame);
    }
    for (const AttachedPictureFrame *frame : frames) {
        if (frame->type() != AttachedPictureFrame::FrontCover)
            ordered.append(frame);
    }
    for (qsizetype i = 0; i < ordered.size() && i < kMaxPictureTries; ++i) {
        const TagLib::ByteVector data = ordered[i]->picture();
        if (data.isEmpty() || qsizetype(data.size()) > MaxEmbeddedPictureBytes)
            continue;
        const QString type = QString::fromLatin1(ordered[i]->mimeType().toCString());
        if (auto picture = UsablePicture(QByteArray(data.data(), int(data.size())), type))
            return picture;
    }
    return std::nullopt;
}

QString Id3v2Lyrics(const TagLib::ID3v2::Tag &tag)
{
    using TagLib::ID3v2::SynchronizedLyricsFrame;
    using TagLib::ID3v2::UnsynchronizedLyricsFrame;
    const QStringList languages = LocaleLyricsLanguages();
    if (const auto *frame = PreferLanguage(FramesOf<UnsynchronizedLyricsFrame>(tag, "USLT"), languages)) {
        const QString text = LyricsLines(FrameText(frame->text(), frame->textEncoding()));
        if (!text.isEmpty())
            return text;
    }
    QList<const SynchronizedLyricsFrame *> timed;
    for (const SynchronizedLyricsFrame *frame : FramesOf<SynchronizedLyricsFrame>(tag, "SYLT")) {
        if (frame->timestampFormat() == SynchronizedLyricsFrame::AbsoluteMilliseconds)
            timed.append(frame);
    }
    const SynchronizedLyricsFrame *frame = PreferLanguage(timed, languages);
    if (!frame)
        return {};
    QList<SyncedText> pieces;
    for (const SynchronizedLyricsFrame::SynchedText &piece : frame->synchedText())
        pieces.append({piece.time, FrameText(piece.text, frame->textEncoding())});
    return LyricsLines(SyncedLyricsToLrc(pieces));
}

// A TagLib file that reads nothing by itself; the ID3v2 tag class reads the
// tag at the start of the file through it.
class RawTagFile : public TagLib::File
{
public:
    explicit RawTagFile(TagLib::IOStream *stream) : TagLib::File(stream) {}
    TagLib::Tag *tag() const override { return nullptr; }
    TagLib::AudioProperties *audioProperties() const override { return nullptr; }
    bool save() override { return false; }
};

// The size of the ID3v2 tag at the start of the file, header included, or 0.
qint64 LeadingId3v2Size(const QByteArray &head)
{
    if (head.size() < 10 || !head.startsWith("ID3"))
        return 0;
    qint64 size = 0;
    for (int i = 6; i < 10; ++i) {
        const uchar byte = uchar(head.at(i));
        if (byte & 0x80)
            return 0;
        size = size << 7 | byte;
    }
    return size + 10;
}

SongExtras ReadId3v2Extras(const QString &path, const QByteArray &head, bool wantPicture, bool wantLyrics)
{
    SongExtras extras;
    const qint64 tagSize = LeadingId3v2Size(head);
    if (tagSize == 0 || tagSize > kMaxTagBytes)
        return extras;
    const QByteArray name = QFile::encodeName(path);
    TagLib::FileStream stream(name.constData(), true);
    if (!stream.isOpen())
        return extras;
    RawTagFile file(&stream);
    const TagLib::ID3v2::Tag tag(&file, 0, FlatFrameFactory::Instance());
    if (wantPicture)
        extras.picture = Id3v2Picture(tag);
    if (wantLyrics)
        extras.lyrics = Id3v2Lyrics(tag);
    return extras;
}

QString CoverArtType(TagLib::MP4::CoverArt::Format format)
{
    switch (format) {
    case TagLib::MP4::CoverArt::JPEG: return QStringLiteral("image/jpeg");
    case TagLib::MP4::CoverArt::PNG: return QStringLiteral("image/png");
    case TagLib::MP4::CoverArt::BMP: return QStringLiteral("image/bmp");
    case TagLib::MP4::CoverArt::GIF: return QStringLiteral("image/gif");
    case TagLib::MP4::CoverArt::Unknown: break;
    }
    return {};
}

SongExtras ReadMp4Extras(const QString &path, bool wantPicture, bool wantLyrics)
{
    SongExtras extras;
    {
        QFile in(path);
        if (!in.open(QIODevice::ReadOnly) || in.size() <= 0)
            return extras;
        const uchar *data = in.map(0, in.size());
        if (!data || !Mp4NestingIsSafe(data, in.size()))
            return extras;
    }
    const QByteArray name = QFile::encodeName(path);
    TagLib::FileStream stream(name.constData(), true);
    if (!stream.isOpen())
        return extras;
    TagLib::MP4::File file(&stream, false);
    const TagLib::MP4::Tag *tag = file.isValid() ? file.tag() : nullptr;
    if (!tag)
        return extras;
    if (wantPicture && tag->contains("covr")) {
        const TagLib::MP4::CoverArtList covers = tag->item("covr").toCoverArtList();
        if (!covers.isEmpty()) {
            const TagLib::ByteVector data = covers.front().data();
            if (qsizetype(data.size()) <= MaxEmbeddedPictureBytes)
                extras.picture = UsablePicture(QByteArray(data.data(), int(data.size())),
                                               CoverArtType(covers.front().format()));
        }
    }
    if (wantLyrics && tag->contains("\251lyr")) {
        const TagLib::StringList texts = tag->item("\251lyr").toStringList();
        QStringList lines;
        for (const TagLib::String &text : texts)
            lines.append(CutAtZero(QString::fromUtf8(text.toCString(true))));
        extras.lyrics = LyricsLines(lines.join(QLatin1Char('\n')));
    }
    return extras;
}

} // namespace

QStringList LocaleLyricsLanguages()
{
    const QLocale::Language language = QLocale(CurrentLocale().name).language();
    if (language == QLocale::C || language == QLocale::AnyLanguage)
        return {};
    QStringList codes;
    for (const QLocale::LanguageCodeType type : {QLocale::ISO639Part2B, QLocale::ISO639Part2T}) {
        const QString code = QLocale::languageToCode(language, type);
        if (!code.isEmpty() && !codes.contains(code))
            codes.append(code);
    }
    return codes;
}

SongExtras ReadSongExtras(const QString &path, bool wantPicture, bool wantLyrics)
{
    if (!wantPicture && !wantLyrics)
        return {};
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray head = file.peek(10);
    file.close();
    // MP4 files begin with an "ftyp" atom whatever their extension says.
    if (head.size() >= 8 && head.mid(4, 4) == "ftyp")
        return ReadMp4Extras(path, wantPicture, wantLyrics);
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("mp3") || suffix == QLatin1String("aac"))
        return ReadId3v2Extras(path, head, wantPicture, wantLyrics);
    if (suffix == QLatin1String("m4a"))
        return ReadMp4Extras(path, wantPicture, wantLyrics);
    return {};
}
