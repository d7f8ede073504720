#include "media/picture.h"

#include "media/picture_limits.h"

#include "platform/app_error.h"

#include <QPainter>

TPicture::TPicture(PictureKind kind, QImage image) : m_kind(kind), m_image(std::move(image))
{
    m_storedSize = m_image.size();
}

TPicture::TPicture(PictureKind kind, QImage image, QSize storedSize)
    : m_kind(kind), m_image(std::move(image)), m_storedSize(storedSize)
{
}

TPicture::TPicture(TPngImage png) : m_kind(PictureKind::Png), m_png(std::move(png)) {}

int TPicture::Width() const
{
    return IsPng() ? m_png.Width() : m_image.width();
}

int TPicture::Height() const
{
    return IsPng() ? m_png.Height() : m_image.height();
}

QSize TPicture::StoredSize() const
{
    return IsPng() ? QSize(m_png.Width(), m_png.Height()) : m_storedSize;
}

void TPicture::Draw(QImage &target, int x, int y) const
{
    QPainter painter(&target);
    painter.drawImage(x, y, IsPng() ? m_png.ToImage() : m_image);
}

QImage TPicture::ToBitmap() const
{
    if (IsPng())
        return FlattenOnWhite(m_png.ToImage());
    if (!m_image.hasAlphaChannel())
        return m_image.convertToFormat(QImage::Format_RGB32);
    return FlattenOnWhite(m_image);
}

QImage FlattenOnWhite(const QImage &image)
{
    QImage bitmap(image.size(), QImage::Format_RGB32);
    if (bitmap.isNull() && !image.isNull())
        throw AppError(PictureTooLargeMessage(image.width(), image.height()));
    bitmap.fill(Qt::white);
    QPainter painter(&bitmap);
    painter.drawImage(0, 0, image);
    return bitmap;
}
