#include "build/icon_resample.h"

#include "media/png_image.h"
#include "platform/app_error.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// Each intermediate is computed in double and stored in single precision.
float Single(double value)
{
    return static_cast<float>(value);
}

// Position along one axis: the source index to start from, the index after
// it and the two weights.
struct AxisStep
{
    int first;
    int second;
    float w0;
    float w1;
};

AxisStep Step(int destination, float scale, int sourceLength)
{
    if (sourceLength == 1)
        return {0, 0, 1.0f, 0.0f};
    const float f = Single(double(destination) / double(scale));
    const int whole = std::min(static_cast<int>(std::trunc(f)), sourceLength - 2);
    const float fraction = Single(double(f) - double(whole));
    return {whole, whole + 1, Single(1.0 - double(fraction)), fraction};
}

std::uint8_t ToByte(float accumulator)
{
    const float rounded = std::nearbyint(accumulator); // ties to even
    return static_cast<std::uint8_t>(std::clamp(rounded, 0.0f, 255.0f));
}

} // namespace

void ResamplePng(TPngImage &image, int width, int height)
{
    const int colorType = image.ColorType();
    if (colorType != COLOR_RGB && colorType != COLOR_RGBALPHA)
        throw AppError(QStringLiteral("Only COLOR_RGBALPHA and COLOR_RGB formats are supported"));
    const bool alpha = colorType == COLOR_RGBALPHA;
    const int sw = image.Width();
    const int sh = image.Height();

    TPngImage result;
    result.CreateBlank(alpha ? COLOR_RGBALPHA : COLOR_RGB, 8, width, height);

    const float sx = sw > 1 ? Single(double(width) / double(sw - 1)) : 0.0f;
    const float sy = sh > 1 ? Single(double(height) / double(sh - 1)) : 0.0f;

    for (int y = 0; y < height; ++y) {
        const AxisStep row = Step(y, sy, sh);
        const int rows[2] = {row.first, row.second};
        const float wy[2] = {row.w0, row.w1};
        std::uint8_t *out = result.Scanline(y);
        std::uint8_t *outAlpha = result.AlphaScanline(y);
        for (int x = 0; x < width; ++x) {
            const AxisStep column = Step(x, sx, sw);
            const int columns[2] = {column.first, column.second};
            const float wx[2] = {column.w0, column.w1};
            float sum[4] = {0.0f, 0.0f, 0.0f, 0.0f};
            for (int i = 0; i < 2; ++i) {
                for (int j = 0; j < 2; ++j) {
                    const float w = Single(double(wx[i]) * double(wy[j]));
                    const std::uint8_t *colour = image.Scanline(rows[j]) + 3 * columns[i];
                    for (int c = 0; c < 3; ++c)
                        sum[c] = Single(double(sum[c]) + double(colour[c]) * double(w));
                    if (alpha)
                        sum[3] = Single(double(sum[3]) + double(image.AlphaScanline(rows[j])[columns[i]]) * double(w));
                }
            }
            for (int c = 0; c < 3; ++c)
                out[3 * x + c] = ToByte(sum[c]);
            if (alpha)
                outAlpha[x] = ToByte(sum[3]);
        }
    }
    image = std::move(result);
}
