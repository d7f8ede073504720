#include "media/png_image.h"

#include "media/picture_limits.h"

#include "platform/app_error.h"

#include <QFile>

#include <png.h>

#include <algorithm>
#include <cstring>
#include <new>

// libpng reports errors by longjmp. Every call into it runs inside a guard
// function that holds the setjmp and nothing else; the work itself lives in
// plain functions whose frames own no objects with destructors, so a longjmp
// out of them skips nothing that needed cleaning up. The png structures are
// released by the RAII holders in the calling frames.

namespace {

struct PngFailure
{
    char message[200] = {};
};

[[noreturn]] void OnPngError(png_structp png, png_const_charp message)
{
    auto *failure = static_cast<PngFailure *>(png_get_error_ptr(png));
    std::snprintf(failure->message, sizeof failure->message, "%s", message ? message : "");
    png_longjmp(png, 1);
}

void OnPngWarning(png_structp, png_const_charp) {}

QString PngErrorText(const char *reason)
{
    return QStringLiteral("PNG image error: %1").arg(QString::fromUtf8(reason));
}

bool ValidDepth(int colorType, int bitDepth)
{
    switch (colorType) {
    case COLOR_GRAYSCALE:
        return bitDepth == 1 || bitDepth == 2 || bitDepth == 4 || bitDepth == 8 || bitDepth == 16;
    case COLOR_PALETTE:
        return bitDepth == 1 || bitDepth == 2 || bitDepth == 4 || bitDepth == 8;
    case COLOR_RGB:
    case COLOR_GRAYSCALEALPHA:
    case COLOR_RGBALPHA:
        return bitDepth == 8 || bitDepth == 16;
    default:
        return false;
    }
}

} // namespace

// ---------------------------------------------------------------------------
// Reading

class PngReader
{
public:
    PngReader(TPngImage &image, const QByteArray &bytes) : m_image(image), m_bytes(bytes) {}
    ~PngReader()
    {
        if (m_png)
            png_destroy_read_struct(&m_png, m_info ? &m_info : nullptr, nullptr);
    }

    void Read()
    {
        m_png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &m_failure, OnPngError, OnPngWarning);
        if (!m_png)
            throw AppError(PngErrorText("out of memory"));
        m_info = png_create_info_struct(m_png);
        if (!m_info)
            throw AppError(PngErrorText("out of memory"));
        png_set_read_fn(m_png, this, ReadBytes);
        if (!Guarded(m_png, *this))
            throw AppError(m_tooLarge ? PictureTooLargeMessage(m_claimedWidth, m_claimedHeight)
                                      : PngErrorText(m_failure.message));
    }

