// The album window's open and save commands, its title and its question.
#include "editing/window_fixture.h"

#include "album/album_document.h"
#include "platform/user_cache_folder.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTemporaryDir>

namespace {

QList<AlbumSong> Songs(const SongGrid &grid)
{
    QList<AlbumSong> songs;
    for (AlbumRow *row = grid.First(); row; row = grid.Next(row))
        songs.append(SongOfRecord(row->Data));
    return songs;
}

// Answers the question box with `button` and a file dialog with `file`.
ModalAnswers::Answer AnswerWith(QMessageBox::StandardButton button, const QString &file)
{
    return [button, file](QWidget *dialog) {
        if (auto *box = qobject_cast<QMessageBox *>(dialog))
            box->button(button)->click();
        else
            ChooseFiles({file})(dialog);
    };
}

class AlbumFileWindow : public WindowTest
{
protected:
    AlbumFileWindow()
    {
        SetUserCacheFolder(m_cache.path());
        const std::pair<const char *, const char *> copies[] = {
            {"tagged_id3v23.mp3", "a.mp3"}, {"uslt_two_languages.mp3", "b.mp3"}, {"apic_png.mp3", "c.mp3"},
            {"cover.jpg", "cover.jpg"}, {"lyrics_utf8.lrc", "words.lrc"}};
        for (const auto &[fixture, name] : copies)
            QFile::copy(QStringLiteral(PELORIN_TEST_DATA_DIR "/tags/") + QLatin1String(fixture),
                        File(QLatin1String(name)));
    }
    ~AlbumFileWindow() override { SetUserCacheFolder(QString()); }

    QString File(const QString &name) const { return m_files.filePath(name); }

    // Three songs (b brings lyrics, c a picture), a picture and lyrics
    // attached to a, c's title edited, and a moved below b.
    void GatherAlbum()
    {
        Window().WMDropFiles({File(QStringLiteral("a.mp3")), File(QStringLiteral("b.mp3")),
                              File(QStringLiteral("c.mp3")), File(QStringLiteral("cover.jpg")),
                              File(QStringLiteral("words.lrc"))});
        Grid().Record(Grid().RowAt(2)).SongName = QStringLiteral("新的名字");
        Grid().RowChanged(Grid().RowAt(2));
        Grid().SetFocused(Grid().RowAt(0));
        Window().N25Click();
        QApplication::processEvents();
    }

