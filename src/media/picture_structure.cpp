#include "media/picture_structure.h"

#include <cstdint>
#include <cstring>

namespace {

class ByteReader
{
public:
    explicit ByteReader(const QByteArray &bytes)
        : m_data(reinterpret_cast<const std::uint8_t *>(bytes.constData())), m_size(size_t(bytes.size())) {}

    size_t Size() const { return m_size; }
    bool Has(size_t position, size_t count) const { return position <= m_size && count <= m_size - position; }
    std::uint8_t At(size_t position) const { return m_data[position]; }
    unsigned Le16(size_t p) const { return unsigned(m_data[p]) | unsigned(m_data[p + 1]) << 8; }
    std::uint32_t Le32(size_t p) const { return Le16(p) | std::uint32_t(Le16(p + 2)) << 16; }
    unsigned Be16(size_t p) const { return unsigned(m_data[p]) << 8 | unsigned(m_data[p + 1]); }
    // The position of the next 0xFF at or after `from`, or Size().
    size_t NextFF(size_t from) const
    {
        if (from >= m_size)
            return m_size;
        const void *hit = std::memchr(m_data + from, 0xFF, m_size - from);
        return hit ? size_t(static_cast<const std::uint8_t *>(hit) - m_data) : m_size;
    }

private:
    const std::uint8_t *m_data;
    size_t m_size;
};

bool IsRestartOrStuffing(std::uint8_t marker)
{
    return marker == 0x00 || (marker >= 0xD0 && marker <= 0xD7);
}

// Skips a chain of GIF data sub-blocks; false when the data ends inside it.
bool SkipSubBlocks(const ByteReader &in, size_t &position)
{
    while (in.Has(position, 1)) {
        const std::uint8_t length = in.At(position);
        position += 1 + size_t(length);
        if (length == 0)
            return true;
    }
    return false;
}

} // namespace

JpegEnd InspectJpegEnd(const QByteArray &bytes)
{
    const ByteReader in(bytes);
    if (!in.Has(0, 2) || in.At(0) != 0xFF || in.At(1) != 0xD8)
        return JpegEnd::Truncated;
    size_t position = 2;
    while (true) {
        position = in.NextFF(position); // decoders skip stray bytes between segments
        while (in.Has(position, 1) && in.At(position) == 0xFF)
            ++position;
        if (!in.Has(position, 1))
            return JpegEnd::Truncated;
        const std::uint8_t marker = in.At(position++);
        if (marker == 0xD9)
            return JpegEnd::Complete;
        if (marker == 0x01 || IsRestartOrStuffing(marker) || marker == 0xD8)
            continue;
        if (!in.Has(position, 2))
            return JpegEnd::Truncated;
        position += in.Be16(position);
        if (!in.Has(position, 0))
            return JpegEnd::Truncated;
        if (marker != 0xDA)
            continue;
        // Entropy-coded data runs to the next marker other than a restart or
        // a stuffed zero.
        while (true) {
            position = in.NextFF(position);
            if (!in.Has(position, 2))
                return JpegEnd::InScanData;
            const std::uint8_t next = in.At(position + 1);
            if (next != 0xFF && !IsRestartOrStuffing(next))
                break;
            position += next == 0xFF ? 1 : 2;
        }
    }
}

QSize BmpClaimedSize(const QByteArray &bytes)
{
    const ByteReader in(bytes);
    if (!in.Has(0, 18) || in.At(0) != 'B' || in.At(1) != 'M')
        return QSize();
    const std::uint32_t infoSize = in.Le32(14);
    if (infoSize == 12 && in.Has(18, 4))
        return QSize(int(in.Le16(18)), int(in.Le16(20)));
    if (infoSize < 40 || !in.Has(18, 8))
        return QSize();
    const auto width = std::int32_t(in.Le32(18));
    const auto height = std::int32_t(in.Le32(22));
    if (width == INT32_MIN || height == INT32_MIN)
        return QSize();
    return QSize(width < 0 ? -width : width, height < 0 ? -height : height);
}

bool BmpIsComplete(const QByteArray &bytes)
{
    const ByteReader in(bytes);
    const QSize size = BmpClaimedSize(bytes);
    if (!size.isValid())
        return true; // the decoder judges a header this check cannot read
    const std::uint32_t infoSize = in.Le32(14);
    unsigned bitsPerPixel = 0;
    std::uint32_t compression = 0;
    if (infoSize == 12 && in.Has(24, 2)) {
        bitsPerPixel = in.Le16(24);
    } else if (infoSize != 12 && in.Has(28, 6)) {
        bitsPerPixel = in.Le16(28);
        compression = in.Le32(30);
    } else {
        return false;
    }
    const bool uncompressed = compression == 0 || compression == 3 || compression == 6;
    if (!uncompressed)
        return true;
    const unsigned long long stride = (static_cast<unsigned long long>(size.width()) * bitsPerPixel + 31) / 32 * 4;
    const unsigned long long needed = in.Le32(10) + stride * static_cast<unsigned long long>(size.height());
    return needed <= in.Size();
}

GifFirstFrame InspectGifFirstFrame(const QByteArray &bytes)
{
    const ByteReader in(bytes);
    if (!in.Has(0, 13))
        return GifFirstFrame::Truncated;
    const unsigned screenWidth = in.Le16(6);
    const unsigned screenHeight = in.Le16(8);
    const std::uint8_t flags = in.At(10);
    size_t position = 13;
    if (flags & 0x80)
        position += 3 * (size_t(2) << (flags & 7));
    while (in.Has(position, 1)) {
        const std::uint8_t block = in.At(position);
        if (block == 0x21) { // extension: label, then sub-blocks
            position += 2;
            if (!SkipSubBlocks(in, position))
                return GifFirstFrame::Truncated;
        } else if (block == 0x2C) { // image descriptor
            if (!in.Has(position, 10))
                return GifFirstFrame::Truncated;
            const unsigned left = in.Le16(position + 1);
            const unsigned top = in.Le16(position + 3);
            const unsigned width = in.Le16(position + 5);
            const unsigned height = in.Le16(position + 7);
            const std::uint8_t imageFlags = in.At(position + 9);
            position += 10;
            if (imageFlags & 0x80)
                position += 3 * (size_t(2) << (imageFlags & 7));
            position += 1; // LZW minimum code size
            if (!SkipSubBlocks(in, position))
                return GifFirstFrame::Truncated;
            // A screen of 0 × 0 takes the frame's size in the decoder.
            const bool visible = (screenWidth == 0 && screenHeight == 0)
                || (width > 0 && height > 0 && left < screenWidth && top < screenHeight);
            return visible ? GifFirstFrame::Complete : GifFirstFrame::OutsideScreen;
        } else if (block == 0x3B) {
            return GifFirstFrame::Missing;
        } else {
            return GifFirstFrame::Complete; // unknown block: the decoder judges it
        }
    }
    return GifFirstFrame::Truncated;
}
