#include "album/thumbnail.h"

#include "album/album_globals.h"

#include "media/picture_loader.h"
#include "media/picture_scaling.h"
#include "platform/app_error.h"

#include <cmath>
#include <new>

QSize ThumbnailExtent(QSize source)
{
    const long long w = source.width();
    const long long h = source.height();
    const long long s = ThumbnailSize;
    if (w <= s && h <= s)
        return source;
    if (w > h)
        return QSize(int(s), int(RoundHalfEven(double(h * s) / double(w))));
    return QSize(int(RoundHalfEven(double(w * s) / double(h))), int(s));
}

void MakeThumbnail(const QImage &source, QImage &target)
{
    const QSize extent = ThumbnailExtent(source.size());
    if (extent == source.size()) {
        target = source.copy();
        return;
    }
    if (extent.isEmpty()) {
        target = QImage();
        return;
    }
    target = source.scaled(extent, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

std::optional<QImage> PrepareThumbnail(const QString &path)
{
    try {
        const TPicture picture = LoadPicture(path, ThumbnailExtent);
        QImage thumbnail;
        MakeThumbnail(picture.ToBitmap(), thumbnail);
        return thumbnail;
    } catch (const AppError &) {
        return std::nullopt;
    } catch (const std::bad_alloc &) {
        return std::nullopt;
    }
}
