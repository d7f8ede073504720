// Draws the default song pictures pic0.jpg … pic9.jpg and the desktop icon.
#include "album/default_album_icon.h"

#include <QDir>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>

namespace {

QImage SongPicture(int index)
{
    const int size = 480;
    QImage image(size, size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    const int hue = (index * 36 + 200) % 360;
    QLinearGradient background(0, 0, size, size);
    background.setColorAt(0, QColor::fromHsv(hue, 120, 240));
    background.setColorAt(1, QColor::fromHsv((hue + 40) % 360, 200, 120));
    painter.fillRect(image.rect(), background);

    // Index-dependent circles keep every picture distinct.
    painter.setPen(Qt::NoPen);
    for (int i = 0; i <= index + 2; ++i) {
        const int radius = 30 + (i * 37 + index * 11) % 90;
        const QPointF centre((i * 97 + index * 53) % size, (i * 61 + index * 131) % size);
        painter.setBrush(QColor::fromHsv((hue + i * 25) % 360, 90, 255, 70));
        painter.drawEllipse(centre, radius, radius);
    }

    // A stylised note in the middle.
    painter.setBrush(QColor(255, 255, 255, 210));
    painter.drawEllipse(QPointF(size * 0.44, size * 0.62), size * 0.07, size * 0.055);
    painter.drawRect(QRectF(size * 0.49, size * 0.30, size * 0.025, size * 0.33));
    painter.drawRect(QRectF(size * 0.49, size * 0.30, size * 0.14, size * 0.04));
    return image;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    for (int i = 0; i < 10; ++i) {
        if (!SongPicture(i).save(folder + QStringLiteral("/pic%1.jpg").arg(i), "JPEG", 88))
            return 1;
    }
    return DefaultAlbumIcon(256).save(folder + QStringLiteral("/pelorin.png")) ? 0 : 1;
}
