#include "settings/text_digest.h"

#include "settings/md5_context.h"

#include "platform/code_page.h"
#include "platform/locale_info.h"

QString TextDigest(const QString &text)
{
    const QByteArray bytes = TextToBytes(text, AnsiCodePage());
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
