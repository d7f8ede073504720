#pragma once

#include "media/song_tags.h"

#include <tiostream.h>

// A read-only view of an MPEG song file for TagLib that leaves out the
// middle of a large file: the head (the ID3v2 tags and SongProbeBytes after
// them) and the tail (SongProbeBytes and an APE tag before the end) read as
// they are; a read that starts between them gives no data, as at the end of
// a file. TagLib looks for the first and the last audio frame by reading on
// until the data ends, so without the view a file that holds no frame near
// its start (a file of zeros named .mp3) is read whole, which takes minutes
// for a large one. With it, such a file reads as a song without duration.
class BoundedTagStream : public TagLib::IOStream
{
public:
    // `file` must stay open while the view is used.
    explicit BoundedTagStream(TagLib::IOStream &file);

    TagLib::FileName name() const override { return m_file.name(); }
    TagLib::ByteVector readBlock(unsigned long length) override;
    void writeBlock(const TagLib::ByteVector &) override {}
    void insert(const TagLib::ByteVector &, unsigned long = 0, unsigned long = 0) override {}
    void removeBlock(unsigned long = 0, unsigned long = 0) override {}
    bool readOnly() const override { return true; }
    bool isOpen() const override { return m_file.isOpen(); }
    void seek(long offset, Position p = Beginning) override;
    void clear() override {}
    long tell() const override { return long(m_position); }
    long length() override { return long(m_length); }
    void truncate(long) override {}

    long long HeadEnd() const { return m_headEnd; }
    long long TailStart() const { return m_tailStart; }

private:
    TagLib::ByteVector ReadAt(long long position, unsigned long length);

    TagLib::IOStream &m_file;
    long long m_length = 0;
    long long m_position = 0;
    long long m_headEnd = 0;   // reads from [HeadEnd, TailStart) give nothing
    long long m_tailStart = 0;
};
