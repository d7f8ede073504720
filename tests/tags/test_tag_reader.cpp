#include "tag_fixtures.h"

#include "media/adts_scanner.h"
#include "media/audio_genie3.h"
#include "media/mp4_atom_check.h"
#include "support/test_folders.h"

#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <vector>

namespace {

struct ReadCase
{
    const char *file;
    const char *title;
    const char *artist;
    const char *album;
    double minSeconds;
    double maxSeconds;
};

void PrintTo(const ReadCase &c, std::ostream *out)
{
    *out << c.file;
}

class ReadsFixture : public ::testing::TestWithParam<ReadCase>
{
};

TEST_P(ReadsFixture, TagsDurationAndSize)
{
    const ReadCase &c = GetParam();
    const QString path = TagFixture(c.file);
    TAudioGenie3 reader;
    EXPECT_EQ(reader.AnalyzeFile(path), 0);
    EXPECT_EQ(reader.ReadTitle(), QString::fromUtf8(c.title));
    EXPECT_EQ(reader.ReadArtist(), QString::fromUtf8(c.artist));
    EXPECT_EQ(reader.ReadAlbum(), QString::fromUtf8(c.album));
    EXPECT_GE(reader.ReadDuration(), c.minSeconds);
    EXPECT_LE(reader.ReadDuration(), c.maxSeconds);
    EXPECT_EQ(reader.ReadFileSize(), QFile(path).size());
}

// The sine fixtures last 1 s; encoders pad them to whole frames.
INSTANTIATE_TEST_SUITE_P(
    Formats, ReadsFixture,
    ::testing::Values(
        ReadCase{"tagged_id3v23.mp3", "春天的故事", "董文华", "中国名歌", 1.0, 1.2},
        ReadCase{"tagged_id3v24.mp3", "月亮代表我的心", "邓丽君", "经典老歌", 1.0, 1.2},
        ReadCase{"ape_only.mp3", "爱的代价", "张艾嘉", "APE专辑", 1.0, 1.2},
        ReadCase{"id3v1_only.mp3", "Old Tag", "\xC3\x80\xC3\x8F\xC2\xB8\xC3\xA8\xC3\x8A\xC3\x96",
                 "Archive", 1.0, 1.2},
        ReadCase{"untagged.mp3", "", "", "", 1.0, 1.2},
        ReadCase{"Ignored-Fallback.mp3", "Tagged Title", "", "", 1.0, 1.2},
        ReadCase{"tagged.m4a", "夜来香", "李香兰", "上海老歌", 1.0, 1.2},
        ReadCase{"len_0.9s.m4a", "", "", "", 0.89, 0.91},
        ReadCase{"len_59.99s.m4a", "", "", "", 59.98, 59.995},
        ReadCase{"adts.aac", "", "", "", 1.0, 1.2},
        ReadCase{"adts_id3.aac", "甜蜜蜜", "邓丽君", "甜蜜蜜专辑", 1.0, 1.2}));

// "Latin-1" tag text is the writer's ANSI code page: GBK on a Chinese system.
TEST(TagReader, ReadsLatin1FramesInTheAnsiCodePage)
{
    {
        ScopedLocale chinese(QStringLiteral("zh_CN.UTF-8"));
        TAudioGenie3 reader;
        reader.AnalyzeFile(TagFixture("latin1_frames.mp3"));
        EXPECT_EQ(reader.ReadTitle(), QStringLiteral("茉莉花"));
        EXPECT_EQ(reader.ReadAlbum(), QStringLiteral("民歌"));
        reader.AnalyzeFile(TagFixture("id3v1_only.mp3"));
        EXPECT_EQ(reader.ReadArtist(), QStringLiteral("老歌手"));
    }
    ScopedLocale western(QStringLiteral("de_DE.UTF-8"));
    TAudioGenie3 reader;
    reader.AnalyzeFile(TagFixture("latin1_frames.mp3"));
    EXPECT_EQ(reader.ReadArtist(), QStringLiteral("Café"));
}

TEST(TagReader, ForgetsThePreviousFileOnEachAnalysis)
{
    TAudioGenie3 reader;
    reader.AnalyzeFile(TagFixture("tagged_id3v23.mp3"));
    ASSERT_FALSE(reader.ReadTitle().isEmpty());
    EXPECT_EQ(reader.AnalyzeFile(TagFixture("no_such_file.mp3")), -1);
    EXPECT_TRUE(reader.ReadTitle().isEmpty());
    EXPECT_EQ(reader.ReadDuration(), 0.0f);
    EXPECT_EQ(reader.ReadFileSize(), 0);
}

// Damaged and hostile files: the reader returns what it can read and never
// crashes or hangs.
struct DamagedCase
{
    const char *file;
    const char *title; // what is still readable
};

void PrintTo(const DamagedCase &c, std::ostream *out)
{
    *out << c.file;
}

class ReadsDamagedFile : public ::testing::TestWithParam<DamagedCase>
{
};

TEST_P(ReadsDamagedFile, KeepsWhatIsReadable)
{
    const DamagedCase &c = GetParam();
    const QString path = TagFixture(c.file);
    TAudioGenie3 reader;
    EXPECT_EQ(reader.AnalyzeFile(path), 0);
    EXPECT_EQ(reader.ReadTitle(), QString::fromUtf8(c.title));
    EXPECT_GE(reader.ReadDuration(), 0.0f);
    EXPECT_LT(reader.ReadDuration(), 2.0f);
    EXPECT_EQ(reader.ReadFileSize(), QFile(path).size());
}

INSTANTIATE_TEST_SUITE_P(Files, ReadsDamagedFile,
                         ::testing::Values(DamagedCase{"truncated.mp3", "春天的故事"},
                                           DamagedCase{"truncated_in_tag.mp3", "春天的故事"},
                                           DamagedCase{"id3_size_past_end.mp3", "春天的故事"},
                                           DamagedCase{"truncated.m4a", "夜来香"},
                                           DamagedCase{"loop.m4a", ""}));

class TagReaderFiles : public ::testing::Test
{
protected:
    QString Write(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QTemporaryDir m_dir;
};

QByteArray BigEndian32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

QByteArray Synchsafe(quint32 value)
{
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[3 - i] = char((value >> (7 * i)) & 0x7F);
    return bytes;
}

TEST_F(TagReaderFiles, EmptyFilesAndFoldersReadAsNothing)
{
    TAudioGenie3 reader;
    EXPECT_EQ(reader.AnalyzeFile(Write(QStringLiteral("zero.aac"), {})), 0);
    EXPECT_EQ(reader.ReadDuration(), 0.0f);
    EXPECT_EQ(reader.ReadFileSize(), 0);
    EXPECT_EQ(reader.AnalyzeFile(Write(QStringLiteral("zero.mp3"), {})), 0);
    EXPECT_EQ(reader.AnalyzeFile(Write(QStringLiteral("zero.m4a"), {})), 0);

    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("album.mp3")));
    EXPECT_EQ(reader.AnalyzeFile(m_dir.filePath(QStringLiteral("album.mp3"))), -1);
    EXPECT_TRUE(reader.ReadTitle().isEmpty());
    EXPECT_EQ(reader.ReadFileSize(), 0);
}

