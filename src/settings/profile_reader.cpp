#include "settings/profile_reader.h"

#include "platform/code_page.h"
#include "platform/locale_info.h"
#include "platform/regular_file.h"

#include <QFile>
#include <QFileInfo>
#include <QStringView>

namespace {

// Settings files are small; anything past this is not read.
constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;

QString DecodeProfile(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    if (bytes.startsWith("\xFF\xFE"))
        return QString::fromUtf16(reinterpret_cast<const char16_t *>(bytes.constData() + 2),
                                  (bytes.size() - 2) / 2);
    return BytesToText(bytes, AnsiCodePage());
}

QStringView StripValue(QStringView value)
{
    value = value.trimmed();
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == QLatin1Char('"') || first == QLatin1Char('\'')) && value.back() == first)
            value = value.mid(1, value.size() - 2);
    }
    return value;
}

} // namespace

ProfileReader::ProfileReader(const QString &path)
{
    if (!QFileInfo::exists(path))
        return;
    if (!IsRegularFile(path)) {
        m_problem = QStringLiteral("Cannot open file \"%1\". Not a regular file").arg(path);
        return;
    }
    QFile file(path);
    // A buffer as large as the file, not as the limit: reading asks for all
    // of it up front.
    if (file.open(QIODevice::ReadOnly))
        m_text = DecodeProfile(file.read(file.isSequential() ? kMaxFileSize : qMin(file.size(), kMaxFileSize)));
}

std::optional<QString> ProfileReader::value(const QString &section, const QString &key) const
{
    bool inSection = false;
    for (QStringView line : QStringView(m_text).split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            const qsizetype close = line.indexOf(QLatin1Char(']'));
            const QStringView name = line.mid(1, close < 0 ? -1 : close - 1).trimmed();
            inSection = name.compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!inSection || line.startsWith(QLatin1Char(';')))
            continue;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0 || line.left(equals).trimmed().compare(key, Qt::CaseInsensitive) != 0)
            continue;
        return StripValue(line.mid(equals + 1)).left(kMaxValueLength).toString();
    }
    return std::nullopt;
}

int ProfileReader::integer(const QString &section, const QString &key, int fallback) const
{
    const std::optional<QString> text = value(section, key);
    if (!text)
        return fallback;
    QString digits = text->trimmed();
    int base = 10;
    if (digits.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        digits.remove(0, 2);
        base = 16;
    } else if (digits.startsWith(QLatin1Char('$'))) {
        digits.remove(0, 1);
        base = 16;
    }
    if (digits.isEmpty())
        return fallback;
    bool ok = false;
    const int number = digits.toInt(&ok, base);
    return ok ? number : fallback;
}
