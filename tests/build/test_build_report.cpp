#include "support/test_folders.h"

#include "build/build_report.h"

#include "album/album_globals.h"
#include "album/in_memory_album_list.h"
#include "platform/app_error.h"

#include <gtest/gtest.h>

namespace {
struct Song
{
    const char *title;
    const char *singer;
    const char *source;
};

struct ReportCase
{
    std::vector<Song> songs;
    std::vector<const char *> lines;
};

void Fill(InMemoryAlbumList &list, const std::vector<Song> &songs)
{
    for (const Song &song : songs) {
        TOrbData &record = list.Record(list.InsertAfter(nullptr));
        record.SongName = QString::fromUtf8(song.title);
        record.Singer = QString::fromUtf8(song.singer);
        record.SourceFile = QString::fromUtf8(song.source);
    }
}

class ReportLinesTest : public ::testing::TestWithParam<ReportCase> {};

TEST_P(ReportLinesTest, NumberedTitleAndSinger)
{
    InMemoryAlbumList list;
    Fill(list, GetParam().songs);
    QStringList expected;
    for (const char *line : GetParam().lines)
        expected << QString::fromUtf8(line);
    EXPECT_EQ(ReportSongLines(list), expected);
}

INSTANTIATE_TEST_SUITE_P(Songs, ReportLinesTest, ::testing::Values(
    ReportCase{{{"Morning", "Anon", "/m/a.mp3"}}, {"1. Morning-Anon"}},
    ReportCase{{{"x", "", "/m/a.mp3"}, {"", "", "/m/Track 07.mp3"}}, {"1. x", "2. Track 07"}},
    ReportCase{{{"Morning-Anon", "Anon", "/m/a.mp3"}}, {"1. Morning-Anon"}},
    ReportCase{{{"Anon Live", "Anon", "/m/a.mp3"}}, {"1. Anon Live-Anon"}},
    ReportCase{{{" \t", " S\r\n", "/m/v1.2.mp3"}}, {"1. v1.2-S"}},
    ReportCase{{{"  晨曲 ", "歌手", "/m/a.mp3"}}, {"1. 晨曲-歌手"}}));

class WriteBuildReportTest : public ::testing::Test
{
protected:
    const QString AlbumName = QStringLiteral("Morning");

    TestAppFolder app;
    InMemoryAlbumList list;
};

TEST_F(WriteBuildReportTest, TemplateThenSongsInTheNativeEncoding)
{
    ScopedLocale locale(QStringLiteral("zh_CN.UTF-8"));
    app.write(QStringLiteral("info.tpl"), "\xEF\xBB\xBF\xE4\xB8\x93\xE8\xBE\x91\r\nsecond\n");
    app.write(QStringLiteral("output/Morning.txt"), "an older and much longer report of the same album");
    Fill(list, {{"晨曲", "歌手", "/m/a.mp3"}});
    WriteBuildReport(AlbumName, list);
    EXPECT_EQ(app.read(QStringLiteral("output/Morning.txt")),
              "\xE4\xB8\x93\xE8\xBE\x91\r\nsecond\r\n1. \xE6\x99\xA8\xE6\x9B\xB2-\xE6\xAD\x8C\xE6\x89\x8B\r\n");
}

TEST_F(WriteBuildReportTest, Utf16TemplateAndNoTemplate)
{
    const QString text = QStringLiteral("Hello\r\n");
    app.write(QStringLiteral("info.tpl"),
              QByteArray("\xFF\xFE") + QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2));
    Fill(list, {{"T", "", "/m/a.mp3"}});
    WriteBuildReport(AlbumName, list);
    EXPECT_EQ(app.read(QStringLiteral("output/Morning.txt")), "Hello\r\n1. T\r\n");

    app.remove(QStringLiteral("info.tpl"));
    WriteBuildReport(AlbumName, list);
    EXPECT_EQ(app.read(QStringLiteral("output/Morning.txt")), "1. T\r\n");
}

TEST_F(WriteBuildReportTest, MissingOutputFolderRaisesTheCreateError)
{
    app.remove(QStringLiteral("output"));
    Fill(list, {{"T", "", "/m/a.mp3"}});
    try {
        WriteBuildReport(AlbumName, list);
        FAIL() << "no error";
    } catch (const AppError &error) {
        EXPECT_EQ(error.message(), QStringLiteral("Cannot create file \"%1\". No such file or directory")
                                       .arg(app.file(QStringLiteral("output/Morning.txt"))));
    }
}
} // namespace
