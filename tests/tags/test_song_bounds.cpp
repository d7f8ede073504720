// Files named as songs whose audio, if any, lies far from their tags: the
// reader looks for audio only SongProbeBytes past the tags (and, for MPEG,
// before the end), so such a file reads at once as a song without duration.
#include "tag_fixtures.h"

#include "media/adts_scanner.h"
#include "media/audio_genie3.h"
#include "media/song_tags.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct GapCase
{
    const char *name;
    const char *fixture;
    const char *extension;
    qint64 gap;      // zero bytes put between the tags and the audio
    qint64 tail;     // zero bytes appended
    bool hasDuration;
    const char *title;
};

class AudioAfterAGap : public ::testing::TestWithParam<GapCase> {};

TEST_P(AudioAfterAGap, IsFoundOnlyWithinTheProbe)
{
    const GapCase &c = GetParam();
    QFile fixture(TagFixture(c.fixture));
    ASSERT_TRUE(fixture.open(QIODevice::ReadOnly));
    const QByteArray original = fixture.readAll();
    const qint64 tags =
        Id3v2TagsLength(reinterpret_cast<const uchar *>(original.constData()), original.size());
    QByteArray bytes = original.left(tags) + QByteArray(c.gap, '\0') + original.mid(tags)
        + QByteArray(c.tail, '\0');

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("song") + QLatin1String(c.extension));
    QFile song(path);
    ASSERT_TRUE(song.open(QIODevice::WriteOnly));
    song.write(bytes);
    song.close();

    TAudioGenie3 reader;
    EXPECT_EQ(reader.AnalyzeFile(path), 0);
    EXPECT_EQ(reader.ReadTitle(), QString::fromUtf8(c.title));
    if (c.hasDuration) {
        EXPECT_GE(reader.ReadDuration(), 1.0f);
        EXPECT_LE(reader.ReadDuration(), 1.2f);
    } else {
        EXPECT_EQ(reader.ReadDuration(), 0.0f);
    }
    EXPECT_EQ(reader.ReadFileSize(), bytes.size());
}

constexpr qint64 kInside = SongProbeBytes / 2;
constexpr qint64 kBeyond = SongProbeBytes * 2;

INSTANTIATE_TEST_SUITE_P(Table, AudioAfterAGap, ::testing::Values(
    GapCase{"Mp3GapInside", "tagged_id3v24.mp3", ".mp3", kInside, 0, true, "月亮代表我的心"},
    GapCase{"Mp3GapBeyond", "tagged_id3v24.mp3", ".mp3", kBeyond, 0, false, "月亮代表我的心"},
    GapCase{"Mp3LongJunkTail", "untagged.mp3", ".mp3", 0, 3 * SongProbeBytes, true, ""},
    GapCase{"AacGapInside", "adts_id3.aac", ".aac", kInside, 0, true, "甜蜜蜜"},
    GapCase{"AacGapBeyond", "adts_id3.aac", ".aac", kBeyond, 0, false, "甜蜜蜜"}),
    [](const auto &info) { return std::string(info.param.name); });

class FileOfZeros : public ::testing::TestWithParam<const char *> {};

// 64 MiB without a single frame or atom worth reading: a song with its size
// and nothing else.
TEST_P(FileOfZeros, ReadsAsASongWithoutDuration)
{
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("zeros") + QLatin1String(GetParam())));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(64LL * 1024 * 1024)); // sparse: nothing is written
    file.close();

    TAudioGenie3 reader;
    EXPECT_EQ(reader.AnalyzeFile(file.fileName()), 0);
    EXPECT_EQ(reader.ReadTitle(), QString());
    EXPECT_EQ(reader.ReadArtist(), QString());
    EXPECT_EQ(reader.ReadDuration(), 0.0f);
    EXPECT_EQ(reader.ReadFileSize(), 64LL * 1024 * 1024);
}

INSTANTIATE_TEST_SUITE_P(Extensions, FileOfZeros, ::testing::Values(".mp3", ".m4a", ".aac"),
                         [](const auto &info) { return std::string(info.param + 1); });

} // namespace
