#pragma once

#include <QtGlobal>

// Raw AAC files (ADTS) carry no index or duration: the playing time is the
// number of samples in their frames divided by the sample rate.
struct AdtsSummary
{
    qint64 frames = 0;
    qint64 samples = 0;  // 1024 per raw data block
    int sampleRate = 0;  // of the first frame; 0 when no frame was found
    qint64 firstFrame = -1;

    double Seconds() const { return sampleRate > 0 ? double(samples) / sampleRate : 0.0; }
};

// The size in bytes of the ID3v2 tags at `offset` (several may follow one
// another), 0 when none starts there. The result may point past `size`.
qint64 Id3v2TagsLength(const uchar *data, qint64 size, qint64 offset = 0);

// Counts the ADTS frames of data[0, size), starting at the first frame found
// at or after `start`. Counting stops at the first byte that is not a
// complete frame (trailing tags, junk, a cut final frame).
AdtsSummary ScanAdts(const uchar *data, qint64 size, qint64 start = 0);
