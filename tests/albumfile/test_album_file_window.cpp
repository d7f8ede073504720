// The album window's open and save commands, its title and its question.
#include "editing/window_fixture.h"

#include "album/album_document.h"
#include "intake/dropped_files.h"
#include "platform/user_cache_folder.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTemporaryDir>

namespace {

QString TagFixture(const char *name)
{
    return QStringLiteral(PELORIN_TEST_DATA_DIR "/tags/") + QLatin1String(name);
}

QList<AlbumSong> Songs(const SongGrid &grid)
{
    QList<AlbumSong> songs;
    for (AlbumRow *row = grid.First(); row; row = grid.Next(row))
        songs.append(SongOfRecord(row->Data));
    return songs;
}

// Answers the dialogs one after another from a list.
ModalAnswers::Answer InTurn(QList<ModalAnswers::Answer> answers)
{
    auto queue = std::make_shared<QList<ModalAnswers::Answer>>(std::move(answers));
    return [queue](QWidget *dialog) {
        if (queue->isEmpty()) {
            ADD_FAILURE() << "an unexpected " << dialog->metaObject()->className();
            Cancel()(dialog);
            return;
        }
        queue->takeFirst()(dialog);
    };
}

ModalAnswers::Answer Press(QMessageBox::StandardButton button)
{
    return [button](QWidget *widget) {
        auto *box = qobject_cast<QMessageBox *>(widget);
        ASSERT_TRUE(box);
        box->button(button)->click();
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
            QFile::copy(TagFixture(fixture), File(QLatin1String(name)));
    }
    ~AlbumFileWindow() override { SetUserCacheFolder(QString()); }

    QString File(const QString &name) const { return m_files.filePath(name); }

    // Three songs with a picture and lyrics attached, a title edited and the
    // first song moved down.
    void GatherAlbum()
    {
        Window().WMDropFiles({File(QStringLiteral("a.mp3")), File(QStringLiteral("b.mp3")),
                              File(QStringLiteral("c.mp3")), File(QStringLiteral("cover.jpg")),
                              File(QStringLiteral("words.lrc"))});
        TOrbData &record = Grid().Record(Grid().RowAt(2));
        record.SongName = QStringLiteral("新的名字");
        Grid().RowChanged(Grid().RowAt(2));
        Grid().SetFocused(Grid().RowAt(0));
        Window().N25Click();
        QApplication::processEvents();
    }

    QTemporaryDir m_files;
    QTemporaryDir m_cache;
};

TEST_F(AlbumFileWindow, AlbumMenuGainsOpenAndSaveBeforeBuild)
{
    QStringList items;
    for (QAction *action : Window().MainMenu1->actions().first()->menu()->actions())
        items.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(items, (QStringList{QStringLiteral("打开专辑(&O)..."), QStringLiteral("保存专辑(&S)"),
                                  QStringLiteral("专辑另存为..."), QStringLiteral("-"), QStringLiteral("生成(&B)"),
                                  QStringLiteral("关于"), QStringLiteral("-"), QStringLiteral("退出(&X)")}));
    EXPECT_EQ(Window().MenuAlbumOpen->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_EQ(Window().MenuAlbumSave->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
}

TEST_F(AlbumFileWindow, SavedAlbumOpensTheSameInAFreshWindow)
{
    GatherAlbum();
    const QString albumFile = File(QStringLiteral("x.pelorin"));
    {
        ModalAnswers answers(ChooseFiles({albumFile}));
        Window().MenuAlbumSaveAs->trigger();
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
    EXPECT_TRUE(saved[2].PictureFromSong);
    EXPECT_EQ(saved[2].SongName, QStringLiteral("新的名字"));
    EXPECT_EQ(saved[1].SourceFile, File(QStringLiteral("a.mp3"))); // moved down

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

TEST_F(AlbumFileWindow, OpeningAsksFirstOnlyWhenTheListChanged)
{
    GatherAlbum();
    const QString albumFile = File(QStringLiteral("x.pelorin"));
    ASSERT_TRUE(Window().SaveAlbumFile(albumFile));
    Window().N19Click(); // clear all: a change
    QApplication::processEvents();
    EXPECT_EQ(Window().windowTitle(), QStringLiteral("x.pelorin* - Pelorin"));
    {
        ModalAnswers answers(Press(QMessageBox::Cancel));
        Window().MenuAlbumOpenClick();
        EXPECT_EQ(answers.Kinds(), QStringList{QStringLiteral("QMessageBox")});
        EXPECT_EQ(Grid().Count(), 0);
    }
    {
        ModalAnswers answers(InTurn({Press(QMessageBox::No), ChooseFiles({albumFile})}));
        Window().MenuAlbumOpenClick();
        EXPECT_EQ(answers.Count(), 2);
    }
    EXPECT_EQ(Grid().Count(), 3);
    EXPECT_EQ(Window().windowTitle(), QStringLiteral("x.pelorin - Pelorin"));
    {
        ModalAnswers answers(ChooseFiles({albumFile}));
        Window().MenuAlbumOpenClick();
        EXPECT_EQ(answers.Kinds(), QStringList{QStringLiteral("QFileDialog")});
    }
}

struct BrokenCase
{
    const char *label;
    int keep;           // bytes of the saved file kept; -1: `content` instead
    const char *content;
    const char *reason;
};

void PrintTo(const BrokenCase &c, std::ostream *out)
{
    *out << c.label;
}

class BrokenAlbumFile : public AlbumFileWindow, public ::testing::WithParamInterface<BrokenCase>
{
};

TEST_P(BrokenAlbumFile, IsToldAndLeavesTheListAsItWas)
{
    GatherAlbum();
    const QString good = File(QStringLiteral("good.pelorin"));
    ASSERT_TRUE(Window().SaveAlbumFile(good));
    QFile in(good);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const QByteArray saved = in.readAll();
    const QString bad = File(QStringLiteral("bad.pelorin"));
    QFile out(bad);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(GetParam().keep >= 0 ? saved.left(GetParam().keep) : QByteArray(GetParam().content));
    out.close();
    Window().N25Click(); // an unsaved change, which must survive
    QApplication::processEvents();
    const QList<AlbumSong> before = Songs(Grid());

    QStringList texts;
    {
        ModalAnswers answers(CloseErrorBox(&texts));
        EXPECT_FALSE(Window().OpenAlbumFile(bad));
    }
    ASSERT_EQ(texts.size(), 1);
    EXPECT_TRUE(texts[0].contains(QString::fromUtf8(GetParam().reason))) << texts[0].toStdString();
    EXPECT_EQ(Songs(Grid()), before);
    EXPECT_EQ(Window().AlbumFile, good);
    EXPECT_EQ(Window().windowTitle(), QStringLiteral("good.pelorin* - Pelorin"));
}

INSTANTIATE_TEST_SUITE_P(Files, BrokenAlbumFile, ::testing::Values(
    BrokenCase{"truncated", 300, nullptr, "文件不完整"},
    BrokenCase{"empty", 0, nullptr, "文件是空的"},
    BrokenCase{"wrong_version", -1, "{\"format\": \"pelorin-album\", \"version\": 7, \"songs\": []}", "格式版本是7"},
    BrokenCase{"not_json", -1, "[Brisling]\nRandomID=1\n", "这不是专辑文件"}));

TEST_F(AlbumFileWindow, ClosingWithUnsavedChangesAsksNothing)
{
    GatherAlbum();
    ASSERT_TRUE(Window().AlbumHasChanges());
    ModalAnswers answers(Cancel());
    EXPECT_TRUE(Window().close());
    QApplication::processEvents();
    EXPECT_EQ(answers.Count(), 0);
}

} // namespace
