#include "build/app_icons.h"
#include "pictures/picture_fixtures.h"
#include "platform/app_error.h"
#include "support/jpeg_writer.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const char *const Densities[] = {"xhdpi", "hdpi", "ldpi", "mdpi"};
const int Sizes[] = {96, 72, 36, 48};

class AppIcons : public ::testing::Test
{
protected:
    AppIcons()
    {
        for (const char *density : Densities)
            QDir(m_dir.path()).mkpath(QStringLiteral("album/res/drawable-") + QLatin1String(density));
    }

    QString WorkFolder() const { return m_dir.filePath(QStringLiteral("album")); }
    QString Icon(const char *density) const
    {
        return WorkFolder() + QStringLiteral("/res/drawable-") + QLatin1String(density) + QStringLiteral("/icon.png");
    }
    QImage Decoded(const char *density) const
    {
        return QImage(Icon(density), "png").convertToFormat(QImage::Format_RGBA8888);
    }
    PngHeader Header(const char *density) const { return ReadPngHeader(ReadBytes(Icon(density))); }

    QString Make(const char *fixture)
    {
        try {
            EXPECT_TRUE(MakeAppIcons(PictureFixture(fixture), WorkFolder()));
        } catch (const AppError &error) {
            return error.message();
        }
        return QString();
    }

    // Every pixel of every icon within `tolerance` of one colour.
    void ExpectAllIcons(QRgb colour, int tolerance)
    {
        for (int i = 0; i < 4; ++i) {
            const QImage icon = Decoded(Densities[i]);
            ASSERT_EQ(icon.size(), QSize(Sizes[i], Sizes[i])) << Densities[i];
            for (int y = 0; y < icon.height(); ++y)
                for (int x = 0; x < icon.width(); ++x) {
                    const QRgb p = icon.pixel(x, y);
                    ASSERT_NEAR(qRed(p), qRed(colour), tolerance) << Densities[i] << " " << x << "," << y;
                    ASSERT_NEAR(qGreen(p), qGreen(colour), tolerance) << Densities[i] << " " << x << "," << y;
                    ASSERT_NEAR(qBlue(p), qBlue(colour), tolerance) << Densities[i] << " " << x << "," << y;
                }
        }
    }

    void ExpectRgbIcons()
    {
        for (const char *density : Densities) {
            EXPECT_EQ(Header(density).colorType, 2) << density;
            EXPECT_EQ(Header(density).bitDepth, 8) << density;
            EXPECT_FALSE(Header(density).hasTransparencyChunk) << density;
        }
    }

private:
    QTemporaryDir m_dir;
};

// In the crop fixtures the centred square is green (0, 160, 0) and the rest
// red: any icon pixel touched by red shows the crop is off.
TEST_F(AppIcons, CropsAJpegToItsCentredSquare)
{
    ASSERT_EQ(Make("crop_200x100.jpg"), QString());
    ExpectRgbIcons();
    ExpectAllIcons(qRgb(0, 160, 0), 24); // JPEG blurs the colour edges a little
}

// A phone photo beyond the limit on decoded pictures is decoded reduced; the
// icons still show its centred square: the gradient runs from red 14 at
// column 500 to red 241 at column 8500, and green from top to bottom.
TEST_F(AppIcons, MakesIconsFromAPhotoBeyondTheDecodeLimit)
{
    QTemporaryDir folder;
    const QString photo = folder.filePath(QStringLiteral("photo.jpg"));
    ASSERT_TRUE(WriteGradientJpeg(photo, 9000, 8000));
    ASSERT_TRUE(MakeAppIcons(photo, WorkFolder()));
    const QImage icon = Decoded("xhdpi");
    ASSERT_EQ(icon.size(), QSize(96, 96));
    EXPECT_NEAR(qRed(icon.pixel(0, 48)), 14, 12);
    EXPECT_NEAR(qRed(icon.pixel(95, 48)), 241, 12);
    EXPECT_NEAR(qGreen(icon.pixel(48, 0)), 0, 12);
    EXPECT_NEAR(qGreen(icon.pixel(48, 95)), 255, 12);
}

TEST_F(AppIcons, CropsAnOddWidthGifFromColumnFifty)
{
    ASSERT_EQ(Make("crop_201x100.gif"), QString());
    ExpectRgbIcons();
    ExpectAllIcons(qRgb(0, 160, 0), 1);
}

TEST_F(AppIcons, CropsATallBitmapFromRowOneHundred)
{
    ASSERT_EQ(Make("crop_100x300.bmp"), QString());
    ExpectRgbIcons();
    ExpectAllIcons(qRgb(0, 160, 0), 1);
}

