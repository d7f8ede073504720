#include "tag_fixtures.h"

#include "media/song_format.h"
#include "media/song_names.h"
#include "intake/song_reading.h"
#include "support/test_folders.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>

namespace {

struct DurationCase
{
    qint32 seconds;
    const char *text;
};

void PrintTo(const DurationCase &c, std::ostream *out)
{
    *out << c.seconds;
}

class FormatsDuration : public ::testing::TestWithParam<DurationCase>
{
};

TEST_P(FormatsDuration, AsHoursMinutesSeconds)
{
    EXPECT_EQ(FormatDurationText(GetParam().seconds), QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FormatsDuration,
    ::testing::Values(DurationCase{std::numeric_limits<qint32>::min(), ""}, DurationCase{-5, ""},
                      DurationCase{0, ""}, DurationCase{1, "1秒"}, DurationCase{59, "59秒"},
                      DurationCase{60, "1分"}, DurationCase{61, "1分1秒"},
                      DurationCase{3599, "59分59秒"}, DurationCase{3600, "1小时"},
                      DurationCase{3601, "1小时1秒"}, DurationCase{3660, "1小时1分"},
                      DurationCase{3725, "1小时2分5秒"},
                      DurationCase{std::numeric_limits<qint32>::max(), "596523小时14分7秒"}));

struct SizeCase
{
    qint64 bytes;
    const char *chinese; // "," and "." as separators
    const char *german;  // "." and "," as separators
};

void PrintTo(const SizeCase &c, std::ostream *out)
{
    *out << c.bytes;
}

class FormatsSize : public ::testing::TestWithParam<SizeCase>
{
};

TEST_P(FormatsSize, WithTheLocaleSeparators)
{
    const SizeCase &c = GetParam();
    {
        ScopedLocale chinese(QStringLiteral("zh_CN.UTF-8"));
        EXPECT_EQ(FormatSizeText(c.bytes), QString::fromUtf8(c.chinese));
    }
    ScopedLocale german(QStringLiteral("de_DE.UTF-8"));
    EXPECT_EQ(FormatSizeText(c.bytes), QString::fromUtf8(c.german));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FormatsSize,
    ::testing::Values(SizeCase{0, "0B", "0B"}, SizeCase{7, "7B", "7B"},
                      SizeCase{999, "999B", "999B"}, SizeCase{1024, "1,024B", "1.024B"},
                      SizeCase{1025, "1K", "1K"}, SizeCase{1535, "1K", "1K"},
                      SizeCase{1536, "2K", "2K"}, // half rounds away from zero
                      SizeCase{10240, "10K", "10K"}, SizeCase{1048576, "1,024K", "1.024K"},
                      SizeCase{1048577, "1.00M", "1,00M"},
                      SizeCase{1179648, "1.13M", "1,13M"}, // exactly 1.125
                      SizeCase{5347737, "5.10M", "5,10M"},
                      SizeCase{1073741824, "1,024.00M", "1.024,00M"},
                      SizeCase{1073741825, "1.00G", "1,00G"},
                      SizeCase{3221225477LL, "3.00G", "3,00G"},
                      SizeCase{1099511627776LL * 1024, "1,048,576.00G", "1.048.576,00G"},
                      SizeCase{-5, "-5B", "-5B"}));

struct NamesCase
{
    const char *path;
    const char *title;  // in: the tag
    const char *singer; // in: the tag
    const char *expectedTitle;
    const char *expectedSinger;
};

void PrintTo(const NamesCase &c, std::ostream *out)
{
    *out << c.path << " [" << c.title << "|" << c.singer << "]";
}

class TakesNamesFromFileName : public ::testing::TestWithParam<NamesCase>
{
};

TEST_P(TakesNamesFromFileName, FillingOnlyEmptyValues)
{
    const NamesCase &c = GetParam();
    QString title = QString::fromUtf8(c.title);
    QString singer = QString::fromUtf8(c.singer);
    NamesFromFileName(QString::fromUtf8(c.path), title, singer);
    EXPECT_EQ(title, QString::fromUtf8(c.expectedTitle));
    EXPECT_EQ(singer, QString::fromUtf8(c.expectedSinger));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, TakesNamesFromFileName,
    ::testing::Values(NamesCase{"/m/Song-Band.mp3", "", "", "Song", "Band"},
                      NamesCase{"/m/A-B_C.mp3", "", "", "A-B", "C"},
                      NamesCase{"/m/Song - Band.mp3", "", "", "Song ", " Band"},
                      NamesCase{"/m/Song.mp3", "", "", "", "Song"},
                      NamesCase{"/m/Song-Band.mp3", "Tag", "", "Tag", "Band"},
                      NamesCase{"/m/Song-Band.mp3", "", "Tagged", "Song", "Tagged"},
                      NamesCase{"/m/Song-Band.mp3", "T", "S", "T", "S"},
                      NamesCase{"/m/-Band.mp3", "", "", "", "Band"},
                      NamesCase{"/m/Song-.mp3", "", "", "Song", ""},
                      NamesCase{"/my-folder/Song.mp3", "", "", "", "Song"},
                      NamesCase{"/m/v1.2-Band", "", "", "v1.2", ""},
                      NamesCase{"/m/歌名_歌手.m4a", "", "", "歌名", "歌手"},
                      NamesCase{"/m/NoExtension", "", "", "", "NoExtension"}));

TEST(ChangeFileExt, ReplacesOnlyTheNamesExtension)
{
    EXPECT_EQ(ChangeFileExt(QStringLiteral("/m/a.mp3"), QStringLiteral(".jpg")), QStringLiteral("/m/a.jpg"));
    EXPECT_EQ(ChangeFileExt(QStringLiteral("/m/a.b.mp3"), QStringLiteral(".lrc")), QStringLiteral("/m/a.b.lrc"));
    EXPECT_EQ(ChangeFileExt(QStringLiteral("/m.d/a"), QStringLiteral(".txt")), QStringLiteral("/m.d/a.txt"));
}

class Companions : public ::testing::Test
{
protected:
    QString Touch(const QString &name)
    {
        QFile file(m_dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        return file.fileName();
    }
    QString Song() const { return m_dir.filePath(QStringLiteral("a.mp3")); }

    QTemporaryDir m_dir;
};

TEST_F(Companions, TakesTheFirstExtensionInOrder)
{
    EXPECT_TRUE(FindCompanionFile(Song(), CompanionKind::Picture).isEmpty());
    EXPECT_TRUE(FindCompanionFile(Song(), CompanionKind::Lyrics).isEmpty());
    Touch(QStringLiteral("a.gif"));
    EXPECT_EQ(FindCompanionFile(Song(), CompanionKind::Picture), m_dir.filePath(QStringLiteral("a.gif")));
    Touch(QStringLiteral("a.png"));
    EXPECT_EQ(FindCompanionFile(Song(), CompanionKind::Picture), m_dir.filePath(QStringLiteral("a.png")));
    const QString jpg = Touch(QStringLiteral("a.jpg"));
    EXPECT_EQ(FindCompanionFile(Song(), CompanionKind::Picture), jpg);

    Touch(QStringLiteral("a.lrc"));
    EXPECT_EQ(FindCompanionFile(Song(), CompanionKind::Lyrics), m_dir.filePath(QStringLiteral("a.lrc")));
    const QString txt = Touch(QStringLiteral("a.txt"));
    EXPECT_EQ(FindCompanionFile(Song(), CompanionKind::Lyrics), txt);
}

TEST_F(Companions, FollowsTheFileSystemsLetterCaseAndSkipsFolders)
{
    Touch(QStringLiteral("a.JPG"));
    Touch(QStringLiteral("A.png"));
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("a.txt")));
    EXPECT_TRUE(FindCompanionFile(Song(), CompanionKind::Picture).isEmpty());
    EXPECT_TRUE(FindCompanionFile(Song(), CompanionKind::Lyrics).isEmpty());
    EXPECT_EQ(FindCompanionFile(m_dir.filePath(QStringLiteral("A.mp3")), CompanionKind::Picture),
              m_dir.filePath(QStringLiteral("A.png")));
}

} // namespace
