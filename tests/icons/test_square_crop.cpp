#include "build/icon_square_crop.h"
#include "pictures/picture_fixtures.h"

#include <gtest/gtest.h>

namespace {

struct CropCase
{
    int w, h;
    QRect square;
};

// A picture whose every pixel has its own colour, so a copied square can be
// checked pixel by pixel.
QImage Numbered(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256) * 16 + y / 256));
    return image;
}

class SquareCrop : public ::testing::TestWithParam<CropCase> {};

TEST_P(SquareCrop, TakesTheCentredSquare)
{
    const CropCase &c = GetParam();
    const QImage source = Numbered(c.w, c.h);
    QImage destination;
    // Drawn at the square's own size, the result is the square unscaled.
    DrawSquareCrop(source, destination, c.square.width());
    ASSERT_EQ(destination.size(), c.square.size());
    EXPECT_EQ(destination, source.copy(c.square));
}

TEST_P(SquareCrop, ScalesOnlyTheSquareToTheIconSize)
{
    const CropCase &c = GetParam();
    // The square is green, everything around it red; not a trace of red may
    // reach the icon.
    QImage source(c.w, c.h, QImage::Format_RGB32);
    source.fill(qRgb(255, 0, 0));
    for (int y = c.square.top(); y <= c.square.bottom(); ++y)
        for (int x = c.square.left(); x <= c.square.right(); ++x)
            source.setPixel(x, y, qRgb(0, 160, 0));
    for (int size : {96, 72, 36, 48}) {
        QImage icon;
        DrawSquareCrop(source, icon, size);
        ASSERT_EQ(icon.size(), QSize(size, size));
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                ASSERT_EQ(icon.pixel(x, y), qRgb(0, 160, 0)) << size << ": " << x << "," << y;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, SquareCrop, ::testing::Values(
    CropCase{200, 100, QRect(50, 0, 100, 100)},
    CropCase{201, 100, QRect(50, 0, 100, 100)},  // (201 - 100) div 2 = 50
    CropCase{100, 300, QRect(0, 100, 100, 100)},
    CropCase{101, 300, QRect(0, 99, 101, 101)},
    CropCase{120, 120, QRect(0, 0, 120, 120)},
    CropCase{300, 1, QRect(149, 0, 1, 1)}));

} // namespace
