#pragma once

#include "media/png_image.h"

#include <QImage>

// What decoded a picture, by the file's extension.
enum class PictureKind { Bitmap, Jpeg, Png, Gif, Icon };

// A decoded picture. A Windows bitmap is opaque and is its own bitmap; a PNG
// keeps its PNG image with colour type, samples and alpha; the others hold
// the decoded image, with transparency where the format has it.
class TPicture
{
public:
    TPicture(PictureKind kind, QImage image);
    // A picture decoded at a reduced size; `storedSize` is the file's own.
    TPicture(PictureKind kind, QImage image, QSize storedSize);
    explicit TPicture(TPngImage png);

    PictureKind Kind() const { return m_kind; }
    int Width() const;
    int Height() const;
    // The size the file holds, also when the picture was decoded reduced.
    QSize StoredSize() const;
    bool IsBitmap() const { return m_kind == PictureKind::Bitmap; }
    bool IsPng() const { return m_kind == PictureKind::Png; }
    const TPngImage &Png() const { return m_png; }
    const QImage &Image() const { return m_image; } // empty for a PNG

    // Draws the picture with its top-left corner at (x, y); transparent
    // parts leave the target as it was.
    void Draw(QImage &target, int x, int y) const;

    // A bitmap of the picture's size: the bitmap itself for a Windows
    // bitmap, otherwise a white bitmap with the picture drawn at (0, 0).
    QImage ToBitmap() const;

private:
    PictureKind m_kind;
    QImage m_image;
    TPngImage m_png;
    QSize m_storedSize;
};

// The image drawn onto a white bitmap of its size: what shows of a picture
// when its transparent parts cannot stay transparent.
QImage FlattenOnWhite(const QImage &image);
