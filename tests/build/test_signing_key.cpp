#include "build_test_support.h"
#include "support/test_folders.h"

#include "build/signing_key.h"

#include "platform/app_error.h"
#include "platform/user_data_folder.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {
// The key files a case starts with and what must be there afterwards; an
// empty text means no file.
struct SettleCase
{
    const char *name;
    QByteArray oldKey;
    QByteArray key;
    int keyMode;
    QByteArray keyAfter;
    QByteArray oldKeyAfter;
    bool logged;
};

void PrintTo(const SettleCase &c, std::ostream *out)
{
    *out << c.name;
}

class SettleSigningKeyTest : public ::testing::TestWithParam<SettleCase>
{
protected:
    static void Write(const QString &path, const QByteArray &bytes, int mode)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        ::chmod(QFile::encodeName(path).constData(), mode_t(mode));
    }
    static QByteArray Read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    TestAppFolder app;
};

TEST_P(SettleSigningKeyTest, MovesAnOldKeyAndNeverReplacesOne)
{
    const SettleCase &c = GetParam();
    const QString old = app.file(QStringLiteral("s/Quenlow/signing-key.p12"));
    QDir().mkpath(QFileInfo(old).absolutePath());
    if (!c.oldKey.isEmpty())
        Write(old, c.oldKey, 0644);
    if (!c.key.isEmpty()) {
        QDir().mkpath(UserDataFolder());
        Write(SigningKeyFile(), c.key, c.keyMode);
    }
    SettleSigningKey();
    EXPECT_EQ(Read(SigningKeyFile()), c.keyAfter);
    EXPECT_EQ(Read(old), c.oldKeyAfter);
    EXPECT_EQ(QFileInfo::exists(old), !c.oldKeyAfter.isEmpty());
    if (!c.keyAfter.isEmpty()) {
        EXPECT_EQ(FileMode(SigningKeyFile()), 0600);
    }
    EXPECT_TRUE(QFileInfo(UserDataFolder()).isDir());
    EXPECT_EQ(ReadLog().contains("Signing key moved from " + old.toUtf8()), c.logged);
}

INSTANTIATE_TEST_SUITE_P(Cases, SettleSigningKeyTest, ::testing::Values(
    SettleCase{"OnlyOld", "old key", {}, 0, "old key", {}, true},
    SettleCase{"OnlyNew", {}, "key", 0600, "key", {}, false},
    SettleCase{"NewReadableByOthers", {}, "key", 0644, "key", {}, false},
    SettleCase{"BothTheSame", "key", "key", 0600, "key", {}, false},
    SettleCase{"BothDifferent", "old key", "key", 0600, "key", "old key", false},
    SettleCase{"Neither", {}, {}, 0, {}, {}, false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(SettleSigningKey, OldKeyStaysWhenItCannotBeMoved)
{
    TestAppFolder app;
    app.write(QStringLiteral("s/Quenlow/signing-key.p12"), "old key");
    // A file where the per-user folder should be made.
    const QString blocker = QFileInfo(UserDataFolder()).absolutePath();
    QDir().mkpath(QFileInfo(blocker).absolutePath());
    QFile(blocker).open(QIODevice::WriteOnly);
    EXPECT_THROW(SettleSigningKey(), AppError);
    EXPECT_EQ(app.read(QStringLiteral("s/Quenlow/signing-key.p12")), "old key");
}
} // namespace
