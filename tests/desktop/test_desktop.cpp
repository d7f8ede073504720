// The window on a desktop with a window manager: the picture preview has its
// outer size from the first showing on; with PELORIN_SCREENSHOT_DIR set, the
// add-songs dialog and an error box are saved there as screenshots.
#include "editing/window_fixture.h"

#include "app/form_show_pic.h"
#include "media/text_decoding.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {

struct FirstShowing
{
    QSize picture;
    QSize window;
};

class PreviewOnADesktop : public WindowTest, public ::testing::WithParamInterface<FirstShowing>
{
};

// A window is framed only once it is first shown; the size given before that
// must still come out as the outer size.
TEST_P(PreviewOnADesktop, HasTheOuterSizeOnItsFirstShowing)
{
    QTemporaryDir folder;
    AddSong(QStringLiteral("1"), WritePicture(folder.path(), QStringLiteral("p.png"), GetParam().picture));
    DoubleClickCell(0, 6);
    TFormShowPic &preview = *Window().FormShowPic;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&preview));
    (void)QTest::qWaitFor([&] { return preview.frameGeometry().size() == GetParam().window; }, 5000);
    EXPECT_EQ(preview.frameGeometry().size(), GetParam().window);
    EXPECT_NE(preview.frameGeometry().size(), preview.size()) << "no window manager framed the window";
}

INSTANTIATE_TEST_SUITE_P(Sizes, PreviewOnADesktop,
                         ::testing::Values(FirstShowing{{1920, 1080}, {482, 313}},
                                           FirstShowing{{500, 1000}, {162, 363}},
                                           FirstShowing{{200, 100}, {482, 363}}),
                         [](const auto &info) {
                             return "Picture" + std::to_string(info.param.picture.width()) + "x"
                                 + std::to_string(info.param.picture.height());
                         });

// The screen as the person sees it, saved when screenshots are asked for.
void Screenshot(const char *name)
{
    const QByteArray folder = qgetenv("PELORIN_SCREENSHOT_DIR");
    if (folder.isEmpty())
        return;
    QTest::qWait(300); // let the window manager draw the frames
    const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(0);
    EXPECT_TRUE(screen.save(QDir(QString::fromLocal8Bit(folder)).filePath(QString::fromLatin1(name))));
}

// The add-songs dialog on a folder of Chinese songs, then the error box for
// a lyrics file too large to read; their wording is checked offscreen.
TEST_F(WindowTest, TheAddSongsDialogAndAnErrorBoxInChinese)
{
    QTemporaryDir files;
    const QDir music(files.filePath(QStringLiteral("我的音乐")));
    music.mkpath(QStringLiteral("."));
    for (const char *name : {"月亮代表我的心-邓丽君.mp3", "茉莉花-民歌.m4a", "甜蜜蜜-邓丽君.aac"})
        QFile::copy(QStringLiteral(PELORIN_TEST_DATA_DIR "/tags/untagged.mp3"), music.filePath(QString::fromUtf8(name)));
    QFile lyrics(music.filePath(QStringLiteral("月亮代表我的心-邓丽君.txt")));
    ASSERT_TRUE(lyrics.open(QIODevice::WriteOnly) && lyrics.resize(MaxTextFileBytes + 1024 * 1024));
    lyrics.close();

    QStringList buttons;
    ModalAnswers answers([&](QWidget *widget) {
        if (auto *dialog = qobject_cast<QFileDialog *>(widget)) {
            dialog->setDirectory(music.path());
            QTest::qWait(500); // the folder's files are listed in the background
            buttons << dialog->findChild<QDialogButtonBox *>()->buttons().first()->text();
            Screenshot("add_songs_dialog.png");
            dialog->reject();
        } else if (auto *box = qobject_cast<QMessageBox *>(widget)) {
            buttons << box->button(QMessageBox::Ok)->text();
            Screenshot("error_box.png");
            box->accept();
        }
    });
    Window().SpeedButtonMusicAdd->click();
    DropFiles({music.filePath(QStringLiteral("月亮代表我的心-邓丽君.mp3"))});
    EXPECT_EQ(buttons, QStringList({QStringLiteral("打开(&O)"), QStringLiteral("确定")}));
}

} // namespace
