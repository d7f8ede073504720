#include "album/default_album_icon.h"

#include "media/picture_loader.h"
#include "media/picture_scaling.h"
#include "platform/app_folder.h"
#include "settings/log.h"

#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

QImage DefaultAlbumIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;

    // The record.
    QRadialGradient vinyl(s / 2, s / 2, s * 0.46);
    vinyl.setColorAt(0.0, QColor(60, 60, 70));
    vinyl.setColorAt(1.0, QColor(20, 20, 28));
    painter.setPen(Qt::NoPen);
    painter.setBrush(vinyl);
    painter.drawEllipse(QPointF(s / 2, s / 2), s * 0.46, s * 0.46);
    painter.setPen(QPen(QColor(255, 255, 255, 40), s / 96.0));
    painter.setBrush(Qt::NoBrush);
    for (qreal r : {0.38, 0.32, 0.26})
        painter.drawEllipse(QPointF(s / 2, s / 2), s * r, s * r);

    // The label.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(230, 80, 60));
    painter.drawEllipse(QPointF(s / 2, s / 2), s * 0.17, s * 0.17);

    // A note on the label.
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(s * 0.46, s * 0.57), s * 0.05, s * 0.04);
    painter.drawRect(QRectF(s * 0.495, s * 0.40, s * 0.018, s * 0.17));
    QPainterPath flag;
    flag.moveTo(s * 0.495, s * 0.40);
    flag.lineTo(s * 0.58, s * 0.44);
    flag.lineTo(s * 0.58, s * 0.48);
    flag.lineTo(s * 0.513, s * 0.45);
    flag.closeSubpath();
    painter.drawPath(flag);

    // The spindle hole shows the background.
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.drawEllipse(QPointF(s / 2, s / 2), s * 0.025, s * 0.025);
    return image;
}

QString DefaultAlbumIconPath()
{
    return ApplicationFolder() + QStringLiteral("pic/dft.png");
}

QString DefaultAlbumIconFile()
{
    const QString file = DefaultAlbumIconPath();
    if (!QFile::exists(file) && !DefaultAlbumIcon().save(file, "PNG"))
        WriteLog(QStringLiteral("Cannot create default album icon ") + file);
    return file;
}

QImage LoadAlbumIconImage(const QString &path)
{
    const TPicture picture = LoadPicture(path, [](QSize size) { return FitWithin(size, QSize(192, 192)); });
    return picture.IsPng() ? picture.Png().ToImage() : picture.Image();
}
