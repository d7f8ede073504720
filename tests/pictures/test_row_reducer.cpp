#include "media/row_reducer.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct ReduceCase
{
    const char *name;
    QSize from;
    QSize to;
    std::vector<int> source; // one grey level a source pixel, row by row
    std::vector<int> target; // the expected grey levels
};

class RowReduction : public ::testing::TestWithParam<ReduceCase> {};

// Each target pixel is the mean of the source area it covers, fractional
// edges counted by their share.
TEST_P(RowReduction, AveragesTheCoveredArea)
{
    const ReduceCase &c = GetParam();
    QImage target(c.to, QImage::Format_RGB32);
    RowReducer reducer(c.from, c.to, target);
    std::vector<uchar> row(size_t(c.from.width()) * 4);
    for (int y = 0; y < c.from.height(); ++y) {
        for (int x = 0; x < c.from.width(); ++x) {
            const int grey = c.source[size_t(y * c.from.width() + x)];
            row[size_t(x) * 4 + 0] = uchar(grey); // blue
            row[size_t(x) * 4 + 1] = uchar(grey / 2); // green
            row[size_t(x) * 4 + 2] = uchar(255 - grey); // red
            row[size_t(x) * 4 + 3] = 0xFF;
        }
        reducer.AddRow(row.data());
    }
    for (int y = 0; y < c.to.height(); ++y) {
        for (int x = 0; x < c.to.width(); ++x) {
            const int grey = c.target[size_t(y * c.to.width() + x)];
            const QRgb pixel = target.pixel(x, y);
            EXPECT_EQ(qBlue(pixel), grey) << x << "," << y;
            EXPECT_NEAR(qGreen(pixel), grey / 2, 1) << x << "," << y;
            EXPECT_EQ(qRed(pixel), 255 - grey) << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Table, RowReduction, ::testing::Values(
    ReduceCase{"Unchanged", {2, 2}, {2, 2}, {10, 20, 30, 40}, {10, 20, 30, 40}},
    ReduceCase{"HalvedBothWays", {4, 2}, {2, 1}, {0, 100, 200, 255, 100, 0, 255, 255}, {50, 241}},
    // Three pixels into two: the middle one is shared half and half.
    ReduceCase{"ThreeIntoTwo", {3, 1}, {2, 1}, {0, 90, 180}, {30, 150}},
    ReduceCase{"ThreeRowsIntoTwo", {1, 3}, {1, 2}, {0, 90, 180}, {30, 150}},
    ReduceCase{"AllIntoOne", {3, 3}, {1, 1}, {0, 0, 0, 0, 255, 0, 0, 0, 0}, {28}},
    ReduceCase{"FiveIntoTwoAcrossOnly", {5, 1}, {2, 1}, {50, 50, 100, 200, 200}, {60, 180}}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
