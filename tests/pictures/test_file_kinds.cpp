#include "media/file_kinds.h"
#include "pictures/picture_fixtures.h"

#include <gtest/gtest.h>

namespace {

struct KindCase
{
    const char *path;
    bool song;
    bool picture;
    bool lyrics;
};

class FileKinds : public ::testing::TestWithParam<KindCase> {};

TEST_P(FileKinds, AreDecidedByTheLastExtensionOfTheName)
{
    const KindCase &c = GetParam();
    const QString path = QString::fromUtf8(c.path);
    EXPECT_EQ(IsSongFile(path), c.song) << c.path;
    EXPECT_EQ(IsPictureFile(path), c.picture) << c.path;
    EXPECT_EQ(IsLyricsFile(path), c.lyrics) << c.path;
}

INSTANTIATE_TEST_SUITE_P(Table, FileKinds, ::testing::Values(
    KindCase{"/music/A.MP3", true, false, false},
    KindCase{"/music/b.aac", true, false, false},
    KindCase{"/music/c.M4a", true, false, false},
    KindCase{"/music/a.wav", false, false, false},
    KindCase{"/music/a.flac", false, false, false},
    KindCase{"/music/no_extension", false, false, false},
    KindCase{"/music/trailing.", false, false, false},
    KindCase{"/music/cover.JPEG", false, true, false},
    KindCase{"/music/cover.jpg", false, true, false},
    KindCase{"/music/cover.Bmp", false, true, false},
    KindCase{"/music/cover.png", false, true, false},
    KindCase{"/music/cover.gif", false, true, false},
    KindCase{"/music/cover.tif", false, false, false},
    KindCase{"/music/cover.ico", false, false, false},
    KindCase{"/music/x.mp3.txt", false, false, true},
    KindCase{"/music/x.LRC", false, false, true},
    // Parts of a member, or members joined, are not members.
    KindCase{"/music/a.jp", false, false, false},
    KindCase{"/music/a.peg", false, false, false},
    KindCase{"/music/a.mp3,", false, false, false},
    KindCase{"/music/a.mp3,.aac", true, false, false},
    // Only the file name counts, not the folders above it.
    KindCase{"/music/album.mp3", true, false, false},
    KindCase{"/music.mp3/song", false, false, false},
    KindCase{"/music/.mp3", true, false, false},
    // Case folding is ASCII only: a dotless capital I is no "i".
    KindCase{"/music/a.g\xc4\xb0" "f", false, false, false}));

TEST(FileExtension, KeepsTheDotAndTheLetterCase)
{
    EXPECT_EQ(FileExtension(QStringLiteral("/a/Song.MP3")), QStringLiteral(".MP3"));
    EXPECT_EQ(FileExtension(QStringLiteral("/a.b/name")), QString());
    EXPECT_EQ(FileExtension(QStringLiteral("x.tar.gz")), QStringLiteral(".gz"));
}

} // namespace
