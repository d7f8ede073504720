#include "scripted_user.h"
#include "support/test_folders.h"

#include "build/album_naming.h"

#include "album/album_globals.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {
struct NameCase
{
    const char *name;
    bool usable;
};

class AlbumNameProblemTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(AlbumNameProblemTest, RefusesOnlyNamesThatCannotBeFileNames)
{
    const QString name = QString::fromUtf8(GetParam().name);
    EXPECT_EQ(AlbumNameProblem(name).isEmpty(), GetParam().usable) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Names, AlbumNameProblemTest, ::testing::Values(
    NameCase{"vizizizar", true}, NameCase{"My Album", true}, NameCase{" lead and trail ", true},
    NameCase{"中文专辑", true}, NameCase{",lib,", true}, NameCase{"Rock'n'Roll", true},
    NameCase{"A & B", true}, NameCase{"...dots", true}, NameCase{"@home", true},
    NameCase{"", false}, NameCase{".", false}, NameCase{"..", false}, NameCase{"a/b", false},
    NameCase{"a\\b", false}, NameCase{"a:b", false}, NameCase{"a*b", false}, NameCase{"a?b", false},
    NameCase{"say \"hi\"", false}, NameCase{"a<b", false}, NameCase{"a>b", false},
    NameCase{"a|b", false}, NameCase{"tab\there", false}, NameCase{"line\nbreak", false},
    NameCase{"del\x7f", false}, NameCase{"c1\xc2\x85", false}));

TEST(AlbumNameProblem, LengthIsCountedInFileNameBytesWithApk)
{
    EXPECT_TRUE(AlbumNameProblem(QString(251, QLatin1Char('a'))).isEmpty());
    EXPECT_FALSE(AlbumNameProblem(QString(252, QLatin1Char('a'))).isEmpty());
    // Three bytes each in UTF-8: 83 × 3 + 4 = 253 fits, 84 × 3 + 4 = 256 does not.
    EXPECT_TRUE(AlbumNameProblem(QString(83, QChar(0x4E2D))).isEmpty());
    EXPECT_FALSE(AlbumNameProblem(QString(84, QChar(0x4E2D))).isEmpty());
}

TEST(AlbumNameProblem, MessagesAreChinese)
{
    EXPECT_EQ(AlbumNameProblem(QString()), QStringLiteral("专辑名称不能为空"));
    EXPECT_EQ(AlbumNameProblem(QStringLiteral("a/b")),
              QStringLiteral("专辑名称不能包含控制字符或下列字符：/ \\ : * ? \" < > |"));
}

class AlbumNamingTest : public ::testing::Test
{
protected:
    void MakeFolder(const QString &name) { QDir().mkpath(app.file(QStringLiteral("data/") + name)); }

    TestAppFolder app;
    QString AlbumName; // what the window remembers between builds
    ScriptedUser user;
};

TEST_F(AlbumNamingTest, ProposalSkipsTakenFoldersButNotFiles)
{
    EXPECT_EQ(ProposeAlbumName(), QStringLiteral("vizizizar"));
    app.write(QStringLiteral("data/vizizizar"), "a file does not take the name");
    EXPECT_EQ(ProposeAlbumName(), QStringLiteral("vizizizar"));
    app.remove(QStringLiteral("data/vizizizar"));
    MakeFolder(QStringLiteral("vizizizar"));
    MakeFolder(QStringLiteral("vizizizar1"));
    EXPECT_EQ(ProposeAlbumName(), QStringLiteral("vizizizar2"));
}

TEST_F(AlbumNamingTest, ProposalIsEmptyWhenEveryNameIsTaken)
{
    MakeFolder(QStringLiteral("vizizizar"));
    for (int n = 1; n <= 10000; ++n)
        MakeFolder(QStringLiteral("vizizizar%1").arg(n));
    EXPECT_EQ(ProposeAlbumName(), QString());
}

TEST_F(AlbumNamingTest, FirstBuildAsksWithTheProposal)
{
    MakeFolder(QStringLiteral("vizizizar"));
    user.names = {QStringLiteral(" 我的 专辑 ")};
    ASSERT_TRUE(AskAlbumName(user, AlbumName));
    EXPECT_EQ(AlbumName, QStringLiteral(" 我的 专辑 "));
    EXPECT_EQ(user.events,
              QStringList{QStringLiteral("input:为这张专辑起一个名字吧!|请输入：|vizizizar1")});
}

TEST_F(AlbumNamingTest, CancelledInputLeavesTheNameEmpty)
{
    user.names = {std::nullopt};
    EXPECT_FALSE(AskAlbumName(user, AlbumName));
    EXPECT_TRUE(AlbumName.isEmpty());
}

TEST_F(AlbumNamingTest, UnusableNameIsRefused)
{
    user.names = {QStringLiteral("../output")};
    EXPECT_FALSE(AskAlbumName(user, AlbumName));
    EXPECT_TRUE(AlbumName.isEmpty());
    ASSERT_EQ(user.events.size(), 2);
    EXPECT_TRUE(user.events[1].startsWith(QStringLiteral("error:专辑名称不能包含")));
}

TEST_F(AlbumNamingTest, EarlierNameWithoutFolderIsReusedWithoutAsking)
{
    AlbumName = QStringLiteral("Morning");
    EXPECT_TRUE(AskAlbumName(user, AlbumName));
    EXPECT_EQ(AlbumName, QStringLiteral("Morning"));
    EXPECT_TRUE(user.events.isEmpty());
}

struct OverwriteCase
{
    IBuildUser::Answer answer;
    bool result;
    const char *albumAfter;
    int inputs;
};

class OverwriteTest : public AlbumNamingTest, public ::testing::WithParamInterface<OverwriteCase> {};

TEST_P(OverwriteTest, AnswerDecidesTheName)
{
    MakeFolder(QStringLiteral("Morning"));
    AlbumName = QStringLiteral("Morning");
    user.answers = {GetParam().answer};
    user.names = {QStringLiteral("Evening")};
    EXPECT_EQ(AskAlbumName(user, AlbumName), GetParam().result);
    EXPECT_EQ(AlbumName, QString::fromUtf8(GetParam().albumAfter));
    ASSERT_GE(user.events.size(), 1);
    EXPECT_EQ(user.events[0], QStringLiteral("ask:Morning已经存在，要覆盖么?"));
    EXPECT_EQ(user.events.size(), 1 + GetParam().inputs);
    if (GetParam().inputs) {
        EXPECT_EQ(user.events[1], QStringLiteral("input:为这张专辑起一个名字吧!|请输入：|vizizizar"));
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, OverwriteTest, ::testing::Values(
    OverwriteCase{IBuildUser::Answer::Yes, true, "Morning", 0},
    OverwriteCase{IBuildUser::Answer::No, true, "Evening", 1},
    OverwriteCase{IBuildUser::Answer::Cancel, false, "Morning", 0}));
} // namespace
