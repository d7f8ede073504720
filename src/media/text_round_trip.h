#pragma once

#include "media/text_encoding_detector.h"

#include <QByteArray>

// Tells GBK from Big5 by converting the sample into the other Chinese
// encoding and back on a Chinese system: text in the system's own encoding
// survives the trip. Gives Ansi on a system that is not Chinese.
EncodingKind ChineseRoundTrip(const QByteArray &sample);

// Whether the bytes after a round trip match the bytes before it in at least
// 93 percent of positions, allowing one-byte shifts.
bool RoundTripSimilar(const QByteArray &before, const QByteArray &after);