TEST_F(TagReaderFiles, ReadsPathsWithSpacesQuotesAndChineseCharacters)
{
    const QString path = CopyFixture("tagged_id3v24.mp3", m_dir.path(),
                                     QStringLiteral("我的 \"最爱\" 'song'.mp3"));
    TAudioGenie3 reader;
    EXPECT_EQ(reader.AnalyzeFile(path), 0);
    EXPECT_EQ(reader.ReadTitle(), QStringLiteral("月亮代表我的心"));
}

TEST_F(TagReaderFiles, ReportsSizesOfTwoGibibytesAndMore)
{
    const QString path = CopyFixture("untagged.mp3", m_dir.path(), QStringLiteral("huge.mp3"));
    const qint64 size = 3LL * 1024 * 1024 * 1024 + 5; // sparse: no disk space is used
    QFile file(path);
    ASSERT_TRUE(file.resize(size));
    TAudioGenie3 reader;
    EXPECT_EQ(reader.AnalyzeFile(path), 0);
    EXPECT_EQ(reader.ReadFileSize(), size);
}

// TagLib follows nested chapter frames and nested MP4 containers by
// recursion; files built to nest them many thousand times deep must not
// exhaust the stack.
TEST_F(TagReaderFiles, SurvivesDeeplyNestedChapterFrames)
{
    // Chapter frames, each holding the next: element id "a", four times,
    // then the embedded frame. Written outside in, sizes worked out first.
    const int depth = 100000;
    const QByteArray chapterFields = QByteArray("a", 2) + QByteArray(8, '\0') + QByteArray(8, '\xFF');
    std::vector<quint32> bodySizes(depth);
    quint32 inner = 0;
    for (int level = depth - 1; level >= 0; --level) {
        bodySizes[size_t(level)] = quint32(chapterFields.size()) + inner;
        inner = 10 + bodySizes[size_t(level)];
    }
    QByteArray frames;
    frames.reserve(qsizetype(inner));
    for (int level = 0; level < depth; ++level)
        frames += "CHAP" + Synchsafe(bodySizes[size_t(level)]) + QByteArray(2, '\0') + chapterFields;
    QByteArray title = QByteArray(1, '\3') + "Outer";
    frames.prepend("TIT2" + Synchsafe(quint32(title.size())) + QByteArray(2, '\0') + title);
    const QByteArray tag = QByteArray("ID3\4\0\0", 6) + Synchsafe(quint32(frames.size())) + frames;
    QFile mp3(TagFixture("untagged.mp3"));
    ASSERT_TRUE(mp3.open(QIODevice::ReadOnly));
    const QString path = Write(QStringLiteral("chapters.mp3"), tag + mp3.readAll());

    TAudioGenie3 reader;
    EXPECT_EQ(reader.AnalyzeFile(path), 0);
    EXPECT_EQ(reader.ReadTitle(), QStringLiteral("Outer"));
    EXPECT_GT(reader.ReadDuration(), 1.0f);
}

