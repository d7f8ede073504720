#include "album/album_globals.h"
#include "album/thumbnail.h"
#include "media/picture_loader.h"
#include "pictures/picture_fixtures.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

struct ExtentCase
{
    int w, h, tw, th;
};

class ThumbnailExtentTable : public ::testing::TestWithParam<ExtentCase> {};

TEST_P(ThumbnailExtentTable, RoundsTheShorterSideHalfToEven)
{
    const ExtentCase &c = GetParam();
    EXPECT_EQ(ThumbnailExtent(QSize(c.w, c.h)), QSize(c.tw, c.th));
}

INSTANTIATE_TEST_SUITE_P(Table, ThumbnailExtentTable, ::testing::Values(
    ExtentCase{1024, 768, 80, 60},
    ExtentCase{600, 900, 53, 80},   // 53.33
    ExtentCase{64, 64, 64, 64},     // small enough: kept
    ExtentCase{80, 80, 80, 80},
    ExtentCase{80, 1, 80, 1},
    ExtentCase{81, 80, 80, 79},     // 79.01
    ExtentCase{100, 20, 80, 16},
    ExtentCase{1000, 999, 80, 80},  // 79.92
    ExtentCase{160, 1, 80, 0},      // 0.5 goes to 0
    ExtentCase{160, 3, 80, 2},      // 1.5 goes to 2
    ExtentCase{160, 5, 80, 2},      // 2.5 goes to 2
    ExtentCase{1, 160, 0, 80},
    ExtentCase{100, 100, 80, 80},
    ExtentCase{60000, 50000, 80, 67})); // 66.67; the product does not overflow

TEST(MakeThumbnail, CopiesASmallPictureUnscaled)
{
    QImage source(64, 30, QImage::Format_RGB32);
    source.fill(qRgb(1, 2, 3));
    source.setPixel(63, 29, qRgb(200, 100, 50));
    QImage target;
    MakeThumbnail(source, target);
    EXPECT_EQ(target, source);
}

TEST(MakeThumbnail, AveragesAreasWhenShrinking)
{
    // Alternating black and white columns average to grey.
    QImage source(160, 160, QImage::Format_RGB32);
    for (int x = 0; x < 160; ++x)
        for (int y = 0; y < 160; ++y)
            source.setPixel(x, y, x % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    QImage target;
    MakeThumbnail(source, target);
    ASSERT_EQ(target.size(), QSize(80, 80));
    EXPECT_NEAR(qRed(target.pixel(40, 40)), 128, 2);
}

TEST(PrepareThumbnail, GivesNothingForPicturesThatCannotBeDecoded)
{
    for (const char *bad : {"empty.jpg", "truncated.png", "corrupt.gif", "huge_claim.bmp", "huge_claim.png",
                            "frame_outside_screen.gif", "png_named.jpg"})
        EXPECT_FALSE(PrepareThumbnail(PictureFixture(bad))) << bad;
    EXPECT_FALSE(PrepareThumbnail(QStringLiteral("/nowhere/cover.jpg")));
}

TEST(PrepareThumbnail, ShowsTheSamePictureAsAFullDecode)
{
    // The reduced JPEG decode must still show the picture, not just its size.
    const std::optional<QImage> thumbnail = PrepareThumbnail(PictureFixture("photo_1024x768.jpg"));
    ASSERT_TRUE(thumbnail);
    const QImage full = LoadPicture(PictureFixture("photo_1024x768.jpg")).ToBitmap();
    const QImage reference = full.scaled(80, 60, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    ASSERT_EQ(thumbnail->size(), reference.size());
    long long difference = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 80; ++x)
            difference += std::abs(qRed(thumbnail->pixel(x, y)) - qRed(reference.pixel(x, y)))
                + std::abs(qGreen(thumbnail->pixel(x, y)) - qGreen(reference.pixel(x, y)));
    EXPECT_LT(double(difference) / (80 * 60 * 2), 3.0);
}

TEST(PrepareThumbnail, PutsWhiteBehindTransparency)
{
    const std::optional<QImage> thumbnail = PrepareThumbnail(PictureFixture("transparent_64x64.gif"));
    ASSERT_TRUE(thumbnail);
    EXPECT_EQ(thumbnail->pixel(3, 3), qRgb(255, 255, 255));
}

TEST(PrepareThumbnail, GivesTheSameResultOnTwoThreadsAtOnce)
{
    const char *files[] = {"photo_1024x768.jpg", "portrait_600x900.png", "wide_100x20.gif", "square_64x64.bmp",
                           "rgba_96x96.png", "corrupt.png"};
    std::vector<std::optional<QImage>> serial;
    for (const char *file : files)
        serial.push_back(PrepareThumbnail(PictureFixture(file)));

    std::vector<std::optional<QImage>> left(std::size(files)), right(std::size(files));
    auto work = [&files](std::vector<std::optional<QImage>> &out) {
        for (int round = 0; round < 3; ++round)
            for (size_t i = 0; i < std::size(files); ++i)
                out[i] = PrepareThumbnail(PictureFixture(files[i]));
    };
    std::thread a(work, std::ref(left));
    std::thread b(work, std::ref(right));
    a.join();
    b.join();
    for (size_t i = 0; i < std::size(files); ++i) {
        EXPECT_EQ(left[i], serial[i]) << files[i];
        EXPECT_EQ(right[i], serial[i]) << files[i];
    }
}

} // namespace