private:
    static bool Guarded(png_structp png, PngReader &reader)
    {
        if (setjmp(png_jmpbuf(png)))
            return false;
        reader.Body();
        return true;
    }

    static void ReadBytes(png_structp png, png_bytep out, size_t count)
    {
        auto *reader = static_cast<PngReader *>(png_get_io_ptr(png));
        const size_t left = size_t(reader->m_bytes.size()) - reader->m_position;
        if (count > left)
            png_error(png, "Premature end of file");
        std::memcpy(out, reader->m_bytes.constData() + reader->m_position, count);
        reader->m_position += count;
    }

    // Runs under the guard: no local may own anything.
    void Body()
    {
        png_read_info(m_png, m_info);
        png_uint_32 width = 0, height = 0;
        int bitDepth = 0, colorType = 0, interlace = 0;
        png_get_IHDR(m_png, m_info, &width, &height, &bitDepth, &colorType, &interlace, nullptr, nullptr);
        if (PictureTooLarge(width, height)) {
            m_tooLarge = true;
            m_claimedWidth = width;
            m_claimedHeight = height;
            png_longjmp(m_png, 1);
        }
        m_image.m_width = int(width);
        m_image.m_height = int(height);
        m_image.m_colorType = colorType;
        m_image.m_bitDepth = bitDepth;
        ReadTransparency();

        if (bitDepth < 8)
            png_set_packing(m_png); // one raw value a byte
        const int passes = png_set_interlace_handling(m_png);
        png_read_update_info(m_png, m_info);
        m_rowBytes = png_get_rowbytes(m_png, m_info);
        m_image.Allocate();

        if (passes == 1) {
            m_raw.resize(m_rowBytes);
            for (int y = 0; y < m_image.m_height; ++y) {
                png_read_row(m_png, m_raw.data(), nullptr);
                Store(y, m_raw.data());
            }
        } else {
            m_raw.resize(m_rowBytes * size_t(m_image.m_height));
            m_rows.resize(size_t(m_image.m_height));
            for (int y = 0; y < m_image.m_height; ++y)
                m_rows[size_t(y)] = m_raw.data() + m_rowBytes * size_t(y);
            png_read_image(m_png, m_rows.data());
            for (int y = 0; y < m_image.m_height; ++y)
                Store(y, m_rows[size_t(y)]);
        }
        // The trailing chunks are not needed: once every row is read the
        // picture is complete, even when the file was cut after its data.
    }

    void ReadTransparency()
    {
        png_colorp palette = nullptr;
        int paletteSize = 0;
        if (png_get_PLTE(m_png, m_info, &palette, &paletteSize) & PNG_INFO_PLTE) {
            for (int i = 0; i < paletteSize; ++i) {
                m_image.m_palette.push_back(palette[i].red);
                m_image.m_palette.push_back(palette[i].green);
                m_image.m_palette.push_back(palette[i].blue);
            }
        }
        png_bytep alpha = nullptr;
        int alphaCount = 0;
        png_color_16p key = nullptr;
        if (png_get_tRNS(m_png, m_info, &alpha, &alphaCount, &key) & PNG_INFO_tRNS) {
            if (m_image.m_colorType == COLOR_PALETTE) {
                m_image.m_paletteAlpha.assign(alpha, alpha + alphaCount);
            } else if (key) {
                m_image.m_hasKey = true;
                if (m_image.m_colorType == COLOR_GRAYSCALE) {
                    m_image.m_key[0] = key->gray;
                } else {
                    m_image.m_key[0] = key->red;
                    m_image.m_key[1] = key->green;
                    m_image.m_key[2] = key->blue;
                }
            }
        }
    }

    // Splits one decoded row into colour, alpha and low-byte rows.
    void Store(int y, const std::uint8_t *row)
    {
        const int colour = m_image.ColourSamples();
        const bool hasAlpha = m_image.HasAlpha();
        const int perPixel = colour + (hasAlpha ? 1 : 0);
        std::uint8_t *c = m_image.Scanline(y);
        std::uint8_t *a = m_image.AlphaScanline(y);
        const int width = m_image.m_width;
        if (m_image.m_bitDepth == 16) {
            std::uint8_t *low = m_image.m_low.data() + size_t(y) * size_t(width) * size_t(perPixel);
            for (int x = 0; x < width; ++x) {
                for (int s = 0; s < perPixel; ++s, row += 2) {
                    if (s < colour)
                        *c++ = row[0];
                    else
                        *a++ = row[0];
                    *low++ = row[1];
                }
            }
        } else if (hasAlpha) {
            for (int x = 0; x < width; ++x) {
                for (int s = 0; s < colour; ++s)
                    *c++ = *row++;
                *a++ = *row++;
            }
        } else {
            std::memcpy(c, row, size_t(width) * size_t(colour));
        }
    }

    TPngImage &m_image;
    const QByteArray &m_bytes;
    size_t m_position = 0;
    PngFailure m_failure;
    png_structp m_png = nullptr;
    png_infop m_info = nullptr;
    size_t m_rowBytes = 0;
    std::vector<std::uint8_t> m_raw;
    std::vector<png_bytep> m_rows;
    bool m_tooLarge = false;
    long long m_claimedWidth = 0;
    long long m_claimedHeight = 0;
};

// ---------------------------------------------------------------------------
// Writing

class PngWriter
{
public:
    explicit PngWriter(const TPngImage &image) : m_image(image) {}
    ~PngWriter()
    {
        if (m_png)
            png_destroy_write_struct(&m_png, m_info ? &m_info : nullptr);
    }

    QByteArray Write()
    {
        m_png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &m_failure, OnPngError, OnPngWarning);
        if (!m_png)
            throw AppError(PngErrorText("out of memory"));
        m_info = png_create_info_struct(m_png);
        if (!m_info)
            throw AppError(PngErrorText("out of memory"));
        png_set_write_fn(m_png, this, WriteBytes, nullptr);
        if (!Guarded(m_png, *this))
            throw AppError(PngErrorText(m_failure.message));
        return m_out;
    }

