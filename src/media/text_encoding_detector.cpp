#include "media/text_encoding_detector.h"

#include "media/text_round_trip.h"

#include <algorithm>

QString EncodingKindName(EncodingKind kind)
{
    switch (kind) {
    case EncodingKind::Ansi: return QStringLiteral("Ansi");
    case EncodingKind::Binary: return QStringLiteral("Binary");
    case EncodingKind::Utf8: return QStringLiteral("Utf8");
    case EncodingKind::Utf16Le: return QStringLiteral("Utf16Le");
    case EncodingKind::Utf16Be: return QStringLiteral("Utf16Be");
    case EncodingKind::Gbk: return QStringLiteral("Gbk");
    case EncodingKind::Big5: return QStringLiteral("Big5");
    }
    return QString();
}

namespace {

bool InRange(int value, int low, int high)
{
    return value >= low && value <= high;
}

// The sample's bytes by position, counted from 1 as the scan rules do.
class SampleBytes
{
public:
    explicit SampleBytes(const QByteArray &sample) : m_sample(sample) {}

    int size() const { return int(m_sample.size()); }
    int operator[](int position) const { return quint8(m_sample[position - 1]); }

    bool ContinuationAt(int position) const
    {
        return position <= size() && InRange((*this)[position], 0x80, 0xBF);
    }

    // A lead byte E0–EF followed by two continuation bytes.
    bool ThreeByteUtf8At(int t) const
    {
        return t + 2 <= size() && InRange((*this)[t], 0xE0, 0xEF)
            && ContinuationAt(t + 1) && ContinuationAt(t + 2);
    }

private:
    const QByteArray &m_sample;
};

bool IsControl(int x)
{
    return InRange(x, 0x00, 0x08) || x == 0x0B || x == 0x0C || InRange(x, 0x0E, 0x1F);
}

// Pairs that one of the two encodings uses and the other hardly ever.
void CountTellingPairs(int x, int y, EncodingEvidence &e)
{
    if ((InRange(x, 0xA1, 0xA7) && InRange(y, 0x40, 0xA0))
        || ((InRange(x, 0xAA, 0xAF) || InRange(x, 0xF8, 0xFE)) && InRange(y, 0xA1, 0xFE)))
        ++e.big5Pairs;
    if (InRange(y, 0x7F, 0xA0) || (InRange(x, 0xC7, 0xC8) && InRange(y, 0x40, 0xFE))
        || (x == 0xC6 && InRange(y, 0xA1, 0xFE)))
        ++e.gbkPairs;
}

// After a byte 80–BF: a three-byte UTF-8 sequence may begin right after it,
// or one byte later when a continuation byte follows.
void LookAheadForUtf8(const SampleBytes &b, int i, EncodingEvidence &e)
{
    const int t = (i + 1 < b.size() && InRange(b[i + 1], 0x80, 0xBF)) ? i + 2 : i + 1;
    if (b.ThreeByteUtf8At(t)) {
        e.utf8Weight += 32;
        ++e.utf8Hits;
    }
}

} // namespace

EncodingEvidence ScanEncodingEvidence(const QByteArray &sample)
{
    const SampleBytes b(sample);
    const int n = b.size();
    EncodingEvidence e;
    int i = 1;
    while (i <= n) {
        const int x = b[i];
        if (i < n)
            CountTellingPairs(x, b[i + 1], e);

        if (x == 0x00) {
            ++e.controls;
            if (i < n && b[i + 1] == 0x00)
                ++e.zeroPairs;
            ++(i % 2 == 0 ? e.evenZeros : e.oddZeros);
            i += 1;
        } else if (IsControl(x)) {
            ++e.controls;
            i += 1;
        } else if (x <= 0x7F || x == 0xFF) {
            i += 1;
        } else if (x == 0x80) {
            LookAheadForUtf8(b, i, e);
            i += 1;
        } else if (x <= 0xBF) {
            e.gbkWeight += 8;
            if (x >= 0xA1)
                e.big5Weight += 8;
            ++e.leads;
            LookAheadForUtf8(b, i, e);
            i += 2;
        } else if (x <= 0xDF) {
            ++e.leads;
            if (i < n && InRange(b[i + 1], 0x80, 0xBF)) {
                e.utf8Weight += 1;
                ++e.utf8Hits;
                if (b[i + 1] >= 0xA1) {
                    e.gbkWeight += 1;
                    e.big5Weight += 1;
                } else {
                    e.gbkWeight += 4;
                }
            } else {
                e.gbkWeight += 1;
                e.big5Weight += 1;
            }
            i += 2;
        } else if (x <= 0xEF) {
            if (b.ThreeByteUtf8At(i)) {
                e.utf8Weight += 32;
                ++e.utf8Hits;
            }
            e.gbkWeight += 1;
            e.big5Weight += 1;
            ++e.leads;
            i += 2;
        } else { // F0–FE
            if (x >= 0xFA)
                e.gbkWeight += 8;
            e.gbkWeight += 8;
            e.big5Weight += 8;
            ++e.leads;
            i += 2;
        }
    }
    return e;
}

EncodingDetection ExplainEncoding(const QByteArray &sample)
{
    const qsizetype n = sample.size();
    EncodingDetection d;
    d.evidence = ScanEncodingEvidence(sample);
    const EncodingEvidence &e = d.evidence;
    auto settle = [&d](EncodingKind kind, int rule) {
        d.kind = kind;
        d.rule = rule;
        return d;
    };

    if (e.controls > 1 || e.evenZeros > 1 || e.oddZeros > 1 || 8 * e.controls >= n
        || 8 * e.evenZeros >= n || 8 * e.oddZeros >= n) {
        if ((2 * e.evenZeros < e.controls && 2 * e.oddZeros < e.controls) || e.zeroPairs > 10
            || std::max(e.evenZeros, e.oddZeros) < 8 * e.zeroPairs)
            return settle(EncodingKind::Binary, 1);
        return settle(e.evenZeros >= e.oddZeros ? EncodingKind::Utf16Le : EncodingKind::Utf16Be, 1);
    }

    if (e.gbkWeight < e.utf8Weight && e.big5Weight < e.utf8Weight && 2 * e.utf8Hits > e.leads)
        return settle(EncodingKind::Utf8, 2);

    const int m = std::max({e.gbkWeight, e.big5Weight, 1});
    const int f = (e.gbkWeight - e.big5Weight) * 100 / m;
    if (f > 5)
        return settle(EncodingKind::Gbk, 3);
    if (f < -5)
        return settle(EncodingKind::Big5, 3);

    if (e.big5Pairs > e.gbkPairs)
        return settle(EncodingKind::Big5, 4);
    if (e.big5Pairs < e.gbkPairs)
        return settle(EncodingKind::Gbk, 4);

    if (e.gbkWeight > 0 || e.big5Weight > 0)
        return settle(ChineseRoundTrip(sample), 5);

    return settle(EncodingKind::Ansi, 6);
}

EncodingKind DetectEncoding(const QByteArray &sample)
{
    return ExplainEncoding(sample).kind;
}
