#include "media/text_round_trip.h"

#include "media/text_chinese_conversion.h"

#include "platform/text_chinese_locale.h"

#include <algorithm>

EncodingKind ChineseRoundTrip(const QByteArray &sample)
{
    if (SimplifiedChineseLocale()) {
        const QByteArray back = Big5ToGbHook(GbToBig5Hook(sample));
        return RoundTripSimilar(sample, back) ? EncodingKind::Gbk : EncodingKind::Big5;
    }
    if (TraditionalChineseLocale()) {
        const QByteArray back = GbToBig5Hook(Big5ToGbHook(sample));
        return RoundTripSimilar(sample, back) ? EncodingKind::Big5 : EncodingKind::Gbk;
    }
    return EncodingKind::Ansi;
}

bool RoundTripSimilar(const QByteArray &before, const QByteArray &after)
{
    // Positions count from 1 in both strings.
    const qsizetype s = before.size();
    const qsizetype t = after.size();
    auto S = [&before](qsizetype i) { return before[i - 1]; };
    auto T = [&after](qsizetype j) { return after[j - 1]; };

    qsizetype i = 1;
    qsizetype j = 1;
    qsizetype mismatches = 0;
    while (i <= s && j <= t) {
        if (S(i) != T(j)) {
            if (i + 2 <= s && j + 2 <= t) {
                if (S(i + 1) == T(j) && S(i + 2) == T(j + 1))
                    ++i; // the first string holds one extra byte
                else if (S(i) == T(j + 1) && S(i + 1) == T(j + 2))
                    ++j; // the second string holds one extra byte
                else
                    ++mismatches;
            } else {
                ++mismatches;
            }
        }
        ++i;
        ++j;
    }
    return mismatches * 100 / std::max<qsizetype>(s, 1) <= 6;
}
