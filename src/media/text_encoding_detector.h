#pragma once

#include <QByteArray>
#include <QString>

// What the first bytes of a lyrics file look like.
enum class EncodingKind
{
    Ansi,    // plain or unrecognised 8-bit text
    Binary,  // heavy in control bytes; decoded like Ansi
    Utf8,
    Utf16Le,
    Utf16Be,
    Gbk,     // code page 936
    Big5,    // code page 950
};

QString EncodingKindName(EncodingKind kind);

// The counters of one pass over a sample.
struct EncodingEvidence
{
    int controls = 0;
    int zeroPairs = 0;
    int evenZeros = 0;
    int oddZeros = 0;
    int gbkWeight = 0;
    int big5Weight = 0;
    int utf8Weight = 0;
    int utf8Hits = 0;
    int leads = 0;
    int big5Pairs = 0;
    int gbkPairs = 0;
};

// A classification with the counters behind it and the number (1 to 6) of
// the decision rule that settled it.
struct EncodingDetection
{
    EncodingKind kind = EncodingKind::Ansi;
    int rule = 0;
    EncodingEvidence evidence;
};

// Samples at most this many leading bytes of a file.
inline constexpr qsizetype kDetectionSampleSize = 4096;

// One pass over the sample collecting control bytes, zero bytes, lead-byte
// weights, UTF-8 sequences and byte pairs typical of GBK or Big5.
EncodingEvidence ScanEncodingEvidence(const QByteArray &sample);

// Classifies a sample; falls back on ChineseRoundTrip when the counters
// cannot tell GBK from Big5.
EncodingDetection ExplainEncoding(const QByteArray &sample);
EncodingKind DetectEncoding(const QByteArray &sample);
