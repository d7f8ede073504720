#include "media/embedded_picture.h"

#include "media/picture_loader.h"

#include "platform/app_error.h"

namespace {

// The extension the leading bytes call for, or empty.
QString ExtensionByContent(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xD8\xFF"))
        return QStringLiteral(".jpg");
    if (bytes.startsWith("\x89PNG\r\n\x1A\n"))
        return QStringLiteral(".png");
    if (bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a"))
        return QStringLiteral(".gif");
    if (bytes.startsWith("BM"))
        return QStringLiteral(".bmp");
    return {};
}

bool IsPictureType(const QString &declaredType)
{
    const QString type = declaredType.trimmed().toLower();
    return type.isEmpty() || type.startsWith(QLatin1String("image/"));
}

} // namespace

std::optional<EmbeddedPicture> UsablePicture(const QByteArray &bytes, const QString &declaredType)
{
    if (bytes.isEmpty() || bytes.size() > MaxEmbeddedPictureBytes || !IsPictureType(declaredType))
        return std::nullopt;
    const QString extension = ExtensionByContent(bytes);
    if (extension.isEmpty())
        return std::nullopt;
    try {
        // A JPEG is decoded at a small size: the whole file is still read,
        // so a cut or damaged one is found, at a fraction of the work.
        DecodePicture(bytes, extension, [](QSize) { return QSize(16, 16); });
    } catch (const AppError &) {
        return std::nullopt;
    }
    return EmbeddedPicture{bytes, extension};
}
