#include "media/song_format.h"

#include "platform/locale_info.h"

namespace {

// value / 2^shift rounded to `decimals` places, half away from zero, as an
// integer count of 10^-decimals units. Exact: the sizes are integers and the
// units powers of two, so no floating-point error can move a rounding.
__int128 ScaledUnits(qint64 value, int shift, int decimals)
{
    __int128 scaled = value;
    for (int i = 0; i < decimals; ++i)
        scaled *= 10;
    const __int128 divisor = __int128(1) << shift;
    const bool negative = scaled < 0;
    const __int128 magnitude = negative ? -scaled : scaled;
    const __int128 rounded = (magnitude + divisor / 2) / divisor;
    return negative ? -rounded : rounded;
}

QString Digits(__int128 value)
{
    if (value == 0)
        return QStringLiteral("0");
    QString digits;
    while (value > 0) {
        digits.prepend(QChar(u'0' + int(value % 10)));
        value /= 10;
    }
    return digits;
}

// A decimal picture such as "###,##0.00": thousands grouped, at least
// `minimumDigits` integer digits, `decimals` places, then the unit letter.
QString FormatPicture(__int128 units, int decimals, int minimumDigits, QChar unit)
{
    const bool negative = units < 0;
    QString digits = Digits(negative ? -units : units);
    while (digits.size() < decimals + minimumDigits)
        digits.prepend(QLatin1Char('0'));
    const QString integerDigits = digits.left(digits.size() - decimals);
    const QString fraction = digits.right(decimals);

    QString grouped;
    const QChar separator = ThousandsSeparator();
    for (qsizetype i = 0; i < integerDigits.size(); ++i) {
        if (i > 0 && (integerDigits.size() - i) % 3 == 0)
            grouped.append(separator);
        grouped.append(integerDigits.at(i));
    }
    QString text = negative ? QStringLiteral("-") + grouped : grouped;
    if (decimals > 0)
        text += DecimalSeparator() + fraction;
    return text + unit;
}

} // namespace

QString FormatDurationText(qint32 seconds)
{
    if (seconds <= 0)
        return {};
    const int hours = seconds >= 3600 ? seconds / 3600 : 0;
    const int minutes = seconds >= 60 ? (seconds % 3600) / 60 : 0;
    const int rest = seconds % 60;
    QString text;
    if (hours > 0)
        text += QString::number(hours) + QStringLiteral("小时");
    if (minutes > 0)
        text += QString::number(minutes) + QStringLiteral("分");
    if (rest > 0)
        text += QString::number(rest) + QStringLiteral("秒");
    return text;
}

QString FormatSizeText(qint64 bytes)
{
    QString text;
    if (bytes > 1073741824)
        text = FormatPicture(ScaledUnits(bytes, 30, 2), 2, 1, QLatin1Char('G'));
    else if (bytes > 1048576)
        text = FormatPicture(ScaledUnits(bytes, 20, 2), 2, 1, QLatin1Char('M'));
    else if (bytes > 1024)
        text = FormatPicture(ScaledUnits(bytes, 10, 0), 0, 2, QLatin1Char('K'));
    else
        text = FormatPicture(bytes, 0, 1, QLatin1Char('B'));
    // "01K" .. "09K" become "1K" .. "9K".
    if (text.size() > 2 && text.front() == QLatin1Char('0'))
        text.remove(0, 1);
    return text;
}
