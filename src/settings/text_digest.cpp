#include "settings/text_digest.h"

#include "settings/md5_context.h"

#include "platform/code_page.h"
#include "platform/locale_info.h"

namespace {
// The text in the native encoding; UTF-8 when a legacy code page would lose
// a character, so that different texts never digest the same bytes.
QByteArray DigestedBytes(const QString &text)
{
    const int codePage = NativeCodePage();
    if (codePage != 65001) {
        if (const std::optional<QByteArray> bytes = TextToBytesExactly(text, codePage))
            return *bytes;
    }
    return text.toUtf8();
}
} // namespace

QString TextDigest(const QString &text)
{
    const QByteArray bytes = DigestedBytes(text);
    Md5Context context;
    context.add(bytes.constData(), std::size_t(bytes.size()));
    const Md5Context::Digest digest = context.finish();

    static const char kHex[] = "0123456789ABCDEF";
    QString result;
    result.reserve(32);
    for (std::uint8_t byte : digest) {
        result += QLatin1Char(kHex[byte >> 4]);
        result += QLatin1Char(kHex[byte & 0x0F]);
    }
    return result;
}
