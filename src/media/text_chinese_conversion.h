#pragma once

#include <QByteArray>

// Converters between GBK (code page 936) and Big5 (code page 950) that also
// map the characters between Simplified and Traditional script.

// Maps Simplified to Traditional script within GBK, then transcodes to Big5.
QByteArray GbToBig5(const QByteArray &bytes);

// Transcodes Big5 to GBK, then maps Traditional to Simplified script.
QByteArray Big5ToGb(const QByteArray &bytes);

// The text decoder reaches the converters only through these hooks, which
// point at the two functions above from the start.
using ChineseConverter = QByteArray (*)(const QByteArray &bytes);
extern ChineseConverter GbToBig5Hook;
extern ChineseConverter Big5ToGbHook;
