// The window on a desktop with a window manager: the picture preview has its
// outer size from the first showing on, and the add-songs dialog and an
// error box speak Chinese. With PELORIN_SCREENSHOT_DIR set, the two are
// saved as screenshots there.
#include "editing/window_fixture.h"

#include "app/form_show_pic.h"
#include "media/text_decoding.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QRegularExpression>
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

QStringList LatinWords(const QString &text)
{
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    QStringList words;
    for (auto match = word.globalMatch(text); match.hasNext();)
        words.append(match.next().captured());
    return words;
}

class ChineseOnADesktop : public WindowTest
{
protected:
    // A folder of songs with Chinese names, as a listener's music folder.
    QString MusicFolder()
    {
        const QString folder = m_files.filePath(QStringLiteral("我的音乐"));
        QDir().mkpath(folder);
        for (const char *name : {"月亮代表我的心-邓丽君.mp3", "茉莉花-民歌.m4a", "甜蜜蜜-邓丽君.aac"})
            QFile::copy(QStringLiteral(PELORIN_TEST_DATA_DIR "/tags/untagged.mp3"),
                        QDir(folder).filePath(QString::fromUtf8(name)));
        return folder;
    }

    QTemporaryDir m_files;
};

TEST_F(ChineseOnADesktop, TheAddSongsDialog)
{
    const QString folder = MusicFolder();
    QStringList shown;
    ModalAnswers answers([&](QWidget *widget) {
        auto *dialog = qobject_cast<QFileDialog *>(widget);
        ASSERT_NE(dialog, nullptr);
        dialog->setDirectory(folder);
        QTest::qWait(500); // the folder's files are listed in the background
        for (const QWidget *child : dialog->findChildren<QWidget *>()) {
            if (!child->isVisible())
                continue;
            if (const auto *button = qobject_cast<const QAbstractButton *>(child))
                shown << button->text() << button->toolTip();
            if (const auto *label = qobject_cast<const QLabel *>(child))
                shown << label->text();
        }
        shown << dialog->windowTitle();
        Screenshot("add_songs_dialog.png");
        dialog->reject();
    });
    Window().SpeedButtonMusicAdd->click();
    ASSERT_EQ(answers.Count(), 1);
    shown.removeAll(QString());
    EXPECT_TRUE(shown.contains(QStringLiteral("打开(&O)")));
    for (const QString &text : shown)
        EXPECT_EQ(LatinWords(text), QStringList()) << text.toStdString();
}

TEST_F(ChineseOnADesktop, AnErrorBox)
{
    const QString song = QDir(MusicFolder()).filePath(QStringLiteral("月亮代表我的心-邓丽君.mp3"));
    QFile lyrics(QDir(MusicFolder()).filePath(QStringLiteral("月亮代表我的心-邓丽君.txt")));
    ASSERT_TRUE(lyrics.open(QIODevice::WriteOnly));
    ASSERT_TRUE(lyrics.resize(MaxTextFileBytes + 1024 * 1024));
    lyrics.close();

    QStringList texts;
    ModalAnswers answers([&](QWidget *widget) {
        auto *box = qobject_cast<QMessageBox *>(widget);
        ASSERT_NE(box, nullptr);
        texts << box->text() << box->button(QMessageBox::Ok)->text();
        Screenshot("error_box.png");
        box->accept();
    });
    DropFiles({song});
    ASSERT_EQ(answers.Count(), 1);
    EXPECT_EQ(texts.value(1), QStringLiteral("确定"));
    // The path names the song's folder; the rest is the message.
    const QString message = texts.value(0).remove(lyrics.fileName());
    EXPECT_EQ(LatinWords(message), QStringList()) << texts.value(0).toStdString();
}

} // namespace
