#include "attach_gui/attach_fixture.h"

#include "app/form_show_pic.h"
#include "app/song_grid.h"

#include <QAction>

using namespace Qt::Literals::StringLiterals;

namespace {

struct PictureBatch
{
    const char *name;
    bool fromMenu;  // "加入图片" with the dialog, else dropped on the window
    int focused;    // -1: no row focused
    QStringList files;
    QStringList expected; // picture file names of rows 1 to 5
};

class PictureBatches : public AttachTest, public ::testing::WithParamInterface<PictureBatch>
{
};

// Five rows, the first and third with pictures.
TEST_P(PictureBatches, FillTheRowsWithoutAPictureFromTheFocusedRowDown)
{
    const PictureBatch &batch = GetParam();
    AddSong(QStringLiteral("1"), Picture(QStringLiteral("p1.png")));
    AddSong(QStringLiteral("2"));
    AddSong(QStringLiteral("3"), Picture(QStringLiteral("p3.png")));
    AddSong(QStringLiteral("4"));
    AddSong(QStringLiteral("5"));
    if (batch.focused >= 0)
        ClickCell(batch.focused, 0);
    QStringList paths;
    for (const QString &name : batch.files)
        paths.append(name.startsWith(u'm') ? File(name) : Picture(name));

    if (batch.fromMenu) {
        ModalAnswers answers(ChooseFiles(paths));
        Window().PopupPictureAdd->trigger();
        EXPECT_EQ(answers.Count(), 1);
    } else {
        EXPECT_TRUE(DropFiles(paths, CellRect(4, 3).center()));
    }

    EXPECT_EQ(Pictures(), batch.expected);
    // The thumbnails were made for the attached pictures.
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(bool(Grid().RowAt(row)->Data.Thumbnail), !batch.expected[row].isEmpty()) << row;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Batches, PictureBatches,
    ::testing::Values(
        PictureBatch{"FromTheMenu", true, 0, {u"c.jpg"_s, u"a.jpg"_s, u"b.jpg"_s},
                     {u"p1.png"_s, u"a.jpg"_s, u"p3.png"_s, u"b.jpg"_s, u"c.jpg"_s}},
        PictureBatch{"DroppedWithoutFocus", false, -1, {u"c.jpg"_s, u"a.jpg"_s, u"b.jpg"_s},
                     {u"p1.png"_s, u"a.jpg"_s, u"p3.png"_s, u"b.jpg"_s, u"c.jpg"_s}},
        PictureBatch{"MissingFileLeavesItsRowFree", false, 0, {u"m.jpg"_s, u"b.jpg"_s, u"a.jpg"_s},
                     {u"p1.png"_s, u"a.jpg"_s, u"p3.png"_s, u"b.jpg"_s, QString()}},
        PictureBatch{"SurplusFilesAreIgnored", false, 3, {u"a.jpg"_s, u"b.jpg"_s, u"c.jpg"_s},
                     {u"p1.png"_s, QString(), u"p3.png"_s, u"a.jpg"_s, u"b.jpg"_s}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(AttachTest, AddPicturesNeedsAFocusedRow)
{
    AddSong(QStringLiteral("1"));
    ModalAnswers answers(Cancel());
    Window().PopupPictureAdd->trigger();
    EXPECT_EQ(answers.Count(), 0);
}

TEST_F(AttachTest, LyricsStartAtTheFocusedRow)
{
    for (const char *name : {"1", "2", "3"})
        AddSong(QString::fromLatin1(name));
    const QString x = TextFile(QStringLiteral("x.lrc"), "\r\n  [00:01]x line\n");
    const QString y = TextFile(QStringLiteral("y.txt"), "y line");

    // A double click on the empty lyrics cell of row 2 adds lyrics there.
    ModalAnswers answers(ChooseFiles({y, x}));
    DoubleClickCell(1, 7);

    EXPECT_EQ(answers.Kinds(), QStringList({QStringLiteral("QFileDialog")}));
    EXPECT_EQ(Lyrics(), QStringList({QString(), QStringLiteral("[00:01]x line\r\n"),
                                     QStringLiteral("y line\r\n")}));
    EXPECT_EQ(Grid().model()->index(1, 7).data().toString(), QStringLiteral("[00:01]x line"));
}

TEST_F(AttachTest, ALyricsFileThatDoesNotExistUsesUpARow)
{
    for (const char *name : {"1", "2", "3"})
        AddSong(QString::fromLatin1(name));
    ClickCell(0, 0);
    const QString y = TextFile(QStringLiteral("y.lrc"), "y line\n");

    EXPECT_TRUE(DropFiles({y, File(QStringLiteral("gone.lrc"))}));

    EXPECT_EQ(Lyrics(), QStringList({QString(), QStringLiteral("y line\r\n"), QString()}));
}

TEST_F(AttachTest, RowsThatHaveLyricsArePassedOver)
{
    AddSong(QStringLiteral("1"), QString(), QStringLiteral("old\r\n"));
    AddSong(QStringLiteral("2"));
    const QString x = TextFile(QStringLiteral("x.lrc"), "x\n");
    EXPECT_TRUE(DropFiles({x}));
    EXPECT_EQ(Lyrics(), QStringList({QStringLiteral("old\r\n"), QStringLiteral("x\r\n")}));
}

TEST_F(AttachTest, DoubleClickOnLyricsThatExistDoesNothing)
{
    AddSong(QStringLiteral("1"), QString(), QStringLiteral("words\r\n"));
    ModalAnswers answers(Cancel());
    DoubleClickCell(0, 7);
    DoubleClickCell(0, 3); // other columns have no double-click action
    EXPECT_EQ(answers.Count(), 0);
}

TEST_F(AttachTest, RemovingPicturesAndLyricsEmptiesTheSelectedRows)
{
    AddSong(QStringLiteral("1"), Picture(QStringLiteral("p1.png")), QStringLiteral("l1\r\n"));
    AddSong(QStringLiteral("2"), Picture(QStringLiteral("p2.png")), QStringLiteral("l2\r\n"));
    AddSong(QStringLiteral("3"), Picture(QStringLiteral("p3.png")), QStringLiteral("l3\r\n"));
    ClickCell(0, 0);
    ClickCell(2, 0, Qt::ControlModifier);

    Window().PopupPictureDelete->trigger();
    Window().MenuLyricsDelete->trigger();

    EXPECT_EQ(Pictures(), QStringList({QString(), QStringLiteral("p2.png"), QString()}));
    EXPECT_EQ(Lyrics(), QStringList({QString(), QStringLiteral("l2\r\n"), QString()}));
    // The thumbnail and the row height stay.
    EXPECT_TRUE(Grid().RowAt(0)->Data.Thumbnail);
    EXPECT_EQ(Grid().RowAt(0)->Height, 34);
}

TEST_F(AttachTest, ARemovedPictureOpensTheDialogInsteadOfThePreview)
{
    AddSong(QStringLiteral("1"), Picture(QStringLiteral("p1.png")));
    ClickCell(0, 0);
    Window().NPicDelClick();

    ModalAnswers answers(Cancel());
    DoubleClickCell(0, 6);

    EXPECT_EQ(answers.Kinds(), QStringList({QStringLiteral("QFileDialog")}));
    EXPECT_FALSE(Window().FormShowPic->isVisible());
}

} // namespace
