// "生成" in the main window, with every dialog answered by the test.
#include "cli/cli_app.h"
#include "support/process_alive.h"

#include "app/build_dialogs.h"
#include "app/build_progress.h"
#include "app/form_main.h"

#include "album/album_globals.h"
#include "build/signing_key.h"
#include "intake/add_songs.h"
#include "platform/app_folder.h"
#include "platform/shell_open.h"
#include "platform/user_store.h"
#include "support/test_folders.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QFileInfo>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <deque>
#include <functional>

namespace {
const QString kSongs = QStringLiteral(PELORIN_TEST_DATA_DIR "/build/songs/");

// Answers modal windows in turn: each handler gets the active modal widget
// and returns true when it dealt with it.
class DialogScript
{
public:
    using Handler = std::function<bool(QWidget *)>;
    std::deque<Handler> handlers;
    QStringList seen;

    DialogScript()
    {
        m_timer.setInterval(30);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { Poll(); });
        m_timer.start();
    }

private:
    void Poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || handlers.empty())
            return;
        if (handlers.front()(modal))
            handlers.pop_front();
    }
    QTimer m_timer;
};

QString BoxText(QWidget *widget)
{
    auto *box = qobject_cast<QMessageBox *>(widget);
    return box ? box->text() : QString();
}

// Presses the box's button of the given role when the widget is a message box with `text`.
DialogScript::Handler Box(const QString &text, QMessageBox::StandardButton button, QStringList *seen)
{
    return [=](QWidget *widget) {
        auto *box = qobject_cast<QMessageBox *>(widget);
        if (!box || box->text() != text)
            return false;
        seen->append(text);
        box->button(button)->click();
        return true;
    };
}

class BuildWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SetApplicationIdentity(app.path(), QStringLiteral("Pelorin"));
        SetUserStoreFile(app.file(QStringLiteral("user.conf")));
        SetShellOpenHandler([this](const QString &target) { opened << target; });
        form = std::make_unique<TFormMain>();
        form->TimerVersion->stop();
        form->show();
    }
    void TearDown() override
    {
        form.reset();
        SetShellOpenHandler({});
        SetUserStoreFile(QString());
        SetApplicationIdentity(QString(), QString());
    }
    void AddSongs()
    {
        QStringList songs{kSongs + QStringLiteral("song1.mp3"), kSongs + QStringLiteral("song3.m4a")};
        AddSongFiles(*form->VDT1, songs);
    }

    CliApp app;
    ScopedDataHome dataHome{app.DataHome()};
    std::unique_ptr<TFormMain> form;
    QStringList opened;
    DialogScript script;
};

TEST_F(BuildWindowTest, EmptyGridOnlyTellsThePerson)
{
    script.handlers.push_back(Box(QStringLiteral("请首先加入歌曲"), QMessageBox::Ok, &script.seen));
    form->SpeedButtonBuild->click();
    EXPECT_EQ(script.seen, QStringList{QStringLiteral("请首先加入歌曲")});
    EXPECT_TRUE(QDir(app.file(QStringLiteral("data"))).isEmpty());
}

TEST_F(BuildWindowTest, BuildButtonAsksTheNameAndBuilds)
{
    AddSongs();
    bool sawProgress = false;
    bool buttonsDisabled = false;
    // The name dialog: check it, try a refused name, then a good one.
    script.handlers.push_back([&](QWidget *widget) {
        auto *dialog = qobject_cast<AlbumNameDialog *>(widget);
        if (!dialog)
            return false;
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("为这张专辑起一个名字吧!"));
        EXPECT_EQ(dialog->findChild<QLabel *>()->text(), QStringLiteral("请输入："));
        EXPECT_EQ(dialog->Edit()->text(), QStringLiteral("vizizizar"));
        EXPECT_EQ(dialog->Edit()->selectedText(), QStringLiteral("vizizizar"));
        EXPECT_EQ(dialog->Edit()->maxLength(), 255);
        dialog->Edit()->setText(QStringLiteral("a<b"));
        QTimer::singleShot(0, dialog, &QDialog::accept);
        return true;
    });
    script.handlers.push_back([&](QWidget *widget) {
        if (!BoxText(widget).startsWith(QStringLiteral("专辑名称不能包含")))
            return false;
        qobject_cast<QMessageBox *>(widget)->button(QMessageBox::Ok)->click();
        return true;
    });
    script.handlers.push_back([&](QWidget *widget) {
        auto *dialog = qobject_cast<AlbumNameDialog *>(widget);
        if (!dialog)
            return false;
        dialog->Edit()->setText(QStringLiteral("窗口 专辑"));
        QTimer::singleShot(0, dialog, &QDialog::accept);
        return true;
    });
    script.handlers.push_back([&](QWidget *widget) {
        auto *progress = qobject_cast<BuildProgress *>(widget);
        if (!progress || progress->StepLabel()->text() != QStringLiteral("正在打包..."))
            return false;
        sawProgress = progress->isVisible();
        buttonsDisabled = !form->SpeedButtonBuild->isEnabled() && !form->MenuAlbumBuild->isEnabled();
        return true;
    });
    // The first build of the installation says where its signing key is.
    script.handlers.push_back(Box(SigningKeyMadeNotice(app.KeyFile()), QMessageBox::Ok, &script.seen));
    form->MenuAlbumBuild->trigger();

    EXPECT_TRUE(script.handlers.empty());
    EXPECT_TRUE(sawProgress);
    EXPECT_TRUE(buttonsDisabled);
    EXPECT_TRUE(form->SpeedButtonBuild->isEnabled());
    EXPECT_EQ(form->AlbumName, QStringLiteral("窗口 专辑"));
    EXPECT_TRUE(CliApp::Verifies(app.file(QStringLiteral("output/窗口 专辑.apk"))));
    EXPECT_EQ(opened, QStringList{app.file(QStringLiteral("output/"))});
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    // The next click asks whether to overwrite; Cancel ends it untouched.
    script.handlers.push_back(
        Box(QStringLiteral("窗口 专辑已经存在，要覆盖么?"), QMessageBox::Cancel, &script.seen));
    form->SpeedButtonBuild->click();
    EXPECT_EQ(script.seen.last(), QStringLiteral("窗口 专辑已经存在，要覆盖么?"));
    EXPECT_EQ(opened.size(), 1);
}