TEST_F(AppIcons, PutsWhiteBehindTransparentGifPixels)
{
    ASSERT_EQ(Make("transparent_64x64.gif"), QString());
    ExpectRgbIcons();
    EXPECT_EQ(Decoded("xhdpi").pixel(2, 50), qRgb(255, 255, 255));
    EXPECT_EQ(Decoded("xhdpi").pixel(93, 50), qRgb(0, 0, 255));
}

TEST_F(AppIcons, SqueezesAWholePngIntoTheSquare)
{
    ASSERT_EQ(Make("squeeze_200x100.png"), QString()); // left half red, right half green
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Header(Densities[i]).colorType, 2);
        const QImage icon = Decoded(Densities[i]);
        EXPECT_EQ(icon.pixel(0, 0), qRgb(255, 0, 0));
        EXPECT_EQ(icon.pixel(Sizes[i] - 1, Sizes[i] - 1), qRgb(0, 160, 0));
        EXPECT_EQ(icon.pixel(Sizes[i] / 2 - 2, 0), qRgb(255, 0, 0));
    }
}

TEST_F(AppIcons, KeepsARgbaPngOfTheIconSizeUntouched)
{
    ASSERT_EQ(Make("rgba_96x96.png"), QString());
    const QImage source = QImage(PictureFixture("rgba_96x96.png"), "png").convertToFormat(QImage::Format_RGBA8888);
    EXPECT_EQ(Decoded("xhdpi"), source); // every byte of every pixel, colour under alpha 0 included
    for (const char *density : Densities) {
        EXPECT_EQ(Header(density).colorType, 6) << density;
        EXPECT_EQ(Header(density).bitDepth, 8) << density;
    }
}

TEST_F(AppIcons, EnlargesASmallRgbaPngAndKeepsItAtItsOwnSize)
{
    ASSERT_EQ(Make("rgba_48x48.png"), QString());
    const QImage source = QImage(PictureFixture("rgba_48x48.png"), "png").convertToFormat(QImage::Format_RGBA8888);
    EXPECT_EQ(Decoded("mdpi"), source);
    EXPECT_EQ(Decoded("xhdpi").size(), QSize(96, 96));
    EXPECT_EQ(Header("xhdpi").colorType, 6);
    // Corners of an enlargement are source corners.
    EXPECT_EQ(Decoded("xhdpi").pixel(0, 0), source.pixel(0, 0));
}

TEST_F(AppIcons, SavesAGreyPngOfTheIconSizeAndThenStops)
{
    EXPECT_EQ(Make("grey_96x96.png"), QStringLiteral("Only COLOR_RGBALPHA and COLOR_RGB formats are supported"));
    EXPECT_EQ(Header("xhdpi").colorType, 0);
    EXPECT_EQ(Decoded("xhdpi"), QImage(PictureFixture("grey_96x96.png"), "png").convertToFormat(QImage::Format_RGBA8888));
    for (const char *density : {"hdpi", "ldpi", "mdpi"})
        EXPECT_FALSE(QFile::exists(Icon(density))) << density;
}

TEST_F(AppIcons, WritesIconsForAOnePixelWidePng)
{
    ASSERT_EQ(Make("one_wide_1x50.png"), QString());
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Decoded(Densities[i]).size(), QSize(Sizes[i], Sizes[i]));
}

TEST_F(AppIcons, ReplacesTheTemplateIcons)
{
    QFile old(Icon("hdpi"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(5000, 'x'));
    old.close();
    ASSERT_EQ(Make("square_64x64.bmp"), QString());
    EXPECT_EQ(Decoded("hdpi").size(), QSize(72, 72));
}

TEST_F(AppIcons, StopsAtAMissingDensityFolderAndKeepsTheIconsBeforeIt)
{
    QDir(WorkFolder() + QStringLiteral("/res/drawable-ldpi")).removeRecursively();
    EXPECT_EQ(Make("square_64x64.bmp"),
              QStringLiteral("Cannot create file \"%1\". No such file or directory").arg(Icon("ldpi")));
    EXPECT_TRUE(QFile::exists(Icon("xhdpi")));
    EXPECT_TRUE(QFile::exists(Icon("hdpi")));
    EXPECT_FALSE(QFile::exists(Icon("mdpi")));
}

TEST_F(AppIcons, PassesOnTheErrorsOfThePictureLoader)
{
    EXPECT_EQ(Make("no_such_icon.tif"), QStringLiteral("Unknown picture file extension (.tif)"));
    EXPECT_EQ(Make("no_such_icon.png"),
              QStringLiteral("Cannot open file \"%1\". No such file or directory").arg(PictureFixture("no_such_icon.png")));
    EXPECT_TRUE(Make("truncated.png").startsWith(QStringLiteral("PNG image error: ")));
    EXPECT_FALSE(QFile::exists(Icon("xhdpi")));
}

} // namespace
