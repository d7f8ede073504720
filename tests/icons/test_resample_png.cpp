#include "build/icon_resample.h"
#include "media/png_image.h"
#include "pictures/picture_fixtures.h"
#include "platform/app_error.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

namespace {

// Pixels as the test sees them: RGBA byte quadruples, row by row.
using Pixels = std::vector<std::array<int, 4>>;

TPngImage FromPixels(int colorType, int w, int h, const Pixels &pixels)
{
    TPngImage png;
    png.CreateBlank(colorType, 8, w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const auto &p = pixels[size_t(y * w + x)];
            for (int c = 0; c < 3; ++c)
                png.Scanline(y)[3 * x + c] = std::uint8_t(p[size_t(c)]);
            if (png.AlphaScanline(y))
                png.AlphaScanline(y)[x] = std::uint8_t(p[3]);
        }
    }
    return png;
}

std::array<int, 4> PixelOf(const TPngImage &png, int x, int y)
{
    const std::uint8_t *c = png.Scanline(y) + 3 * x;
    return {c[0], c[1], c[2], png.AlphaScanline(y) ? png.AlphaScanline(y)[x] : 255};
}

// The documented arithmetic written out on its own: every step in double,
// stored as float; truncation; rounding half to even at the end.
Pixels Reference(const Pixels &source, int sw, int sh, int w, int h)
{
    const auto single = [](double v) { return float(v); };
    const float sx = single(double(w) / (sw - 1));
    const float sy = single(double(h) / (sh - 1));
    Pixels out;
    for (int y = 0; y < h; ++y) {
        const float fy = single(y / double(sy));
        const int y0 = int(fy);
        const float dy = single(double(fy) - y0);
        const float wy[2] = {single(1.0 - dy), dy};
        for (int x = 0; x < w; ++x) {
            const float fx = single(x / double(sx));
            const int x0 = int(fx);
            const float dx = single(double(fx) - x0);
            const float wx[2] = {single(1.0 - dx), dx};
            std::array<int, 4> pixel{};
            for (size_t c = 0; c < 4; ++c) {
                float sum = 0;
                for (int i = 0; i < 2; ++i)
                    for (int j = 0; j < 2; ++j)
                        sum = single(double(sum) + source[size_t((y0 + j) * sw + x0 + i)][c]
                                                       * double(single(double(wx[i]) * wy[j])));
                pixel[c] = int(std::lrint(sum));
            }
            out.push_back(pixel);
        }
    }
    return out;
}

TEST(ResamplePng, InterpolatesWithHandComputedWeights)
{
    // R runs 0 -> 255 and G 0 -> 2 to the right, B 0 -> 100 and alpha
    // 255 -> 0 downwards. Enlarged to 4 x 4 the weights are 0, 1/4, 1/2, 3/4.
    TPngImage png = FromPixels(COLOR_RGBALPHA, 2, 2,
                               {{0, 0, 0, 255}, {255, 2, 0, 255}, {0, 0, 100, 0}, {255, 2, 100, 0}});
    ResamplePng(png, 4, 4);
    ASSERT_EQ(png.Width(), 4);
    ASSERT_EQ(png.ColorType(), COLOR_RGBALPHA);
    const int red[4] = {0, 64, 128, 191};   // 63.75, 127.5 (to even), 191.25
    const int green[4] = {0, 0, 1, 2};      // 0.5 and 1.5 go to the even neighbour
    const int blue[4] = {0, 25, 50, 75};
    const int alpha[4] = {255, 191, 128, 64};
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            const auto p = PixelOf(png, x, y);
            EXPECT_EQ(p[0], red[x]) << x << "," << y;
            EXPECT_EQ(p[1], green[x]) << x << "," << y;
            EXPECT_EQ(p[2], blue[y]) << x << "," << y;
            EXPECT_EQ(p[3], alpha[y]) << x << "," << y;
        }
    }
}

TEST(ResamplePng, RoundsItsWeightsInSinglePrecision)
{
    // Column 30 of 36 lies at 30/36 between the two source columns. In single
    // precision the left weight is 0.16666669, so 255 * weight = 42.500005
    // rounds to 43; exact arithmetic would give 42.5 and round to 42.
    TPngImage png = FromPixels(COLOR_RGB, 2, 2, {{255, 0, 0, 255}, {0, 0, 0, 255}, {255, 0, 0, 255}, {0, 0, 0, 255}});
    ResamplePng(png, 36, 36);
    EXPECT_EQ(PixelOf(png, 30, 0)[0], 43);
    EXPECT_EQ(png.ColorType(), COLOR_RGB);
    EXPECT_EQ(png.AlphaScanline(0), nullptr);
}

struct FixtureCase
{
    const char *file;
    int size;
};

class ResampleFixture : public ::testing::TestWithParam<FixtureCase> {};

