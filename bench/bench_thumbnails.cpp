// Time per row thumbnail: PrepareThumbnail (a JPEG decoded at reduced size)
// against a full decode followed by smooth scaling, for 4000 × 3000 JPEG
// photos and 1000 × 1000 PNG pictures made here.
//
//   bench_thumbnails [rounds]      (default 5 rounds over 4 files a format)
#include "album/thumbnail.h"
#include "media/picture_loader.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLoggingCategory>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// A photo-like picture: gradients, a few shapes and, with `noise`, fine
// grain like a camera's, which makes a JPEG about as large as a photo's.
QImage MakePicture(int width, int height, quint32 seed, int noise)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int grain = noise ? int(random.bounded(noise)) : 0;
            line[x] = qRgb((x * 255 / width + grain) % 256, (y * 255 / height + grain) % 256,
                           ((x + y) * 127 / (width + height) + int(seed) * 40) % 256);
        }
    }
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 12; ++i) {
        painter.setBrush(QColor::fromRgb(random.generate()));
        painter.drawEllipse(QPoint(int(random.bounded(width)), int(random.bounded(height))), width / 10, height / 10);
    }
    return image;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Milliseconds of one call.
double TimeOne(const QString &file, const std::function<QImage(const QString &)> &work)
{
    QElapsedTimer timer;
    timer.start();
    const QImage thumbnail = work(file);
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    if (thumbnail.isNull())
        std::fprintf(stderr, "no thumbnail for %s\n", qPrintable(file));
    return ms;
}

QImage Reduced(const QString &file)
{
    return PrepareThumbnail(file).value_or(QImage());
}

QImage FullDecodeAndScale(const QString &file)
{
    QImage thumbnail;
    MakeThumbnail(LoadPicture(file).ToBitmap(), thumbnail);
    return thumbnail;
}

// The two ways take turns on every file, so that a busy machine slows both alike.
void Report(const char *name, const QStringList &files, int rounds)
{
    for (const QString &file : files) { // warms the file cache and the image plugins
        TimeOne(file, Reduced);
        TimeOne(file, FullDecodeAndScale);
    }
    std::vector<double> reduced;
    std::vector<double> full;
    for (int round = 0; round < rounds; ++round) {
        for (const QString &file : files) {
            if (round % 2) {
                reduced.push_back(TimeOne(file, Reduced));
                full.push_back(TimeOne(file, FullDecodeAndScale));
            } else {
                full.push_back(TimeOne(file, FullDecodeAndScale));
                reduced.push_back(TimeOne(file, Reduced));
            }
        }
    }
    const double a = Median(reduced);
    const double b = Median(full);
    std::printf("%-22s PrepareThumbnail %8.2f ms   full decode + smooth scale %8.2f ms   ratio %.3f\n", name, a, b,
                a / b);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QGuiApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio*=false"));
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 5;

    QTemporaryDir dir;
    QStringList grainy;
    QStringList smooth;
    QStringList pngs;
    qint64 grainyBytes = 0;
    qint64 smoothBytes = 0;
    for (quint32 i = 0; i < 4; ++i) {
        const QString a = dir.filePath(QStringLiteral("grainy%1.jpg").arg(i));
        MakePicture(4000, 3000, i + 1, 24).save(a, "jpeg", 90);
        grainy << a;
        grainyBytes += QFileInfo(a).size();
        const QString b = dir.filePath(QStringLiteral("smooth%1.jpg").arg(i));
        MakePicture(4000, 3000, i + 1, 0).save(b, "jpeg", 90);
        smooth << b;
        smoothBytes += QFileInfo(b).size();
        const QString png = dir.filePath(QStringLiteral("picture%1.png").arg(i));
        MakePicture(1000, 1000, i + 11, 24).save(png, "png");
        pngs << png;
    }
    std::printf("median time per thumbnail, %d rounds over 4 files each\n", rounds);
    std::printf("(grainy JPEGs %.1f MB on average, smooth JPEGs %.1f MB)\n", double(grainyBytes) / 4e6,
                double(smoothBytes) / 4e6);
    Report("JPEG 4000x3000 grainy", grainy, rounds);
    Report("JPEG 4000x3000 smooth", smooth, rounds);
    Report("PNG 1000x1000", pngs, rounds);
    return 0;
}