    QTemporaryDir m_files;
    QTemporaryDir m_cache;
};

TEST_F(AlbumFileWindow, SavedAlbumOpensTheSameInAFreshWindow)
{
    QStringList items;
    for (QAction *action : Window().MainMenu1->actions().first()->menu()->actions())
        items.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(items.mid(0, 5), (QStringList{QStringLiteral("打开专辑(&O)..."), QStringLiteral("保存专辑(&S)"),
                                            QStringLiteral("专辑另存为..."), QStringLiteral("-"),
                                            QStringLiteral("生成(&B)")}));
    EXPECT_EQ(Window().MenuAlbumOpen->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_EQ(Window().MenuAlbumSave->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));

    GatherAlbum();
    const QString albumFile = File(QStringLiteral("x.pelorin"));
    {
        ModalAnswers answers(ChooseFiles({albumFile}));
        Window().MenuAlbumSave->trigger(); // no file yet: saving asks where
        EXPECT_EQ(answers.Kinds(), QStringList{QStringLiteral("QFileDialog")});
    }
    EXPECT_EQ(Window().windowTitle(), QStringLiteral("x.pelorin - Pelorin"));

    // A change marks the title; saving again needs no dialog and clears it.
    Grid().Record(Grid().RowAt(1)).Singer = QStringLiteral("别的歌手");
    Grid().RowChanged(Grid().RowAt(1));
    QApplication::processEvents();
    EXPECT_EQ(Window().windowTitle(), QStringLiteral("x.pelorin* - Pelorin"));
    {
        ModalAnswers answers(Cancel());
        Window().MenuAlbumSave->trigger();
        EXPECT_EQ(answers.Count(), 0);
    }
    EXPECT_EQ(Window().windowTitle(), QStringLiteral("x.pelorin - Pelorin"));
    const QList<AlbumSong> saved = Songs(Grid());
    ASSERT_EQ(saved.size(), 3);
    EXPECT_EQ(saved[1].SourceFile, File(QStringLiteral("a.mp3")));
    EXPECT_EQ(saved[2].SongName, QStringLiteral("新的名字"));
    EXPECT_TRUE(saved[2].PictureFromSong);

    TFormMain fresh;
    fresh.TimerVersion->stop();
    {
        // An unchanged window opens without asking first.
        ModalAnswers answers(ChooseFiles({albumFile}));
        fresh.MenuAlbumOpen->trigger();
        EXPECT_EQ(answers.Kinds(), QStringList{QStringLiteral("QFileDialog")});
    }
    EXPECT_EQ(Songs(*fresh.VDT1), saved);
    EXPECT_EQ(fresh.windowTitle(), QStringLiteral("x.pelorin - Pelorin"));
    for (AlbumRow *row = fresh.VDT1->First(); row; row = fresh.VDT1->Next(row))
        EXPECT_TRUE(row->Data.Thumbnail || row->Data.PictureFile.isEmpty());
}

TEST_F(AlbumFileWindow, OpeningAsksFirstOnlyWhenTheListChangedAndClosingNever)
{
    GatherAlbum();
    const QString albumFile = File(QStringLiteral("x.pelorin"));
    ASSERT_TRUE(Window().SaveAlbumFile(albumFile));
    Window().N19Click(); // clear all: a change
    QApplication::processEvents();
    EXPECT_EQ(Window().windowTitle(), QStringLiteral("x.pelorin* - Pelorin"));
    for (const auto button : {QMessageBox::Cancel, QMessageBox::No}) {
        ModalAnswers answers(AnswerWith(button, albumFile));
        Window().MenuAlbumOpenClick();
        EXPECT_EQ(answers.Kinds().first(), QStringLiteral("QMessageBox"));
        EXPECT_EQ(Grid().Count(), button == QMessageBox::No ? 3 : 0);
    }
    EXPECT_EQ(Window().windowTitle(), QStringLiteral("x.pelorin - Pelorin"));
    {
        ModalAnswers answers(AnswerWith(QMessageBox::Cancel, albumFile));
        Window().MenuAlbumOpenClick();
        EXPECT_EQ(answers.Kinds(), QStringList{QStringLiteral("QFileDialog")});
    }

    Grid().Record(Grid().RowAt(0)).SongName = QStringLiteral("未保存");
    ASSERT_TRUE(Window().AlbumHasChanges());
    ModalAnswers answers(Cancel());
    EXPECT_TRUE(Window().close());
    QApplication::processEvents();
    EXPECT_EQ(answers.Count(), 0);
}

TEST_F(AlbumFileWindow, BrokenAlbumFilesAreToldAndLeaveTheListAsItWas)
{
    GatherAlbum();
    const QString good = File(QStringLiteral("good.pelorin"));
    ASSERT_TRUE(Window().SaveAlbumFile(good));
    QFile in(good);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const QByteArray saved = in.readAll();
    Window().N25Click(); // an unsaved change, which must survive
    QApplication::processEvents();
    const QList<AlbumSong> before = Songs(Grid());

    const QByteArray header = "{\"format\": \"pelorin-album\", \"version\": ";
    const std::pair<QByteArray, const char *> cases[] = {
        {saved.left(300), "文件不完整，可能没有保存或复制完"},
        {saved.left(saved.indexOf("\xE5\x90\x8D") + 1), "文件不完整，可能没有保存或复制完"}, // inside 名
        {" \r\n", "文件是空的"},
        {header + "7, \"songs\": []}", "文件的格式版本是7，这个程序只能打开版本1的专辑文件，请使用更新的版本"},
        {header + "\"1\", \"songs\": []}", "无法识别文件的格式版本"},
        {"[Brisling]\nRandomID=1\n", "这不是专辑文件"},
        {"{\"format\": \"playlist\", \"version\": 1}", "这不是专辑文件"},
        {header + "1, \"songs\": [{\"songName\": \"a\"}]}", "文件已损坏（第1首歌曲的记录不对）"}};
    for (const auto &[content, reason] : cases) {
        const QString bad = File(QStringLiteral("bad.pelorin"));
        QFile out(bad);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(content);
        out.close();
        QStringList texts;
        {
            ModalAnswers answers(CloseErrorBox(&texts));
            EXPECT_FALSE(Window().OpenAlbumFile(bad));
        }
        ASSERT_EQ(texts.size(), 1) << reason;
        EXPECT_EQ(texts[0], QStringLiteral("无法打开专辑文件“%1”：%2.").arg(bad, QString::fromUtf8(reason)));
        EXPECT_EQ(Songs(Grid()), before) << reason;
        EXPECT_EQ(Window().windowTitle(), QStringLiteral("good.pelorin* - Pelorin")) << reason;
    }
}

} // namespace
