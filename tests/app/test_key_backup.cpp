// "备份签名密钥..." in the album menu, with its dialogs answered by the test.
#include "editing/window_fixture.h"

#include "build/signing_key.h"
#include "platform/user_data_folder.h"
#include "platform/user_store.h"

#include <QAction>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {
struct BackupCase
{
    const char *name;
    bool haveKey;
    QStringList shown; // the message boxes, in order; TARGET for the copy's path
};

void PrintTo(const BackupCase &c, std::ostream *out)
{
    *out << c.name;
}

class KeyBackupTest : public ::testing::TestWithParam<BackupCase>
{
protected:
    KeyBackupTest() { SetUserStoreFile(app.file(QStringLiteral("user-store.conf"))); }
    ~KeyBackupTest() override { SetUserStoreFile(QString()); }

    TestAppFolder app;
};

TEST_P(KeyBackupTest, SavesACopyThroughTheSaveDialog)
{
    const BackupCase &c = GetParam();
    if (c.haveKey) {
        QDir().mkpath(UserDataFolder());
        QFile key(SigningKeyFile());
        ASSERT_TRUE(key.open(QIODevice::WriteOnly));
        key.write("the key");
    }
    const QString target = app.file(QStringLiteral("备份.p12"));
    TFormMain window;
    QStringList shown;
    ModalAnswers answers([&](QWidget *widget) {
        if (auto *box = qobject_cast<QMessageBox *>(widget)) {
            shown << box->text();
            box->button(QMessageBox::Ok)->click();
        } else if (auto *dialog = qobject_cast<QFileDialog *>(widget)) {
            EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
            EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
            dialog->setDirectory(app.path());
            dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("备份.p12"));
            static_cast<QDialog *>(dialog)->accept();
        } else {
            widget->close();
        }
    });
    window.MenuAlbumKeyBackup->trigger();

    QStringList expected = c.shown;
    EXPECT_EQ(shown, expected.replaceInStrings(QStringLiteral("TARGET"), target));
    EXPECT_EQ(answers.Kinds().contains(QStringLiteral("QFileDialog")), c.haveKey);
    EXPECT_EQ(app.read(QStringLiteral("备份.p12")), c.haveKey ? QByteArray("the key") : QByteArray());
    if (c.haveKey) {
        EXPECT_EQ(FileMode(target), 0600);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, KeyBackupTest, ::testing::Values(
    BackupCase{"KeyExists", true, {QStringLiteral("签名密钥已备份到：\nTARGET")}},
    BackupCase{"NoKeyYet", false, {QStringLiteral("还没有签名密钥：第一次生成专辑时才会创建。")}}),
    [](const auto &info) { return std::string(info.param.name); });
} // namespace
