#pragma once

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QString>

#include <ostream>

// Pictures made by tests/data/pictures/make_pictures.py.
inline QString PictureFixture(const char *name)
{
    return QStringLiteral(PELORIN_TEST_DATA_DIR "/pictures/") + QLatin1String(name);
}

inline QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Colour type and bit depth from a PNG file's header.
struct PngHeader
{
    int colorType = -1;
    int bitDepth = -1;
    bool hasTransparencyChunk = false;
};

inline PngHeader ReadPngHeader(const QByteArray &bytes)
{
    PngHeader header;
    if (bytes.size() < 33 || !bytes.startsWith("\x89PNG\r\n\x1a\n"))
        return header;
    header.bitDepth = static_cast<unsigned char>(bytes[24]);
    header.colorType = static_cast<unsigned char>(bytes[25]);
    header.hasTransparencyChunk = bytes.contains("tRNS");
    return header;
}

// A PNG decoded by Qt's own PNG reader, as non-premultiplied ARGB.
inline QImage QtDecodedPng(const QString &path)
{
    return QImage(path, "png").convertToFormat(QImage::Format_ARGB32);
}

// Readable QString values in test failure messages.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
