// A 200-megapixel JPEG through every use the window and the build make of a
// picture: row thumbnail, preview, toolbar icon and launcher icons. Each use
// runs in its own process, so its peak memory is its own.
//
//   bench_large_jpeg make FILE [WIDTH HEIGHT [baseline|progressive [GRAIN]]]
//                                      (default 16384 x 12208, baseline, grain 24 as in a photo)
//   bench_large_jpeg thumbnail|preview|icon|appicons FILE
//
// Prints the wall time and the peak resident memory of the use.
#include "app/form_show_pic.h"

#include "album/default_album_icon.h"
#include "album/thumbnail.h"
#include "build/app_icons.h"
#include "support/jpeg_writer.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>

#include <sys/resource.h>

namespace {
long PeakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}
} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s make|thumbnail|preview|icon|appicons FILE ...\n", argv[0]);
        return 2;
    }
    const char *use = argv[1];
    const QString file = QString::fromLocal8Bit(argv[2]);
    const long before = PeakKilobytes();
    QElapsedTimer timer;
    timer.start();
    QString result;
    if (std::strcmp(use, "make") == 0) {
        const int width = argc > 4 ? std::atoi(argv[3]) : 16384;
        const int height = argc > 4 ? std::atoi(argv[4]) : 12208;
        const bool progressive = argc > 5 && std::strcmp(argv[5], "progressive") == 0;
        const int grain = argc > 6 ? std::atoi(argv[6]) : 24;
        if (!WriteGradientJpeg(file, width, height, progressive, grain))
            return 1;
        result = QStringLiteral("%1 x %2 (%3 megapixels)").arg(width).arg(height).arg(double(width) * height / 1e6);
    } else if (std::strcmp(use, "thumbnail") == 0) {
        const std::optional<QImage> thumbnail = PrepareThumbnail(file);
        result = thumbnail ? QStringLiteral("%1 x %2").arg(thumbnail->width()).arg(thumbnail->height())
                           : QStringLiteral("no thumbnail");
    } else if (std::strcmp(use, "preview") == 0) {
        TFormShowPic preview;
        preview.PicturePath = file;
        preview.ShowPicture();
        preview.show();
        QCoreApplication::processEvents();
        result = QStringLiteral("window %1 x %2, picture shown at %3 x %4")
                     .arg(preview.frameGeometry().width()).arg(preview.frameGeometry().height())
                     .arg(preview.Image1->pixmap().width()).arg(preview.Image1->pixmap().height());
    } else if (std::strcmp(use, "icon") == 0) {
        const QImage icon = LoadAlbumIconImage(file);
        result = QStringLiteral("%1 x %2").arg(icon.width()).arg(icon.height());
    } else if (std::strcmp(use, "appicons") == 0) {
        QTemporaryDir work;
        for (const char *folder : {"drawable-xhdpi", "drawable-hdpi", "drawable-ldpi", "drawable-mdpi"})
            QDir(work.path()).mkpath(QStringLiteral("res/") + QLatin1String(folder));
        MakeAppIcons(file, work.path());
        result = QStringLiteral("four launcher icons");
    } else {
        return 2;
    }
    std::printf("%-9s %8.2f s  peak %7.1f MB (%.1f MB before)  %s\n", use, timer.nsecsElapsed() / 1e9,
                PeakKilobytes() / 1024.0, before / 1024.0, result.toUtf8().constData());
    return 0;
}