TEST_F(BuildWindowTest, CancelStopsThePackagerAndEmptiesTheWorkingFolder)
{
    AddSongs();
    app.SetJava("echo packaging started; exec sleep 30\n");
    script.handlers.push_back([](QWidget *widget) {
        auto *dialog = qobject_cast<AlbumNameDialog *>(widget);
        if (!dialog)
            return false;
        QTimer::singleShot(0, dialog, &QDialog::accept);
        return true;
    });
    QString shownOutput;
    script.handlers.push_back([&](QWidget *widget) {
        auto *progress = qobject_cast<BuildProgress *>(widget);
        if (!progress || progress->Output()->toPlainText().isEmpty())
            return false;
        shownOutput = progress->Output()->toPlainText();
        progress->CancelButton()->click();
        return true;
    });
    QElapsedTimer timer;
    timer.start();
    form->SpeedButtonBuild->click();
    EXPECT_LT(timer.elapsed(), 20000);
    EXPECT_EQ(shownOutput, QStringLiteral("packaging started\n"));
    EXPECT_TRUE(script.handlers.empty());
    EXPECT_TRUE(QDir(app.file(QStringLiteral("data/vizizizar"))).isEmpty());
    EXPECT_FALSE(QFile::exists(app.file(QStringLiteral("output/vizizizar.apk"))));
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_TRUE(form->SpeedButtonBuild->isEnabled());
}

// The real packager and signer; many small entries make the signing last
// long enough to be cancelled while its temporary files exist.
TEST_F(BuildWindowTest, CancelDuringSigningLeavesNothingBehind)
{
    AddSongs();
    const QByteArray java = QFileInfo(QStringLiteral(PELORIN_APP_DIR "/s/jre6/bin/java")).canonicalFilePath().toUtf8();
    app.SetJava("if [ \"$1\" = -jar ]; then \"" + java + "\" \"$@\" || exit $?\n"
                "  exec python3 -c 'import sys, zipfile\nwith zipfile.ZipFile(sys.argv[1], \"a\") as z:\n"
                "    [z.writestr(\"assets/pad/%d\" % i, \"x\" * 64) for i in range(8000)]' \"$5/dist/MainActivity.apk\"\n"
                "fi\necho $$ > \"" + app.file(QStringLiteral("signer.pid")).toUtf8() + "\"\nexec \"" + java + "\" \"$@\"\n");
    script.handlers.push_back([](QWidget *widget) {
        auto *dialog = qobject_cast<AlbumNameDialog *>(widget);
        if (dialog)
            QTimer::singleShot(0, dialog, &QDialog::accept);
        return dialog != nullptr;
    });
    bool signing = false;
    script.handlers.push_back([&](QWidget *widget) {
        auto *progress = qobject_cast<BuildProgress *>(widget);
        const QDir output(app.file(QStringLiteral("output")));
        if (!progress || output.entryList({QStringLiteral(".vizizizar.apk*.aligned")}, QDir::Files | QDir::Hidden).isEmpty())
            return false;
        signing = progress->StepLabel()->text() == QStringLiteral("正在签名...");
        progress->CancelButton()->click();
        return true;
    });
    script.handlers.push_back([&](QWidget *widget) { // no box may follow
        auto *box = qobject_cast<QMessageBox *>(widget);
        if (box) {
            script.seen << box->text();
            box->button(QMessageBox::Ok)->click();
        }
        return box != nullptr;
    });
    form->SpeedButtonBuild->click();

    EXPECT_TRUE(signing);
    EXPECT_TRUE(script.seen.isEmpty()) << script.seen.join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(ProcessAlive(app.read(QStringLiteral("signer.pid")).trimmed().toLongLong()));
    const QDir::Filters all = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden;
    EXPECT_TRUE(QDir(app.file(QStringLiteral("output"))).isEmpty(all));
    EXPECT_TRUE(QDir(app.file(QStringLiteral("data/vizizizar"))).isEmpty(all));
    EXPECT_TRUE(app.read(QStringLiteral("log/Pelorin%1.log").arg(QDate::currentDate().toString(QStringLiteral("yyyyMMdd"))))
                    .endsWith("\tBuild cancelled\r\n"));
}

TEST_F(BuildWindowTest, FailedPackagingShowsTheBox)
{
    AddSongs();
    app.SetJava("exit 2\n");
    script.handlers.push_back([](QWidget *widget) {
        auto *dialog = qobject_cast<AlbumNameDialog *>(widget);
        if (!dialog)
            return false;
        QTimer::singleShot(0, dialog, &QDialog::accept);
        return true;
    });
    script.handlers.push_back(Box(QStringLiteral("生成apk失败"), QMessageBox::Ok, &script.seen));
    form->SpeedButtonBuild->click();
    EXPECT_EQ(script.seen, QStringList{QStringLiteral("生成apk失败")});
    EXPECT_TRUE(QDir(app.file(QStringLiteral("data/vizizizar"))).isEmpty());
}
} // namespace
