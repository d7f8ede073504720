#include "media/png_image.h"
#include "pictures/picture_fixtures.h"
#include "platform/app_error.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>

namespace {

struct PngCase
{
    const char *file;
    int colorType;
    int bitDepth;
};

class PngFixture : public ::testing::TestWithParam<PngCase>
{
protected:
    TPngImage Load() const
    {
        TPngImage png;
        png.LoadFromData(ReadBytes(PictureFixture(GetParam().file)));
        return png;
    }
};

TEST_P(PngFixture, KeepsColourTypeAndBitDepthOfTheFile)
{
    const TPngImage png = Load();
    EXPECT_EQ(png.ColorType(), GetParam().colorType);
    EXPECT_EQ(png.BitDepth(), GetParam().bitDepth);
    EXPECT_EQ(png.AlphaScanline(0) != nullptr,
              GetParam().colorType == COLOR_RGBALPHA || GetParam().colorType == COLOR_GRAYSCALEALPHA);
}

TEST_P(PngFixture, ShowsTheSamePixelsAsAnIndependentDecoder)
{
    const QImage ours = Load().ToImage();
    const QImage qt = QtDecodedPng(PictureFixture(GetParam().file));
    ASSERT_EQ(ours.size(), qt.size());
    // 16-bit samples are shown by their high byte; Qt rounds them instead.
    const int tolerance = GetParam().bitDepth == 16 ? 1 : 0;
    for (int y = 0; y < qt.height(); ++y) {
        for (int x = 0; x < qt.width(); ++x) {
            const QRgb a = ours.pixel(x, y);
            const QRgb b = qt.pixel(x, y);
            ASSERT_EQ(qAlpha(a), qAlpha(b)) << x << "," << y;
            if (qAlpha(b) == 0)
                continue; // the colour of a fully transparent pixel is not shown
            ASSERT_NEAR(qRed(a), qRed(b), tolerance) << x << "," << y;
            ASSERT_NEAR(qGreen(a), qGreen(b), tolerance) << x << "," << y;
            ASSERT_NEAR(qBlue(a), qBlue(b), tolerance) << x << "," << y;
        }
    }
}

TEST_P(PngFixture, SavesACopyThatLosesNothing)
{
    QTemporaryDir dir;
    const QString saved = dir.filePath(QStringLiteral("copy.png"));
    const TPngImage png = Load();
    TPngImage copy = png; // copies share nothing
    copy.SaveToFile(saved);

    const QByteArray original = ReadBytes(PictureFixture(GetParam().file));
    const QByteArray written = ReadBytes(saved);
    EXPECT_EQ(ReadPngHeader(written).colorType, ReadPngHeader(original).colorType);
    EXPECT_EQ(ReadPngHeader(written).bitDepth, ReadPngHeader(original).bitDepth);
    EXPECT_EQ(ReadPngHeader(written).hasTransparencyChunk, ReadPngHeader(original).hasTransparencyChunk);

    // Full-precision comparison through Qt's decoder (16-bit samples included).
    const QImage before = QImage(PictureFixture(GetParam().file), "png").convertToFormat(QImage::Format_RGBA64);
    const QImage after = QImage(saved, "png").convertToFormat(QImage::Format_RGBA64);
    ASSERT_FALSE(after.isNull());
    EXPECT_EQ(before, after);
}

INSTANTIATE_TEST_SUITE_P(Fixtures, PngFixture, ::testing::Values(
    PngCase{"rgba_96x96.png", COLOR_RGBALPHA, 8},
    PngCase{"portrait_600x900.png", COLOR_RGB, 8},
    PngCase{"rgb16_3x2.png", COLOR_RGB, 16},
    PngCase{"grey_96x96.png", COLOR_GRAYSCALE, 8},
    PngCase{"grey_alpha_8x8.png", COLOR_GRAYSCALEALPHA, 8},
    PngCase{"palette2_5x3.png", COLOR_PALETTE, 2},
    PngCase{"interlaced_13x11.png", COLOR_RGB, 8},
    PngCase{"half_transparent_4x4.png", COLOR_RGBALPHA, 8}));

TEST(PngImage, SeparatesColourAndAlphaRows)
{
    TPngImage png;
    png.LoadFromData(ReadBytes(PictureFixture("rgba_48x48.png")));
    // The generator's pixel (x, y) is (x*5, 255 - y*5, 77, 255 - x*5).
    const std::uint8_t *colour = png.Scanline(7);
    const std::uint8_t *alpha = png.AlphaScanline(7);
    EXPECT_EQ(colour[3 * 10 + 0], 50);
    EXPECT_EQ(colour[3 * 10 + 1], 255 - 35);
    EXPECT_EQ(colour[3 * 10 + 2], 77);
    EXPECT_EQ(alpha[10], 255 - 50);
}

TEST(PngImage, CreatesBlankImagesOfTheAllowedKinds)
{
    TPngImage png;
    png.CreateBlank(COLOR_RGBALPHA, 8, 3, 2);
    EXPECT_EQ(png.Width(), 3);
    EXPECT_EQ(png.Height(), 2);
    EXPECT_EQ(png.Scanline(1)[8], 0);
    EXPECT_EQ(png.AlphaScanline(1)[2], 0);

    for (const auto &[type, depth, w, h] : {std::array{COLOR_RGB, 4, 3, 2}, std::array{COLOR_PALETTE, 16, 3, 2},
                                            std::array{5, 8, 3, 2}, std::array{COLOR_RGB, 8, 0, 2},
                                            std::array{COLOR_RGB, 8, 100000, 100000}})
        EXPECT_THROW(png.CreateBlank(type, depth, w, h), AppError) << type << " " << depth << " " << w << "x" << h;
}

TEST(PngImage, ConvertsABitmapToEightBitRgb)
{
    QImage bitmap(2, 1, QImage::Format_ARGB32);
    bitmap.setPixel(0, 0, qRgba(10, 20, 30, 255));
    bitmap.setPixel(1, 0, qRgba(40, 50, 60, 0));
    TPngImage png;
    png.AssignBitmap(bitmap);
    EXPECT_EQ(png.ColorType(), COLOR_RGB);
    EXPECT_EQ(png.BitDepth(), 8);
    EXPECT_EQ(png.AlphaScanline(0), nullptr);
    EXPECT_EQ(png.Scanline(0)[0], 10);
    EXPECT_EQ(png.Scanline(0)[5], 60);
    const PngHeader header = ReadPngHeader(png.SaveToData());
    EXPECT_EQ(header.colorType, COLOR_RGB);
    EXPECT_FALSE(header.hasTransparencyChunk);
}

TEST(PngImage, SaysWhichFileCannotBeCreated)
{
    TPngImage png;
    png.CreateBlank(COLOR_RGB, 8, 1, 1);
    try {
        png.SaveToFile(QStringLiteral("/nowhere/at/all/icon.png"));
        FAIL() << "no error";
    } catch (const AppError &error) {
        EXPECT_EQ(error.message(),
                  QStringLiteral("Cannot create file \"/nowhere/at/all/icon.png\". No such file or directory"));
    }
    EXPECT_THROW(TPngImage().SaveToData(), AppError);
}

} // namespace