TEST_F(TagReaderFiles, SurvivesDeeplyNestedAtoms)
{
    const int depth = 200000;
    QByteArray bytes = BigEndian32(20) + "ftypM4A " + QByteArray(8, '\0');
    for (int level = 0; level < depth; ++level)
        bytes += BigEndian32(quint32(8 * (depth - level))) + "moov";
    const QString path = Write(QStringLiteral("deep.m4a"), bytes);
    TAudioGenie3 reader;
    EXPECT_EQ(reader.AnalyzeFile(path), 0);
    EXPECT_EQ(reader.ReadFileSize(), bytes.size());
    EXPECT_EQ(reader.ReadDuration(), 0.0f);
}

TEST(Mp4AtomCheck, AcceptsRealFilesAndRefusesDeepNesting)
{
    for (const char *name : {"tagged.m4a", "tagged_faststart.m4a", "len_59.99s.m4a", "loop.m4a"}) {
        QFile file(TagFixture(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        EXPECT_TRUE(Mp4NestingIsSafe(reinterpret_cast<const uchar *>(bytes.constData()), bytes.size()))
            << name;
    }
    QByteArray nested;
    for (int level = 0; level < 70; ++level)
        nested += BigEndian32(quint32(8 * (70 - level))) + "udta";
    const auto *data = reinterpret_cast<const uchar *>(nested.constData());
    EXPECT_FALSE(Mp4NestingIsSafe(data, nested.size()));
    EXPECT_TRUE(Mp4NestingIsSafe(data, nested.size(), 80));
}

// ADTS frame headers: sync, layer 0, sample rate index, frame length and
// the number of raw data blocks.
QByteArray AdtsFrame(int rateIndex, int length, int blocks = 1)
{
    QByteArray frame(length, '\0');
    frame[0] = char(0xFF);
    frame[1] = char(0xF1);
    frame[2] = char(0x40 | (rateIndex << 2));
    frame[3] = char(0x80 | ((length >> 11) & 0x03));
    frame[4] = char((length >> 3) & 0xFF);
    frame[5] = char(((length & 0x07) << 5) | 0x1F);
    frame[6] = char(0xFC | (blocks - 1));
    return frame;
}

AdtsSummary Scan(const QByteArray &bytes, qint64 start = 0)
{
    return ScanAdts(reinterpret_cast<const uchar *>(bytes.constData()), bytes.size(), start);
}

TEST(AdtsScanner, CountsSamplesOfCompleteFrames)
{
    QByteArray stream;
    for (int i = 0; i < 10; ++i)
        stream += AdtsFrame(4, 100); // 44100 Hz
    stream += AdtsFrame(4, 50, 3);
    AdtsSummary summary = Scan(stream);
    EXPECT_EQ(summary.frames, 11);
    EXPECT_EQ(summary.samples, 13 * 1024);
    EXPECT_EQ(summary.sampleRate, 44100);
    EXPECT_DOUBLE_EQ(summary.Seconds(), 13 * 1024 / 44100.0);

    // A cut final frame and trailing junk are not counted.
    summary = Scan(stream + AdtsFrame(4, 100).left(60));
    EXPECT_EQ(summary.frames, 11);
    summary = Scan(stream + QByteArray("TAG") + QByteArray(125, 'x'));
    EXPECT_EQ(summary.frames, 11);
    // Junk in front of the first frame is skipped.
    summary = Scan(QByteArray(33, '\x55') + stream);
    EXPECT_EQ(summary.frames, 11);
    EXPECT_EQ(summary.firstFrame, 33);
}

TEST(AdtsScanner, RefusesHeadersThatCannotBeFrames)
{
    EXPECT_EQ(Scan(QByteArray()).frames, 0);
    EXPECT_EQ(Scan(AdtsFrame(4, 100).left(6)).frames, 0);
    EXPECT_EQ(Scan(AdtsFrame(13, 100) + AdtsFrame(13, 100)).frames, 0); // no such rate
    QByteArray tooShort = AdtsFrame(4, 100);
    tooShort[4] = 0; // length 4: shorter than the header
    tooShort[5] = char(0x9F);
    EXPECT_EQ(Scan(tooShort + tooShort).frames, 0);
    EXPECT_EQ(Scan(QByteArray(200000, '\xFF')).frames, 0);
}

TEST(AdtsScanner, MeasuresId3v2TagsInFront)
{
    const QByteArray tag = QByteArray("ID3\3\0\0", 6) + Synchsafe(20) + QByteArray(20, 'x');
    const QByteArray footerTag = QByteArray("ID3\4\0\x10", 6) + Synchsafe(5) + QByteArray(15, 'y');
    const QByteArray both = tag + footerTag;
    const auto *data = reinterpret_cast<const uchar *>(both.constData());
    EXPECT_EQ(Id3v2TagsLength(data, both.size()), 30 + 25);
    EXPECT_EQ(Id3v2TagsLength(data, 9), 0);
    QByteArray broken = tag;
    broken[6] = char(0x80); // not synchsafe
    EXPECT_EQ(Id3v2TagsLength(reinterpret_cast<const uchar *>(broken.constData()), broken.size()), 0);
}

} // namespace