private:
    static bool Guarded(png_structp png, PngWriter &writer)
    {
        if (setjmp(png_jmpbuf(png)))
            return false;
        writer.Body();
        return true;
    }

    static void WriteBytes(png_structp png, png_bytep data, size_t count)
    {
        auto *writer = static_cast<PngWriter *>(png_get_io_ptr(png));
        bool grown = true;
        try {
            writer->m_out.append(reinterpret_cast<const char *>(data), qsizetype(count));
        } catch (const std::bad_alloc &) {
            grown = false;
        }
        if (!grown)
            png_error(png, "out of memory");
    }

    void Body()
    {
        const TPngImage &image = m_image;
        png_set_IHDR(m_png, m_info, png_uint_32(image.m_width), png_uint_32(image.m_height), image.m_bitDepth,
                     image.m_colorType, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                     PNG_FILTER_TYPE_DEFAULT);
        if (image.m_colorType == COLOR_PALETTE && !image.m_palette.empty()) {
            m_palette.resize(image.m_palette.size() / 3);
            for (size_t i = 0; i < m_palette.size(); ++i)
                m_palette[i] = {image.m_palette[3 * i], image.m_palette[3 * i + 1], image.m_palette[3 * i + 2]};
            png_set_PLTE(m_png, m_info, m_palette.data(), int(m_palette.size()));
        }
        if (!image.m_paletteAlpha.empty()) {
            png_set_tRNS(m_png, m_info, image.m_paletteAlpha.data(), int(image.m_paletteAlpha.size()), nullptr);
        } else if (image.m_hasKey) {
            png_color_16 key{};
            key.gray = image.m_key[0];
            key.red = image.m_key[0];
            key.green = image.m_key[1];
            key.blue = image.m_key[2];
            png_set_tRNS(m_png, m_info, nullptr, 0, &key);
        }
        png_write_info(m_png, m_info);
        if (image.m_bitDepth < 8)
            png_set_packing(m_png);

        const int colour = image.ColourSamples();
        const int perPixel = colour + (image.HasAlpha() ? 1 : 0);
        const int bytesPerSample = image.m_bitDepth == 16 ? 2 : 1;
        m_row.resize(size_t(image.m_width) * size_t(perPixel) * size_t(bytesPerSample));
        for (int y = 0; y < image.m_height; ++y) {
            Assemble(y);
            png_write_row(m_png, m_row.data());
        }
        png_write_end(m_png, nullptr);
    }

    void Assemble(int y)
    {
        const TPngImage &image = m_image;
        const int colour = image.ColourSamples();
        const bool hasAlpha = image.HasAlpha();
        const int perPixel = colour + (hasAlpha ? 1 : 0);
        const std::uint8_t *c = image.Scanline(y);
        const std::uint8_t *a = image.AlphaScanline(y);
        std::uint8_t *out = m_row.data();
        if (image.m_bitDepth == 16) {
            const std::uint8_t *low = image.m_low.data() + size_t(y) * size_t(image.m_width) * size_t(perPixel);
            for (int x = 0; x < image.m_width; ++x) {
                for (int s = 0; s < perPixel; ++s) {
                    *out++ = s < colour ? *c++ : *a++;
                    *out++ = *low++;
                }
            }
        } else {
            for (int x = 0; x < image.m_width; ++x) {
                for (int s = 0; s < colour; ++s)
                    *out++ = *c++;
                if (hasAlpha)
                    *out++ = *a++;
            }
        }
    }

    const TPngImage &m_image;
    PngFailure m_failure;
    png_structp m_png = nullptr;
    png_infop m_info = nullptr;
    std::vector<png_color> m_palette;
    std::vector<std::uint8_t> m_row;
    QByteArray m_out;
};

// ---------------------------------------------------------------------------
// TPngImage

int TPngImage::ColourSamplesOf(int colorType)
{
    return colorType == COLOR_RGB || colorType == COLOR_RGBALPHA ? 3 : 1;
}

void TPngImage::Allocate()
{
    const size_t pixels = size_t(m_width) * size_t(m_height);
    const size_t perPixel = size_t(ColourSamples()) + (HasAlpha() ? 1 : 0);
    m_colour.assign(pixels * size_t(ColourSamples()), 0);
    m_alpha.assign(HasAlpha() ? pixels : 0, 0);
    m_low.assign(m_bitDepth == 16 ? pixels * perPixel : 0, 0);
}

void TPngImage::CreateBlank(int colorType, int bitDepth, int width, int height)
{
    if (!ValidDepth(colorType, bitDepth))
        throw AppError(QStringLiteral("Invalid PNG colour type %1 with bit depth %2").arg(colorType).arg(bitDepth));
    if (width <= 0 || height <= 0)
        throw AppError(QStringLiteral("Invalid PNG image size %1 x %2").arg(width).arg(height));
    if (PictureTooLarge(width, height))
        throw AppError(PictureTooLargeMessage(width, height));
    *this = TPngImage();
    m_width = width;
    m_height = height;
    m_colorType = colorType;
    m_bitDepth = bitDepth;
    Allocate();
}

