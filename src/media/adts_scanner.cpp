#include "media/adts_scanner.h"

#include "media/song_tags.h"

#include <algorithm>

namespace {

constexpr int kSampleRates[13] = {96000, 88200, 64000, 48000, 44100, 32000, 24000,
                                  22050, 16000, 12000, 11025, 8000, 7350};
constexpr int kAdtsHeader = 7;
constexpr int kId3Header = 10;
// Junk tolerated in front of the first frame, as for MPEG files.
constexpr qint64 kSyncSearchLimit = SongProbeBytes;

struct FrameHeader
{
    int length = 0;
    int sampleRate = 0;
    int blocks = 0;
};

// The header at `pos`, or a header of length 0 when there is none.
FrameHeader ParseHeader(const uchar *data, qint64 size, qint64 pos)
{
    FrameHeader header;
    if (pos < 0 || size - pos < kAdtsHeader)
        return header;
    const uchar *p = data + pos;
    // 12 sync bits, then the MPEG version bit, and a layer that is always 0.
    if (p[0] != 0xFF || (p[1] & 0xF6) != 0xF0)
        return header;
    const int rateIndex = (p[2] >> 2) & 0x0F;
    if (rateIndex >= 13)
        return header;
    const int length = ((p[3] & 0x03) << 11) | (p[4] << 3) | (p[5] >> 5);
    const int headerLength = (p[1] & 0x01) ? kAdtsHeader : kAdtsHeader + 2;
    if (length <= headerLength || length > size - pos)
        return header;
    header.length = length;
    header.sampleRate = kSampleRates[rateIndex];
    header.blocks = (p[6] & 0x03) + 1;
    return header;
}

// A frame is taken as the stream's first when the one after it is a frame
// too, or when it ends the data.
bool StartsStream(const uchar *data, qint64 size, qint64 pos)
{
    const FrameHeader first = ParseHeader(data, size, pos);
    if (first.length == 0)
        return false;
    const qint64 next = pos + first.length;
    return next == size || ParseHeader(data, size, next).length > 0
        || size - next < kAdtsHeader;
}

} // namespace

qint64 Id3v2TagsLength(const uchar *data, qint64 size, qint64 offset)
{
    qint64 pos = offset;
    while (pos >= 0 && size - pos >= kId3Header && data[pos] == 'I' && data[pos + 1] == 'D'
           && data[pos + 2] == '3') {
        const uchar *p = data + pos;
        if ((p[6] | p[7] | p[8] | p[9]) & 0x80)
            break; // not a synchsafe size: no tag
        const qint64 body = (qint64(p[6]) << 21) | (qint64(p[7]) << 14)
            | (qint64(p[8]) << 7) | qint64(p[9]);
        const bool footer = (p[5] & 0x10) != 0;
        pos += kId3Header + body + (footer ? kId3Header : 0);
    }
    return pos - offset;
}

AdtsSummary ScanAdts(const uchar *data, qint64 size, qint64 start)
{
    AdtsSummary summary;
    if (!data || size <= 0 || start < 0)
        return summary;
    qint64 pos = start;
    const qint64 searchEnd = std::min(size, start + kSyncSearchLimit);
    while (pos < searchEnd && !StartsStream(data, size, pos))
        ++pos;
    if (pos >= searchEnd)
        return summary;

    summary.firstFrame = pos;
    for (;;) {
        const FrameHeader header = ParseHeader(data, size, pos);
        if (header.length == 0)
            break;
        if (summary.sampleRate == 0)
            summary.sampleRate = header.sampleRate;
        ++summary.frames;
        summary.samples += qint64(header.blocks) * 1024;
        pos += header.length;
    }
    return summary;
}
