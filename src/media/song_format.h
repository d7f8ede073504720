#pragma once

#include <QString>

// The playing time as shown in the grid: "1小时2分5秒"; parts that are 0 are
// left out, and 0 or less seconds give the empty text.
QString FormatDurationText(qint32 seconds);

// The file size as shown in the grid: bytes, K, M (two decimals) or G (two
// decimals), with the locale's thousands and decimal separators. A size
// exactly at 1024, 1048576 or 1073741824 bytes stays in the lower unit.
QString FormatSizeText(qint64 bytes);
