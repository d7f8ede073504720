#include "media/mp4_atom_check.h"

#include <algorithm>
#include <cstring>

namespace {

bool IsContainer(const uchar *name)
{
    static const char *const containers[] = {"moov", "udta", "mdia", "meta", "ilst", "stbl",
                                             "minf", "moof", "traf", "trak", "stsd"};
    for (const char *container : containers) {
        if (std::memcmp(name, container, 4) == 0)
            return true;
    }
    return false;
}

quint64 ReadBigEndian(const uchar *p, int bytes)
{
    quint64 value = 0;
    for (int i = 0; i < bytes; ++i)
        value = (value << 8) | p[i];
    return value;
}

class AtomWalker
{
public:
    AtomWalker(const uchar *data, qint64 size, int maxDepth, qint64 maxAtoms)
        : m_data(data), m_size(size), m_maxDepth(maxDepth), m_budget(maxAtoms) {}

    // Walks the atoms from `pos` to `end` at nesting `depth`; false when a
    // limit is passed.
    bool Walk(qint64 pos, qint64 end, int depth)
    {
        if (depth > m_maxDepth)
            return false;
        // TagLib reads a child wherever one starts before its parent's end,
        // even when it reaches past that end.
        end = std::min(end, m_size);
        while (pos < end && pos + 8 <= m_size) {
            if (--m_budget < 0)
                return false;
            const uchar *header = m_data + pos;
            qint64 length = qint64(ReadBigEndian(header, 4));
            qint64 headerLength = 8;
            if (length == 0) {
                length = m_size - pos;
            } else if (length == 1) {
                if (pos + 16 > m_size)
                    return true;
                const quint64 wide = ReadBigEndian(header + 8, 8);
                length = qint64(std::min(wide, quint64(m_size) + 1));
                headerLength = 16;
            }
            if (length < 8)
                return true; // TagLib gives up on the rest
            if (IsContainer(header + 4)) {
                const qint64 childEnd = pos + length;
                qint64 childStart = pos + headerLength;
                if (std::memcmp(header + 4, "stsd", 4) == 0)
                    childStart += 8;
                if (!Walk(childStart, childEnd, depth + 1))
                    return false;
                if (std::memcmp(header + 4, "meta", 4) == 0
                    && !Walk(childStart + 4, childEnd, depth + 1))
                    return false;
            }
            pos += length;
        }
        return true;
    }

private:
    const uchar *m_data;
    qint64 m_size;
    int m_maxDepth;
    qint64 m_budget;
};

} // namespace

bool Mp4NestingIsSafe(const uchar *data, qint64 size, int maxDepth, qint64 maxAtoms)
{
    if (!data || size <= 0)
        return true;
    return AtomWalker(data, size, maxDepth, maxAtoms).Walk(0, size, 0);
}
