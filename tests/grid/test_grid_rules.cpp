#include "album/song_grid_rules.h"

#include "support/qt_printers.h"

#include <QFont>
#include <QFontMetrics>

#include <gtest/gtest.h>

namespace {

TOrbData Song()
{
    TOrbData song;
    song.SongName = QStringLiteral("Name");
    song.Singer = QStringLiteral("Singer");
    song.Duration = QStringLiteral("3分");
    song.SizeText = QStringLiteral("4.20M");
    song.SourceFile = QStringLiteral("/music/a.mp3");
    song.PictureFile = QStringLiteral("/music/a.jpg");
    song.LyricsText = QStringLiteral("Hello\r\nWorld\r\n");
    return song;
}

TEST(GridCellText, CutsTheLyricsPreviewAtTheFirstLineOrTwentyCharacters)
{
    const QString thirty = QStringLiteral("一二三四五六七八九十一二三四五六七八九十abcdefghij");
    EXPECT_EQ(LyricsPreview(QStringLiteral("Hello\r\nWorld")), QStringLiteral("Hello"));
    EXPECT_EQ(LyricsPreview(thirty + QStringLiteral("\r\nnext")), thirty.left(20));
    EXPECT_EQ(LyricsPreview(thirty), thirty.left(20));
    EXPECT_EQ(LyricsPreview(QStringLiteral("\r\nHello")), QString());
    EXPECT_EQ(LyricsPreview(QStringLiteral("a\nb")), QStringLiteral("a\nb")); // only CR ends it
    EXPECT_EQ(LyricsPreview(QString()), QString());
}

TEST(GridThumbnail, NeedsBothPictureAndThumbnail)
{
    TOrbData song = Song();
    EXPECT_FALSE(ShowsThumbnail(song));
    song.Thumbnail = std::make_unique<QImage>(40, 30, QImage::Format_RGB32);
    EXPECT_TRUE(ShowsThumbnail(song));
    song.PictureFile.clear();
    EXPECT_FALSE(ShowsThumbnail(song));
}

class GridWidths : public ::testing::Test
{
protected:
    GridWidths() : m_metrics(Font()) {}
    static QFont Font()
    {
        QFont font(QStringLiteral("Tahoma"));
        font.setPointSize(8);
        return font;
    }
    int Width(const QString &text) const { return m_metrics.horizontalAdvance(text); }

    QFontMetrics m_metrics;
};

TEST_F(GridWidths, ReportsTheContentWidthOfEachColumn)
{
    TOrbData song = Song();
    EXPECT_EQ(VDT1GetNodeWidth(song, ColumnNumber, m_metrics), Width(QStringLiteral("100")) + 8);
    EXPECT_EQ(VDT1GetNodeWidth(song, ColumnName, m_metrics), Width(song.SongName) + 8);
    EXPECT_EQ(VDT1GetNodeWidth(song, ColumnFile, m_metrics), Width(song.SourceFile) + 8);
    EXPECT_EQ(VDT1GetNodeWidth(song, ColumnPicture, m_metrics), 8);
    EXPECT_EQ(VDT1GetNodeWidth(song, ColumnLyrics, m_metrics), 8);
    song.Thumbnail = std::make_unique<QImage>(53, 80, QImage::Format_RGB32);
    song.PictureFile.clear(); // the thumbnail still counts
    EXPECT_EQ(VDT1GetNodeWidth(song, ColumnPicture, m_metrics), 53);
}

TEST_F(GridWidths, ShortensToTheLongestBeginningThatFitsWithEllipsis)
{
    const QString text = QStringLiteral("A rather long song name that never fits & more 长长的歌名");
    for (int available : {147, 100, 60, 31, 25}) {
        SCOPED_TRACE(available);
        const QString shortened = ShortenText(text, available, m_metrics);
        ASSERT_TRUE(shortened.endsWith(QStringLiteral("...")));
        const qsizetype kept = shortened.size() - 3;
        EXPECT_EQ(shortened.left(kept), text.left(kept));
        EXPECT_LE(Width(shortened.left(kept)) + Width(QStringLiteral("...")), available);
        EXPECT_GT(Width(text.left(kept + 1)) + Width(QStringLiteral("...")), available);
    }
    EXPECT_EQ(ShortenText(text, Width(QStringLiteral("...")), m_metrics), QStringLiteral("..."));
    EXPECT_EQ(ShortenText(text, Width(QStringLiteral("...")) - 1, m_metrics), QString());
}

TEST_F(GridWidths, NeverCutsASurrogatePair)
{
    const QString text = QStringLiteral("ab\U0001F3B5\U0001F3B5\U0001F3B5cd");
    for (int available = 0; available < Width(text) + 10; ++available) {
        const QString shortened = ShortenText(text, available, m_metrics);
        for (qsizetype i = 0; i < shortened.size(); ++i) {
            if (shortened.at(i).isHighSurrogate()) {
                ASSERT_TRUE(i + 1 < shortened.size() && shortened.at(i + 1).isLowSurrogate()) << available;
            }
        }
    }
}

TEST_F(GridWidths, ShortensOnlyWhatTheClaimedWidthSaysDoesNotFit)
{
    const QString text = QStringLiteral("Rock & Roll");
    const int claimed = Width(text) + 2 * GridTextMargin;
    EXPECT_EQ(FittedText(text, claimed, Width(text), m_metrics), text);
    EXPECT_NE(FittedText(text, claimed, Width(text) - 1, m_metrics), text);
    // Column 0 claims the width of "100" whatever its number.
    const int numberClaim = Width(QStringLiteral("100")) + 2 * GridTextMargin;
    EXPECT_EQ(FittedText(QStringLiteral("7"), numberClaim, Width(QStringLiteral("100")), m_metrics),
              QStringLiteral("7"));
    EXPECT_EQ(FittedText(QStringLiteral("7"), numberClaim, Width(QStringLiteral("100")) - 1, m_metrics),
              ShortenText(QStringLiteral("7"), Width(QStringLiteral("100")) - 1, m_metrics));
}

TEST_F(GridWidths, FitsAColumnSoThatItsWidestTextIsNotShortened)
{
    for (int column : {int(ColumnNumber), int(ColumnName), int(ColumnFile)}) {
        const int claimed = Width(QStringLiteral("some file name.mp3")) + 2 * GridTextMargin;
        const QRect cell(0, 0, FitColumnWidth(column, claimed), 32);
        const int available = TextRect(ContentRect(cell, column)).width();
        EXPECT_FALSE(claimed - 2 * GridMargin > available) << column;
        const QRect narrower(0, 0, cell.width() - 1, 32);
        EXPECT_TRUE(claimed - 2 * GridMargin > TextRect(ContentRect(narrower, column)).width());
    }
}

} // namespace
