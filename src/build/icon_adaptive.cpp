#include "build/icon_adaptive.h"

#include "build/app_icons.h"
#include "build/file_errors.h"

#include "media/picture.h"
#include "media/png_image.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>

#include <algorithm>

namespace {

struct Layer
{
    const char *density;
    int scale4; // pixels of 4 dp: 1 dp is scale4 / 4 pixels
};

constexpr int kLayerDp = 108;
constexpr int kShownDp = 72;

constexpr Layer Layers[] = {{"mdpi", 4}, {"hdpi", 6}, {"xhdpi", 8}, {"xxhdpi", 12}, {"xxxhdpi", 16}};

void Save(const TPngImage &png, const QString &file)
{
    QDir().mkpath(QFileInfo(file).absolutePath());
    png.SaveToFile(file);
}

QByteArray ColourResource(QRgb colour)
{
    const QByteArray hex = QByteArray::number(colour | 0xFF000000u, 16).toUpper();
    return "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<resources>\r\n"
           "    <color name=\"icon_background\">#"
        + hex + "</color>\r\n</resources>\r\n";
}

} // namespace

TPngImage ForegroundLayer(const TPngImage &icon, int size)
{
    const QImage picture = icon.ToImage();
    TPngImage layer;
    layer.CreateBlank(COLOR_RGBALPHA, 8, size, size);
    const int left = (size - picture.width()) / 2;
    const int top = (size - picture.height()) / 2;
    for (int y = 0; y < picture.height(); ++y) {
        const QRgb *from = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
        std::uint8_t *colour = layer.Scanline(top + y) + 3 * left;
        std::uint8_t *alpha = layer.AlphaScanline(top + y) + left;
        for (int x = 0; x < picture.width(); ++x) {
            colour[3 * x] = qRed(from[x]);
            colour[3 * x + 1] = qGreen(from[x]);
            colour[3 * x + 2] = qBlue(from[x]);
            alpha[x] = qAlpha(from[x]);
        }
    }
    return layer;
}

QRgb BorderColour(const QImage &source)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width();
    const int h = image.height();
    const int ring = std::max(1, std::min(w, h) / 48);
    double sum[3] = {0, 0, 0};
    long long count = 0;
    for (int y = 0; y < h; ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        const bool edgeRow = y < ring || y >= h - ring;
        for (int x = 0; x < w; ++x) {
            if (!edgeRow && x >= ring && x < w - ring)
                continue;
            const double a = qAlpha(row[x]) / 255.0;
            sum[0] += qRed(row[x]) * a + 255 * (1 - a);
            sum[1] += qGreen(row[x]) * a + 255 * (1 - a);
            sum[2] += qBlue(row[x]) * a + 255 * (1 - a);
            ++count;
        }
    }
    if (count == 0)
        return qRgb(255, 255, 255);
    const auto mean = [&](int c) { return static_cast<int>(sum[c] / double(count) + 0.5); };
    return qRgb(mean(0), mean(1), mean(2));
}

void MakeTodaysLauncherIcons(const QString &iconFile, const QString &folder)
{
    const TPicture picture = LoadIconPicture(iconFile);
    Save(PngIcon(picture, 144), folder + QStringLiteral("res/drawable-xxhdpi/icon.png"));
    Save(PngIcon(picture, 192), folder + QStringLiteral("res/drawable-xxxhdpi/icon.png"));

    QRgb background = qRgb(255, 255, 255);
    for (const Layer &layer : Layers) {
        const TPngImage shown = PngIcon(picture, kShownDp * layer.scale4 / 4);
        Save(ForegroundLayer(shown, kLayerDp * layer.scale4 / 4),
             folder + QStringLiteral("res/drawable-") + QLatin1String(layer.density)
                 + QStringLiteral("/icon_foreground.png"));
        background = BorderColour(shown.ToImage()); // the largest, last, counts
    }
    const QString values = folder + QStringLiteral("res/values/icon_background.xml");
    QDir().mkpath(QFileInfo(values).absolutePath());
    WriteWholeFile(values, ColourResource(background));
}
