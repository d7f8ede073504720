#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <cstdint>
#include <vector>

// PNG colour types as the file header states them.
constexpr int COLOR_GRAYSCALE = 0;
constexpr int COLOR_RGB = 2;
constexpr int COLOR_PALETTE = 3;
constexpr int COLOR_GRAYSCALEALPHA = 4;
constexpr int COLOR_RGBALPHA = 6;

// A PNG image that keeps what the file says: colour type, bit depth, palette
// and transparency. Its pixels are held as 8-bit colour rows (three samples a
// pixel for RGB and RGBA, one for the other types) and separate alpha rows
// (RGBA and grey with alpha). Samples of 16-bit images are held as their most
// significant byte, the low bytes aside, so that saving loses nothing; samples
// of fewer than 8 bits hold the raw value, one pixel a byte.
class TPngImage
{
public:
    TPngImage() = default; // empty: no header, no pixels

    // A blank image (all samples 0). Throws AppError for a colour type and bit
    // depth that PNG does not allow together, or an empty or oversized image.
    void CreateBlank(int colorType, int bitDepth, int width, int height);

    // An RGB image with 8 bits per sample from a bitmap; alpha is dropped.
    void AssignBitmap(const QImage &bitmap);

    // Decodes PNG file bytes; throws AppError with the decoder's message.
    void LoadFromData(const QByteArray &bytes);
    QByteArray SaveToData() const;
    // Writes the image; throws AppError "Cannot create file ..." when the file
    // cannot be created.
    void SaveToFile(const QString &path) const;

    bool IsEmpty() const { return m_width == 0; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int ColorType() const { return m_colorType; }
    int BitDepth() const { return m_bitDepth; }
    bool HasAlpha() const { return m_colorType == COLOR_GRAYSCALEALPHA || m_colorType == COLOR_RGBALPHA; }
    int ColourSamples() const { return ColourSamplesOf(m_colorType); }

    // The 8-bit colour samples of row y; the alpha samples of row y, or
    // nullptr when the image has no alpha channel.
    std::uint8_t *Scanline(int y);
    const std::uint8_t *Scanline(int y) const;
    std::uint8_t *AlphaScanline(int y);
    const std::uint8_t *AlphaScanline(int y) const;

    // The picture as a non-premultiplied ARGB32 bitmap, for drawing.
    QImage ToImage() const;

    static int ColourSamplesOf(int colorType);

private:
    friend class PngReader;
    friend class PngWriter;

    void Allocate();

    int m_width = 0;
    int m_height = 0;
    int m_colorType = 0;
    int m_bitDepth = 0;
    std::vector<std::uint8_t> m_colour; // width × ColourSamples() per row
    std::vector<std::uint8_t> m_alpha;  // width per row, alpha types only
    std::vector<std::uint8_t> m_low;    // 16-bit images: low bytes, (colour + alpha) per pixel
    std::vector<std::uint8_t> m_palette; // RGB triplets
    std::vector<std::uint8_t> m_paletteAlpha; // tRNS of a palette image
    bool m_hasKey = false;               // tRNS of a grey or RGB image
    std::uint16_t m_key[3] = {0, 0, 0};  // the transparent grey or RGB value
};
