#include "media/picture_loader.h"

#include "media/file_kinds.h"
#include "media/jpeg_decoder.h"
#include "media/picture_limits.h"
#include "media/picture_structure.h"

#include "platform/app_error.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <mutex>

namespace {

QString DecoderError(const char *format, const QString &reason)
{
    return QStringLiteral("%1 image error: %2").arg(QLatin1String(format), reason);
}

QByteArray ReadPictureFile(const QString &path)
{
    const QFileInfo info(path);
    // Only regular files are opened: a folder fails, and a pipe or device
    // would block or never end.
    if (info.exists() && !info.isFile()) {
        const QString reason = info.isDir() ? QStringLiteral("Is a directory") : QStringLiteral("Not a regular file");
        throw AppError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, reason));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    if (file.size() > MaxPictureFileBytes)
        throw AppError(QStringLiteral("Picture file too large (%1 bytes)").arg(file.size()));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw AppError(QStringLiteral("Cannot read file \"%1\". %2").arg(path, file.errorString()));
    return bytes;
}

// Qt refuses images above its allocation limit (128 MB by default); ours is
// MaxPicturePixels at four bytes a pixel, with room for the decoder's rows.
void RaiseQtAllocationLimit()
{
    static std::once_flag once;
    std::call_once(once, [] {
        const int megabytes = int(MaxPicturePixels * 4 / (1024 * 1024)) + 64;
        if (QImageReader::allocationLimit() < megabytes)
            QImageReader::setAllocationLimit(megabytes);
    });
}

QImage DecodeWithQt(const QByteArray &bytes, const char *qtFormat, const char *name, QSize claimed)
{
    RaiseQtAllocationLimit();
    if (bytes.isEmpty())
        throw AppError(DecoderError(name, QStringLiteral("The file is empty")));
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, qtFormat);
    reader.setAutoDetectImageFormat(false); // the extension alone chooses the decoder
    reader.setAutoTransform(false);
    const QSize size = reader.size().isValid() ? reader.size() : claimed;
    if (PictureTooLarge(size.width(), size.height()))
        throw AppError(PictureTooLargeMessage(size.width(), size.height()));
    QImage image;
    if (!reader.read(&image))
        throw AppError(DecoderError(name, reader.errorString()));
    return image;
}

// A Windows bitmap is drawn without transparency; a bitmap whose pixels carry
// alpha is flattened onto white.
QImage Opaque(const QImage &image)
{
    if (!image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_RGB32);
    return FlattenOnWhite(image);
}

TPicture DecodeJpeg(const QByteArray &bytes, const std::function<QSize(QSize)> &sizeFor)
{
    JpegPicture jpeg = DecodeJpegData(bytes, sizeFor);
    return TPicture(PictureKind::Jpeg, std::move(jpeg.image), jpeg.storedSize);
}

TPicture DecodeBitmap(const QByteArray &bytes)
{
    const QSize claimed = BmpClaimedSize(bytes);
    if (PictureTooLarge(claimed.width(), claimed.height()))
        throw AppError(PictureTooLargeMessage(claimed.width(), claimed.height()));
    if (!BmpIsComplete(bytes))
        throw AppError(DecoderError("BMP", QStringLiteral("Premature end of file")));
    const QImage image = DecodeWithQt(bytes, "bmp", "BMP", claimed);
    return TPicture(PictureKind::Bitmap, Opaque(image));
}

TPicture DecodeGif(const QByteArray &bytes)
{
    switch (InspectGifFirstFrame(bytes)) {
    case GifFirstFrame::Complete:
        break;
    case GifFirstFrame::Truncated:
        if (bytes.isEmpty())
            break; // reported as an empty file below
        throw AppError(DecoderError("GIF", QStringLiteral("Premature end of file")));
    case GifFirstFrame::Missing:
        throw AppError(DecoderError("GIF", QStringLiteral("The file holds no image")));
    case GifFirstFrame::OutsideScreen:
        throw AppError(DecoderError("GIF", QStringLiteral("The first image lies outside the picture")));
    }
    return TPicture(PictureKind::Gif, DecodeWithQt(bytes, "gif", "GIF", QSize()));
}

TPicture DecodePng(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        throw AppError(DecoderError("PNG", QStringLiteral("The file is empty")));
    TPngImage png;
    png.LoadFromData(bytes);
    return TPicture(std::move(png));
}

} // namespace

PictureDecoder DecoderForExtension(const QString &extension)
{
    const QString e = extension.toLower();
    if (e == QLatin1String(".jpg") || e == QLatin1String(".jpeg"))
        return PictureDecoder::Jpeg;
    if (e == QLatin1String(".bmp"))
        return PictureDecoder::Bitmap;
    if (e == QLatin1String(".png"))
        return PictureDecoder::Png;
    if (e == QLatin1String(".gif"))
        return PictureDecoder::Gif;
    if (e == QLatin1String(".ico"))
        return PictureDecoder::Icon;
    if (e == QLatin1String(".wmf") || e == QLatin1String(".emf"))
        return PictureDecoder::Metafile;
    return PictureDecoder::None;
}

TPicture DecodePicture(const QByteArray &bytes, const QString &extension,
                       const std::function<QSize(QSize)> &sizeFor)
{
    switch (DecoderForExtension(extension)) {
    case PictureDecoder::Jpeg:
        return DecodeJpeg(bytes, sizeFor);
    case PictureDecoder::Bitmap:
        return DecodeBitmap(bytes);
    case PictureDecoder::Png:
        return DecodePng(bytes);
    case PictureDecoder::Gif:
        return DecodeGif(bytes);
    case PictureDecoder::Icon:
        return TPicture(PictureKind::Icon, DecodeWithQt(bytes, "ico", "ICO", QSize()));
    case PictureDecoder::Metafile:
        throw AppError(QStringLiteral("Windows metafiles (%1) cannot be decoded on this platform").arg(extension));
    case PictureDecoder::None:
        break;
    }
    throw AppError(QStringLiteral("Unknown picture file extension (.%1)").arg(extension.mid(1)));
}

TPicture LoadPicture(const QString &path, const std::function<QSize(QSize)> &sizeFor)
{
    const QString extension = FileExtension(path);
    const PictureDecoder decoder = DecoderForExtension(extension);
    if (decoder == PictureDecoder::None || decoder == PictureDecoder::Metafile)
        return DecodePicture(QByteArray(), extension); // throws the extension's error
    return DecodePicture(ReadPictureFile(path), extension, sizeFor);
}

TPicture LoadPicture(const QString &path)
{
    return LoadPicture(path, {});
}
