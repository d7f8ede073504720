// The add command of the album window, with its open dialog and error box.
#include "app/error_box.h"
#include "app/form_main.h"

#include "platform/app_folder.h"
#include "support/test_folders.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

QString Fixture(const char *name)
{
    return QStringLiteral(PELORIN_TEST_DATA_DIR "/tags/") + QLatin1String(name);
}

// Runs `handle` on the first modal window of type T that opens, from inside
// its own event loop. A window that never comes, or another modal window in
// its place, ends the wait after ten seconds instead of hanging the test.
template <typename T>
void WhenModalOpens(std::function<void(T *)> handle)
{
    auto *timer = new QTimer(qApp);
    timer->setInterval(10);
    auto ticks = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, handle, ticks] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *wanted = qobject_cast<T *>(modal)) {
            timer->stop();
            timer->deleteLater();
            handle(wanted);
        } else if (++*ticks > 1000) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "the expected modal window did not open";
            if (auto *dialog = qobject_cast<QDialog *>(modal))
                dialog->reject();
        }
    });
    timer->start();
}

class SongAddCommand : public ::testing::Test
{
protected:
    SongAddCommand()
    {
        for (const char *name : {"b-b.mp3", "a-a.mp3"})
            QFile::copy(Fixture("untagged.mp3"), m_songs.filePath(QLatin1String(name)));
    }
    void ChooseInDialog(const QStringList &names, bool accept = true)
    {
        WhenModalOpens<QFileDialog>([this, names, accept](QFileDialog *dialog) {
            dialog->setDirectory(m_songs.path());
            // Type the names as a user would; the dialog keeps its last
            // selection, so start from none.
            for (QAbstractItemView *view : dialog->findChildren<QAbstractItemView *>())
                view->clearSelection();
            QStringList quoted;
            for (const QString &name : names)
                quoted << QLatin1Char('"') + name + QLatin1Char('"');
            auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            ASSERT_TRUE(edit);
            edit->setText(quoted.join(QLatin1Char(' ')));
            QDialog *plain = dialog;
            accept ? plain->accept() : plain->reject();
        });
    }
    QStringList Singers() const
    {
        QStringList singers;
        for (AlbumRow *row = m_form.VDT1->First(); row; row = m_form.VDT1->Next(row))
            singers << m_form.VDT1->Record(row).Singer;
        return singers;
    }

    TestAppFolder m_app;
    QTemporaryDir m_songs;
    TFormMain m_form;
};

TEST_F(SongAddCommand, AddsTheChosenSongsInOrderFromEveryCommand)
{
    ChooseInDialog({QStringLiteral("b-b.mp3"), QStringLiteral("a-a.mp3")});
    m_form.SpeedButtonMusicAdd->click();
    EXPECT_EQ(Singers(), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));

    ChooseInDialog({QStringLiteral("a-a.mp3")});
    m_form.MenuSongAdd->trigger();
    ChooseInDialog({QStringLiteral("b-b.mp3")});
    m_form.PopupSongAdd->trigger();
    EXPECT_EQ(Singers(), (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("a"),
                                      QStringLiteral("b")}));
    EXPECT_EQ(m_form.VDT1->UpdateDepth(), 0);
}

TEST_F(SongAddCommand, DoesNothingWhenTheDialogIsCancelled)
{
    ChooseInDialog({QStringLiteral("a-a.mp3")}, false);
    m_form.SpeedButtonMusicAddClick();
    EXPECT_EQ(m_form.VDT1->Count(), 0);
}

TEST_F(SongAddCommand, ShowsTheErrorOfAnUnreadableLyricsFileAfterTheEarlierSongs)
{
    ASSERT_TRUE(QFile::link(QStringLiteral("/proc/self/mem"), m_songs.filePath(QStringLiteral("b-b.txt"))));
    QFile::copy(Fixture("untagged.mp3"), m_songs.filePath(QStringLiteral("c-c.mp3")));
    ChooseInDialog({QStringLiteral("c-c.mp3"), QStringLiteral("b-b.mp3"), QStringLiteral("a-a.mp3")});
    QString caption, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int depthAtBox = -1;
    WhenModalOpens<QMessageBox>([&](QMessageBox *box) {
        caption = box->windowTitle();
        text = box->text();
        icon = box->icon();
        depthAtBox = m_form.VDT1->UpdateDepth();
        box->button(QMessageBox::Ok)->click();
    });
    m_form.SpeedButtonMusicAddClick();
    EXPECT_EQ(Singers(), QStringList{QStringLiteral("a")});
    EXPECT_EQ(caption, ApplicationTitle());
    EXPECT_TRUE(text.startsWith(QStringLiteral("Cannot open file \"") + m_songs.filePath(QStringLiteral("b-b.txt"))))
        << text.toStdString();
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(depthAtBox, 0); // the grid was repainting again when the box showed
}

TEST(ErrorBox, HasTheTitleTheMessageAnOkButtonAndTheErrorIcon)
{
    TestAppFolder app(QStringLiteral("AlbumTool.exe"));
    const auto box = MakeErrorBox(nullptr, QStringLiteral("Something failed"));
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Albumtool"));
    EXPECT_EQ(box->text(), QStringLiteral("Something failed."));
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    EXPECT_EQ(MakeErrorBox(nullptr, QStringLiteral("Done!"))->text(), QStringLiteral("Done!"));
}

TEST(FormMainGrid, IsTheSongGridAndFitsTheLyricsColumnOnResize)
{
    TestAppFolder app;
    TFormMain form;
    EXPECT_EQ(form.VDT1->Count(), 0);
    form.show();
    form.resize(1400, 700);
    QApplication::processEvents();
    QHeaderView *header = form.VDT1->header();
    int used = 0;
    for (int column = 0; column < 7; ++column)
        used += header->sectionSize(column);
    EXPECT_EQ(header->sectionSize(7), std::max(150, form.VDT1->width() - used - 3));
}

} // namespace
