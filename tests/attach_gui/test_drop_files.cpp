#include "attach_gui/attach_fixture.h"

#include "app/song_grid.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>

namespace {

TEST_F(AttachTest, ASongItsPictureAndOtherLyricsDroppedTogether)
{
    const QString song = Song(QStringLiteral("x.mp3"));
    const QString picture = Picture(QStringLiteral("x.jpg"));
    const QString lyrics = TextFile(QStringLiteral("y.lrc"), "y words\n");
    ASSERT_TRUE(QDir(m_files.path()).mkdir(QStringLiteral("folder.mp3")));

    EXPECT_TRUE(DropFiles({File(QStringLiteral("folder.mp3")), lyrics, picture, song}));

    // The song found x.jpg beside it; the dropped x.jpg then found no free
    // row; y.lrc went to the song; the folder was ignored.
    ASSERT_EQ(Grid().Count(), 1);
    const TOrbData &added = Grid().RowAt(0)->Data;
    EXPECT_EQ(added.SourceFile, song);
    EXPECT_EQ(added.PictureFile, picture);
    EXPECT_TRUE(added.Thumbnail);
    EXPECT_EQ(added.LyricsText, QStringLiteral("y words\r\n"));
}

TEST_F(AttachTest, DroppedFoldersAndOtherFilesAddNothing)
{
    const QString folder = File(QStringLiteral("album"));
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString other = TextFile(QStringLiteral("readme.md"), "hello");
    DropFiles({folder, other});
    EXPECT_EQ(Grid().Count(), 0);
}

TEST_F(AttachTest, TwoThousandDroppedFilesFillWhatTheyCanAndKeepTheList)
{
    AddSong(QStringLiteral("kept 1"), QString(), QStringLiteral("own lyrics\r\n"));
    AddSong(QStringLiteral("kept 2"));
    const QString picture = Picture(QStringLiteral("source.jpg"));
    QStringList dropped;
    for (int i = 0; i < 100; ++i)
        dropped.append(Song(QStringLiteral("song%1.mp3").arg(i, 3, 10, QLatin1Char('0'))));
    for (int i = 0; i < 950; ++i) {
        const QString copy = File(QStringLiteral("pic%1.jpg").arg(i, 3, 10, QLatin1Char('0')));
        ASSERT_TRUE(QFile::copy(picture, copy));
        dropped.append(copy);
        dropped.append(TextFile(QStringLiteral("words%1.lrc").arg(i, 3, 10, QLatin1Char('0')), "la\n"));
    }
    ASSERT_EQ(dropped.size(), 2000);

    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(DropFiles(dropped));
    const qint64 elapsed = clock.elapsed();
    RecordProperty("drop_ms", int(elapsed));

    ASSERT_EQ(Grid().Count(), 102);
    EXPECT_EQ(Grid().RowAt(0)->Data.SongName, QStringLiteral("kept 1"));
    EXPECT_EQ(Grid().RowAt(0)->Data.LyricsText, QStringLiteral("own lyrics\r\n"));
    EXPECT_EQ(Grid().RowAt(1)->Data.SongName, QStringLiteral("kept 2"));
    const QStringList pictures = Pictures();
    EXPECT_EQ(pictures.first(), QStringLiteral("pic000.jpg"));
    EXPECT_EQ(pictures.last(), QStringLiteral("pic101.jpg"));
    const QStringList lyrics = Lyrics();
    EXPECT_EQ(lyrics.count(QStringLiteral("la\r\n")), 101);
    EXPECT_EQ(Grid().UpdateDepth(), 0);

    // The window stays usable: a title can be edited at once.
    Grid().scrollToBottom();
    ClickCell(101, 1);
    QTest::keyClicks(Window().EditGrid, QStringLiteral("!"));
    QTest::keyClick(Window().EditGrid, Qt::Key_Return);
    EXPECT_TRUE(Grid().RowAt(101)->Data.SongName.endsWith(u'!'));
}

TEST_F(AttachTest, FilesThatVanishBeforeTheyAreReadLoseNothing)
{
    AddSong(QStringLiteral("kept"), Picture(QStringLiteral("kept.png")));
    const QStringList dropped = {Song(QStringLiteral("gone.mp3")), Picture(QStringLiteral("gone.jpg")),
                                 TextFile(QStringLiteral("gone.lrc"), "words\n")};
    for (const QString &path : dropped)
        ASSERT_TRUE(QFile::remove(path));

    QStringList errors;
    ModalAnswers answers(CloseErrorBox(&errors));
    EXPECT_TRUE(DropFiles(dropped));

    EXPECT_TRUE(errors.isEmpty());
    // The song is added from its name alone; the picture is refused; the
    // lyrics file uses up the first row without lyrics and leaves it empty.
    ASSERT_EQ(Grid().Count(), 2);
    EXPECT_EQ(Grid().RowAt(0)->Data.SongName, QStringLiteral("kept"));
    EXPECT_EQ(Pictures(), QStringList({QStringLiteral("kept.png"), QString()}));
    EXPECT_EQ(Lyrics(), QStringList({QString(), QString()}));
    EXPECT_EQ(Grid().RowAt(1)->Data.SourceFile, dropped[0]);
}

TEST_F(AttachTest, AnUnreadableLyricsFileShowsTheErrorAndKeepsWhatCameBefore)
{
    AddSong(QStringLiteral("1"));
    AddSong(QStringLiteral("2"));
    AddSong(QStringLiteral("3"));
    const QString song = Song(QStringLiteral("new.mp3"));
    const QString readable = TextFile(QStringLiteral("a.lrc"), "a words\n");
    // Opens, but reading it fails (even for root): the process's own memory
    // at address 0.
    const QString unreadable = File(QStringLiteral("b.lrc"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/proc/self/mem"), unreadable));
    const QString after = TextFile(QStringLiteral("c.lrc"), "c words\n");

    QStringList errors;
    ModalAnswers answers(CloseErrorBox(&errors));
    EXPECT_TRUE(DropFiles({after, unreadable, song, readable}));

    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith(QStringLiteral("Cannot open file \"")));
    EXPECT_TRUE(errors[0].contains(QStringLiteral("b.lrc")));
    EXPECT_EQ(Names().size(), 4);
    EXPECT_EQ(Lyrics(), QStringList({QStringLiteral("a words\r\n"), QString(), QString(), QString()}));
    EXPECT_EQ(Grid().UpdateDepth(), 0);
    EXPECT_TRUE(Grid().isEnabled());
}

} // namespace
