// Feeds arbitrary bytes to the picture loader as JPEG, PNG, GIF or BMP (the
// first byte chooses), then takes every path a decoded picture can take:
// bitmap, thumbnail, PNG copy, save and resampling.
#include "album/thumbnail.h"
#include "build/icon_resample.h"
#include "media/picture_loader.h"
#include "platform/app_error.h"

#include <QGuiApplication>
#include <QLoggingCategory>

#include <cstddef>
#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    static std::unique_ptr<QGuiApplication> app(new QGuiApplication(*argc, *argv));
    QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio*=false"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    static const char *const extensions[] = {".jpg", ".png", ".gif", ".bmp"};
    const QString extension = QString::fromLatin1(extensions[data[0] % 4]);
    const bool reduced = data[0] & 4;
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    try {
        const TPicture picture = DecodePicture(bytes, extension, reduced ? ThumbnailExtent : std::function<QSize(QSize)>());
        QImage thumbnail;
        MakeThumbnail(picture.ToBitmap(), thumbnail);
        if (picture.IsPng()) {
            TPngImage copy = picture.Png();
            TPngImage reloaded;
            reloaded.LoadFromData(copy.SaveToData());
            if (copy.ColorType() == COLOR_RGB || copy.ColorType() == COLOR_RGBALPHA)
                ResamplePng(copy, 36, 36);
        }
    } catch (const AppError &) {
    }
    return 0;
}
