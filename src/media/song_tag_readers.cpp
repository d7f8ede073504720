#include "media/adts_scanner.h"
#include "media/bounded_tag_stream.h"
#include "media/flat_frame_factory.h"
#include "media/mp4_atom_check.h"
#include "media/song_tags.h"

#include "platform/code_page.h"
#include "platform/locale_info.h"

#include <QFile>

#include <algorithm>
#include <memory>

#include <apetag.h>
#include <id3v1tag.h>
#include <id3v2frame.h>
#include <id3v2tag.h>
#include <mp4file.h>
#include <mpegfile.h>
#include <tfilestream.h>
#include <textidentificationframe.h>

namespace {

QString FromTagLib(const TagLib::String &text)
{
    QString result = QString::fromUtf8(text.toCString(true));
    // The text ends at its first zero character, as a C string would.
    const qsizetype zero = result.indexOf(QChar(0));
    if (zero >= 0)
        result.truncate(zero);
    return result;
}

// Text that a tag stores as "Latin-1" is in practice the writer's ANSI code
// page (GBK on Chinese systems); TagLib gives it back byte for byte as Latin-1.
QString FromAnsiTagText(const TagLib::String &latin1)
{
    const TagLib::ByteVector bytes = latin1.data(TagLib::String::Latin1);
    QString result = BytesToText(QByteArray(bytes.data(), int(bytes.size())), AnsiCodePage());
    const qsizetype zero = result.indexOf(QChar(0));
    if (zero >= 0)
        result.truncate(zero);
    return result;
}

QString Id3v2Text(TagLib::ID3v2::Tag *tag, const char *frameId)
{
    if (!tag)
        return {};
    const TagLib::ID3v2::FrameListMap &map = tag->frameListMap();
    const auto found = map.find(frameId);
    if (found == map.end() || found->second.isEmpty())
        return {};
    const TagLib::ID3v2::FrameList &frames = found->second;
    const auto *frame = dynamic_cast<const TagLib::ID3v2::TextIdentificationFrame *>(frames.front());
    if (!frame)
        return FromTagLib(frames.front()->toString());
    if (frame->textEncoding() == TagLib::String::Latin1)
        return FromAnsiTagText(frame->toString());
    return FromTagLib(frame->toString());
}

enum class Field { Title, Artist, Album };

const char *Id3v2FrameOf(Field field)
{
    switch (field) {
    case Field::Title: return "TIT2";
    case Field::Artist: return "TPE1";
    case Field::Album: return "TALB";
    }
    return "";
}

TagLib::String TagField(const TagLib::Tag *tag, Field field)
{
    if (!tag)
        return {};
    switch (field) {
    case Field::Title: return tag->title();
    case Field::Artist: return tag->artist();
    case Field::Album: return tag->album();
    }
    return {};
}

// The first tag that has the field wins: ID3v2, then APE, then ID3v1.
QString UnionField(TagLib::ID3v2::Tag *id3v2, TagLib::APE::Tag *ape, TagLib::ID3v1::Tag *id3v1,
                   Field field)
{
    QString text = Id3v2Text(id3v2, Id3v2FrameOf(field));
    if (text.isEmpty() && ape)
        text = FromTagLib(TagField(ape, field));
    if (text.isEmpty() && id3v1)
        text = FromAnsiTagText(TagField(id3v1, field));
    return text;
}

// A TagLib file that reads nothing by itself; it lets the ID3 tag classes
// read a raw AAC file at the offsets we found.
class RawTagFile : public TagLib::File
{
public:
    explicit RawTagFile(TagLib::IOStream *stream) : TagLib::File(stream) {}
    TagLib::Tag *tag() const override { return nullptr; }
    TagLib::AudioProperties *audioProperties() const override { return nullptr; }
    bool save() override { return false; }
};

TagLib::FileName NativeName(const QByteArray &encoded)
{
    return encoded.constData();
}

} // namespace

