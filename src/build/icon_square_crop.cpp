#include "build/icon_square_crop.h"

#include <QRect>

void DrawSquareCrop(const QImage &source, QImage &destination, int size)
{
    const int w = source.width();
    const int h = source.height();
    QRect square(0, 0, w, h);
    if (w > h)
        square = QRect((w - h) / 2, 0, h, h);
    else if (w < h)
        square = QRect(0, (h - w) / 2, w, w);
    destination = source.copy(square)
                      .convertToFormat(QImage::Format_RGB32)
                      .scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}