TEST_P(ResampleFixture, MatchesTheReferenceArithmetic)
{
    const QString path = PictureFixture(GetParam().file);
    const QImage decoded = QImage(path, "png").convertToFormat(QImage::Format_RGBA8888);
    ASSERT_FALSE(decoded.isNull());
    Pixels source;
    for (int y = 0; y < decoded.height(); ++y)
        for (int x = 0; x < decoded.width(); ++x) {
            const QColor c = decoded.pixelColor(x, y);
            source.push_back({c.red(), c.green(), c.blue(), c.alpha()});
        }
    const int size = GetParam().size;
    const Pixels expected = Reference(source, decoded.width(), decoded.height(), size, size);

    TPngImage png;
    png.LoadFromData(ReadBytes(path));
    const bool alpha = png.ColorType() == COLOR_RGBALPHA;
    ResamplePng(png, size, size);
    ASSERT_EQ(png.Width(), size);
    ASSERT_EQ(png.Height(), size);
    EXPECT_EQ(png.BitDepth(), 8);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            auto want = expected[size_t(y * size + x)];
            if (!alpha)
                want[3] = 255;
            ASSERT_EQ(PixelOf(png, x, y), want) << x << "," << y;
        }
}

INSTANTIATE_TEST_SUITE_P(Fixtures, ResampleFixture, ::testing::Values(
    FixtureCase{"rgba_96x96.png", 72}, FixtureCase{"rgba_96x96.png", 36}, FixtureCase{"rgba_96x96.png", 48},
    FixtureCase{"rgba_48x48.png", 96}, FixtureCase{"rgba_48x48.png", 72},
    FixtureCase{"squeeze_200x100.png", 96}, FixtureCase{"portrait_600x900.png", 36}));

TEST(ResamplePng, UsesTheHighByteOfSixteenBitSamples)
{
    TPngImage png;
    png.LoadFromData(ReadBytes(PictureFixture("rgb16_3x2.png")));
    ResamplePng(png, 3, 2); // 3 / 2 = 1.5 per column, 2 / 1 = 2 per row
    EXPECT_EQ(png.BitDepth(), 8);
    EXPECT_EQ(png.ColorType(), COLOR_RGB);
    // (0, 0) reads the source pixel (0, 0) alone: 0x1234 0xABCD 0xFF01.
    EXPECT_EQ(PixelOf(png, 0, 0), (std::array<int, 4>{0x12, 0xAB, 0xFF, 255}));
}

TEST(ResamplePng, RepeatsTheOnlyColumnOrRowOfAOnePixelSource)
{
    TPngImage wide;
    wide.LoadFromData(ReadBytes(PictureFixture("one_wide_1x50.png"))); // pixel (0, y) = (y*5, 100, 200)
    ResamplePng(wide, 36, 36);
    for (int y = 0; y < 36; ++y) {
        const auto left = PixelOf(wide, 0, y);
        for (int x = 1; x < 36; ++x)
            ASSERT_EQ(PixelOf(wide, x, y), left) << x << "," << y;
        EXPECT_EQ(left[1], 100);
        EXPECT_EQ(left[2], 200);
    }
    // Down the column the rows are interpolated as usual, sy = 36 / 49: row 1
    // lies at 1.3611 (6.81 -> 7), row 35 at 47.6389 (238.19 -> 238).
    EXPECT_EQ(PixelOf(wide, 0, 0)[0], 0);
    EXPECT_EQ(PixelOf(wide, 0, 1)[0], 7);
    EXPECT_EQ(PixelOf(wide, 0, 35)[0], 238);

    TPngImage high;
    high.LoadFromData(ReadBytes(PictureFixture("one_high_50x1.png"))); // (x*5, 100, 200), alpha 255 - x
    ResamplePng(high, 48, 48);
    ASSERT_EQ(high.ColorType(), COLOR_RGBALPHA);
    for (int x = 0; x < 48; ++x)
        for (int y = 1; y < 48; ++y)
            ASSERT_EQ(PixelOf(high, x, y), PixelOf(high, x, 0)) << x << "," << y;

    TPngImage dot = FromPixels(COLOR_RGB, 1, 1, {{9, 8, 7, 255}});
    ResamplePng(dot, 4, 4);
    EXPECT_EQ(PixelOf(dot, 3, 3), (std::array<int, 4>{9, 8, 7, 255}));
}

TEST(ResamplePng, AcceptsOnlyRgbAndRgba)
{
    for (const char *file : {"grey_96x96.png", "grey_alpha_8x8.png", "palette2_5x3.png"}) {
        TPngImage png;
        png.LoadFromData(ReadBytes(PictureFixture(file)));
        try {
            ResamplePng(png, 36, 36);
            ADD_FAILURE() << file << ": no error";
        } catch (const AppError &error) {
            EXPECT_EQ(error.message(), QStringLiteral("Only COLOR_RGBALPHA and COLOR_RGB formats are supported"));
        }
    }
}

} // namespace
