#include "media/bounded_tag_stream.h"

#include <algorithm>

namespace {
constexpr long long kId3v2Header = 10;
constexpr long long kApeFooter = 32;
constexpr long long kId3v1 = 128;

quint32 LittleEndian32(const TagLib::ByteVector &bytes, unsigned offset)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | quint8(bytes[offset + unsigned(i)]);
    return value;
}
} // namespace

BoundedTagStream::BoundedTagStream(TagLib::IOStream &file) : m_file(file)
{
    m_length = std::max<long long>(file.length(), 0);

    // The ID3v2 tags at the start, one after another.
    long long tags = 0;
    for (;;) {
        const TagLib::ByteVector header = ReadAt(tags, unsigned(kId3v2Header));
        if (header.size() < kId3v2Header || !header.startsWith("ID3")
            || ((header[6] | header[7] | header[8] | header[9]) & 0x80))
            break;
        const long long body = (long long)header[6] << 21 | (long long)header[7] << 14
            | (long long)header[8] << 7 | (long long)header[9];
        tags += kId3v2Header + body + ((header[5] & 0x10) ? kId3v2Header : 0);
    }
    m_headEnd = std::min(m_length, tags + SongProbeBytes);

    // An APE tag ends the file or stands before its ID3v1 tag.
    long long ape = 0;
    for (const long long footer : {m_length - kApeFooter, m_length - kId3v1 - kApeFooter}) {
        const TagLib::ByteVector bytes = ReadAt(footer, unsigned(kApeFooter));
        if (footer >= 0 && bytes.size() == kApeFooter && bytes.startsWith("APETAGEX")) {
            ape = kId3v1 + kApeFooter + LittleEndian32(bytes, 12);
            break;
        }
    }
    m_tailStart = std::max(m_headEnd, m_length - SongProbeBytes - ape);
    m_position = 0;
}

TagLib::ByteVector BoundedTagStream::ReadAt(long long position, unsigned long length)
{
    if (position < 0 || position >= m_length)
        return {};
    m_file.seek(long(position));
    return m_file.readBlock(length);
}

TagLib::ByteVector BoundedTagStream::readBlock(unsigned long length)
{
    if (m_position >= m_headEnd && m_position < m_tailStart)
        return {};
    unsigned long allowed = length;
    if (m_position < m_headEnd)
        allowed = (unsigned long)std::min<long long>(length, m_headEnd - m_position);
    TagLib::ByteVector data = ReadAt(m_position, allowed);
    m_position += data.size();
    return data;
}

void BoundedTagStream::seek(long offset, Position p)
{
    // Kept here: TagLib's backward search seeks through the left-out middle
    // block by block, which then costs no call on the file.
    switch (p) {
    case Beginning: m_position = offset; break;
    case Current: m_position += offset; break;
    case End: m_position = m_length + offset; break;
    }
    m_position = std::max<long long>(m_position, 0);
}
