#include "media/text_decoding.h"

#include "media/text_chinese_conversion.h"

#include "platform/app_error.h"
#include "platform/code_page.h"
#include "platform/locale_info.h"
#include "platform/text_chinese_locale.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

constexpr int kUtf8CodePage = 65001;

bool StartsWith(const QByteArray &bytes, std::initializer_list<quint8> mark)
{
    if (bytes.size() < qsizetype(mark.size()))
        return false;
    return std::equal(mark.begin(), mark.end(), bytes.cbegin(),
                      [](quint8 m, char b) { return m == quint8(b); });
}

// Whole UTF-16 units from the given offset; an odd final byte is dropped.
// Little-endian text loses a leading byte-order mark.
QString FromUtf16(const QByteArray &bytes, qsizetype offset, bool bigEndian)
{
    const qsizetype units = (bytes.size() - offset) / 2;
    QString text(units, Qt::Uninitialized);
    const auto *in = reinterpret_cast<const uchar *>(bytes.constData() + offset);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (qsizetype k = 0; k < units; ++k) {
        const uchar first = in[2 * k];
        const uchar second = in[2 * k + 1];
        out[k] = bigEndian ? char16_t(first << 8 | second) : char16_t(second << 8 | first);
    }
    if (!bigEndian && !text.isEmpty() && text.front() == QChar(0xFEFF))
        text.remove(0, 1);
    return text;
}

QString FromAnsi(const QByteArray &bytes)
{
    return BytesToText(bytes, AnsiCodePage());
}

QString Convert(const QByteArray &content, EncodingKind kind, qsizetype offset)
{
    switch (kind) {
    case EncodingKind::Ansi:
    case EncodingKind::Binary:
        return FromAnsi(content);
    case EncodingKind::Utf8:
        return BytesToText(content.mid(offset), kUtf8CodePage);
    case EncodingKind::Utf16Le:
        return FromUtf16(content, offset, false);
    case EncodingKind::Utf16Be:
        return FromUtf16(content, offset, true);
    case EncodingKind::Gbk:
        return FromAnsi(TraditionalChineseLocale() ? GbToBig5Hook(content) : content);
    case EncodingKind::Big5:
        return FromAnsi(SimplifiedChineseLocale() ? Big5ToGbHook(content) : content);
    }
    return QString();
}

[[noreturn]] void ThrowCannotOpen(const QString &path, const QString &reason)
{
    throw AppError(QStringLiteral("Cannot open file \"%1\". %2")
                       .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()), reason));
}

QByteArray ReadWholeFile(const QString &path)
{
    // A pipe or a device would block the reader or never end.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile() && !info.isDir())
        ThrowCannotOpen(path, QStringLiteral("Not a regular file"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        ThrowCannotOpen(path, file.errorString());
    if (file.size() > MaxTextFileBytes)
        throw AppError(QStringLiteral("歌词文件“%1”太大（%2 字节），不能超过 16 兆字节")
                           .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()))
                           .arg(file.size()));
    QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        ThrowCannotOpen(path, file.errorString());
    return content;
}

} // namespace

DecodedText DecodeTextBytes(const QByteArray &content)
{
    DecodedText decoded;
    if (content.isEmpty())
        return decoded;

    qsizetype offset = 0;
    decoded.byteOrderMark = true;
    if (StartsWith(content, {0xEF, 0xBB, 0xBF})) {
        decoded.kind = EncodingKind::Utf8;
        offset = 3;
    } else if (StartsWith(content, {0xFF, 0xFE})) {
        decoded.kind = EncodingKind::Utf16Le; // the conversion drops the mark
    } else if (StartsWith(content, {0xFE, 0xFF})) {
        decoded.kind = EncodingKind::Utf16Be;
        offset = 2;
    } else {
        decoded.byteOrderMark = false;
        decoded.kind = DetectEncoding(content.left(kDetectionSampleSize));
    }
    decoded.text = Convert(content, decoded.kind, offset);
    return decoded;
}

QString DecodeTextFile(const QString &path)
{
    return DecodeTextBytes(ReadWholeFile(path)).text;
}

QString WithCrLfLines(const QString &text)
{
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    const qsizetype end = nul < 0 ? text.size() : nul;
    const QLatin1StringView crLf("\r\n");

    QString lines;
    lines.reserve(end + end / 8 + 2);
    bool lineOpen = false;
    for (qsizetype at = 0; at < end; ++at) {
        const QChar c = text[at];
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && at + 1 < end && text[at + 1] == u'\n')
                ++at;
            lines += crLf;
            lineOpen = false;
        } else {
            lines += c;
            lineOpen = true;
        }
    }
    if (lineOpen)
        lines += crLf;
    return lines;
}

QString LoadTextFile(const QString &path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists() || info.isDir())
        return QString();
    return WithCrLfLines(DecodeTextFile(path));
}