SongTags ReadMpegSong(const QString &path)
{
    SongTags song;
    const QByteArray name = QFile::encodeName(path);
    TagLib::FileStream stream(NativeName(name), true);
    if (!stream.isOpen())
        return song;
    // TagLib reads the tags and the audio near the start and the end only.
    BoundedTagStream bounded(stream);
    TagLib::MPEG::File file(&bounded, FlatFrameFactory::Instance(), true,
                            TagLib::AudioProperties::Average);
    if (!file.isValid())
        return song;
    TagLib::ID3v2::Tag *id3v2 = file.hasID3v2Tag() ? file.ID3v2Tag() : nullptr;
    TagLib::APE::Tag *ape = file.hasAPETag() ? file.APETag() : nullptr;
    TagLib::ID3v1::Tag *id3v1 = file.hasID3v1Tag() ? file.ID3v1Tag() : nullptr;
    song.title = UnionField(id3v2, ape, id3v1, Field::Title);
    song.artist = UnionField(id3v2, ape, id3v1, Field::Artist);
    song.album = UnionField(id3v2, ape, id3v1, Field::Album);
    if (const TagLib::AudioProperties *properties = file.audioProperties())
        song.seconds = std::max(0, properties->lengthInMilliseconds()) / 1000.0;
    return song;
}

SongTags ReadMp4Song(const QString &path)
{
    SongTags song;
    {
        QFile in(path);
        if (!in.open(QIODevice::ReadOnly))
            return song;
        const qint64 size = in.size();
        const uchar *data = size > 0 ? in.map(0, size) : nullptr;
        if (size > 0 && !data)
            return song;
        if (!Mp4NestingIsSafe(data, size))
            return song;
    }
    const QByteArray name = QFile::encodeName(path);
    TagLib::FileStream stream(NativeName(name), true);
    if (!stream.isOpen())
        return song;
    TagLib::MP4::File file(&stream, true, TagLib::AudioProperties::Average);
    if (!file.isValid())
        return song;
    if (const TagLib::Tag *tag = file.tag()) {
        song.title = FromTagLib(tag->title());
        song.artist = FromTagLib(tag->artist());
        song.album = FromTagLib(tag->album());
    }
    if (const TagLib::AudioProperties *properties = file.audioProperties())
        song.seconds = std::max(0, properties->lengthInMilliseconds()) / 1000.0;
    return song;
}

SongTags ReadAdtsSong(const QString &path)
{
    SongTags song;
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly) || in.size() <= 0)
        return song;
    const qint64 size = in.size();
    const uchar *data = in.map(0, size);
    QByteArray copy;
    if (!data) {
        copy = in.readAll();
        data = reinterpret_cast<const uchar *>(copy.constData());
    }

    const qint64 tagsLength = Id3v2TagsLength(data, size);
    song.seconds = ScanAdts(data, size, tagsLength).Seconds();

    const bool hasId3v2 = tagsLength > 0;
    const bool hasId3v1 = size >= 128 && data[size - 128] == 'T' && data[size - 127] == 'A'
        && data[size - 126] == 'G';
    if (!hasId3v2 && !hasId3v1)
        return song;

    const QByteArray name = QFile::encodeName(path);
    TagLib::FileStream stream(NativeName(name), true);
    if (!stream.isOpen())
        return song;
    RawTagFile file(&stream);
    std::unique_ptr<TagLib::ID3v2::Tag> id3v2;
    std::unique_ptr<TagLib::ID3v1::Tag> id3v1;
    if (hasId3v2)
        id3v2 = std::make_unique<TagLib::ID3v2::Tag>(&file, 0, FlatFrameFactory::Instance());
    if (hasId3v1)
        id3v1 = std::make_unique<TagLib::ID3v1::Tag>(&file, long(size - 128));
    song.title = UnionField(id3v2.get(), nullptr, id3v1.get(), Field::Title);
    song.artist = UnionField(id3v2.get(), nullptr, id3v1.get(), Field::Artist);
    song.album = UnionField(id3v2.get(), nullptr, id3v1.get(), Field::Album);
    return song;
}