void TPngImage::AssignBitmap(const QImage &bitmap)
{
    const QImage rgb = bitmap.convertToFormat(QImage::Format_RGB888);
    CreateBlank(COLOR_RGB, 8, rgb.width(), rgb.height());
    for (int y = 0; y < m_height; ++y)
        std::memcpy(Scanline(y), rgb.constScanLine(y), size_t(m_width) * 3);
}

void TPngImage::LoadFromData(const QByteArray &bytes)
{
    TPngImage loaded;
    PngReader(loaded, bytes).Read();
    *this = std::move(loaded);
}

QByteArray TPngImage::SaveToData() const
{
    if (IsEmpty())
        throw AppError(PngErrorText("the image is empty"));
    return PngWriter(*this).Write();
}

void TPngImage::SaveToFile(const QString &path) const
{
    const QByteArray bytes = SaveToData();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw AppError(QStringLiteral("Cannot create file \"%1\". %2").arg(path, file.errorString()));
    if (file.write(bytes) != bytes.size() || !file.flush())
        throw AppError(QStringLiteral("Cannot write file \"%1\". %2").arg(path, file.errorString()));
}

std::uint8_t *TPngImage::Scanline(int y)
{
    return m_colour.data() + size_t(y) * size_t(m_width) * size_t(ColourSamples());
}

const std::uint8_t *TPngImage::Scanline(int y) const
{
    return m_colour.data() + size_t(y) * size_t(m_width) * size_t(ColourSamples());
}

std::uint8_t *TPngImage::AlphaScanline(int y)
{
    return HasAlpha() ? m_alpha.data() + size_t(y) * size_t(m_width) : nullptr;
}

const std::uint8_t *TPngImage::AlphaScanline(int y) const
{
    return HasAlpha() ? m_alpha.data() + size_t(y) * size_t(m_width) : nullptr;
}

QImage TPngImage::ToImage() const
{
    if (IsEmpty())
        return QImage();
    QImage image(m_width, m_height, QImage::Format_ARGB32);
    if (image.isNull())
        throw AppError(PictureTooLargeMessage(m_width, m_height));
    const int maxRaw = m_bitDepth < 8 ? (1 << m_bitDepth) - 1 : 255;
    const int perPixel = ColourSamples() + (HasAlpha() ? 1 : 0);
    const auto scale = [maxRaw](int raw) { return maxRaw == 255 ? raw : raw * 255 / maxRaw; };
    // The full sample value, for comparing with a tRNS key.
    const auto full = [&](int y, int x, int s) -> unsigned {
        const std::uint8_t high = Scanline(y)[x * ColourSamples() + s];
        if (m_bitDepth != 16)
            return high;
        return unsigned(high) << 8 | m_low[(size_t(y) * size_t(m_width) + size_t(x)) * size_t(perPixel) + size_t(s)];
    };
    const int paletteSize = int(m_palette.size() / 3);

    for (int y = 0; y < m_height; ++y) {
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        const std::uint8_t *c = Scanline(y);
        const std::uint8_t *a = AlphaScanline(y);
        for (int x = 0; x < m_width; ++x) {
            switch (m_colorType) {
            case COLOR_RGB:
            case COLOR_RGBALPHA: {
                int alpha = a ? a[x] : 255;
                if (m_hasKey && full(y, x, 0) == m_key[0] && full(y, x, 1) == m_key[1] && full(y, x, 2) == m_key[2])
                    alpha = 0;
                out[x] = qRgba(c[3 * x], c[3 * x + 1], c[3 * x + 2], alpha);
                break;
            }
            case COLOR_GRAYSCALE:
            case COLOR_GRAYSCALEALPHA: {
                const int grey = scale(c[x]);
                int alpha = a ? a[x] : 255;
                if (m_hasKey && full(y, x, 0) == m_key[0])
                    alpha = 0;
                out[x] = qRgba(grey, grey, grey, alpha);
                break;
            }
            case COLOR_PALETTE: {
                const int index = c[x];
                if (index < paletteSize) {
                    const int alpha = index < int(m_paletteAlpha.size()) ? m_paletteAlpha[size_t(index)] : 255;
                    out[x] = qRgba(m_palette[3 * size_t(index)], m_palette[3 * size_t(index) + 1],
                                   m_palette[3 * size_t(index) + 2], alpha);
                } else {
                    out[x] = qRgba(0, 0, 0, 255); // an index past the palette shows black
                }
                break;
            }
            default:
                out[x] = qRgba(0, 0, 0, 255);
            }
        }
    }
    return image;
}
