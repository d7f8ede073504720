#include "platform/code_page.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_err.h>

#include <memory>

namespace {

struct ConverterCloser
{
    void operator()(UConverter *converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

Converter OpenConverter(int codePage)
{
    const QByteArray name = ConverterName(codePage);
    UErrorCode status = U_ZERO_ERROR;
    Converter converter(ucnv_open(name.isEmpty() ? "windows-1252" : name.constData(), &status));
    if (U_FAILURE(status))
        converter.reset(ucnv_open("windows-1252", &(status = U_ZERO_ERROR)));
    return converter;
}

} // namespace

QByteArray ConverterName(int codePage)
{
    switch (codePage) {
    case 65001: return QByteArrayLiteral("UTF-8");
    case 936: return QByteArrayLiteral("windows-936-2000");
    case 950: return QByteArrayLiteral("windows-950-2000");
    case 932: return QByteArrayLiteral("ibm-943_P15A-2003");
    case 949: return QByteArrayLiteral("windows-949-2000");
    case 874: return QByteArrayLiteral("windows-874-2000");
    case 54936: return QByteArrayLiteral("gb18030");
    case 51932: return QByteArrayLiteral("EUC-JP");
    case 28591: return QByteArrayLiteral("ISO-8859-1");
    case 28605: return QByteArrayLiteral("ISO-8859-15");
    case 20866: return QByteArrayLiteral("KOI8-R");
    case 1250: case 1251: case 1252: case 1253: case 1254:
    case 1255: case 1256: case 1257: case 1258:
        return "windows-" + QByteArray::number(codePage);
    default: return {};
    }
}

QString BytesToText(const QByteArray &bytes, int codePage)
{
    if (bytes.isEmpty())
        return {};
    Converter converter = OpenConverter(codePage);
    if (!converter)
        return QString::fromLatin1(bytes);
    // Every byte yields at most two UTF-16 units.
    QString text(bytes.size() * 2, Qt::Uninitialized);
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length = ucnv_toUChars(converter.get(), reinterpret_cast<UChar *>(text.data()),
                                         int32_t(text.size()), bytes.constData(),
                                         int32_t(bytes.size()), &status);
    if (U_FAILURE(status))
        return {};
    text.truncate(length);
    return text;
}

namespace {
QByteArray Encode(UConverter *converter, const QString &text, UErrorCode &status)
{
    // A UTF-16 unit never needs more than four bytes in any code page.
    QByteArray bytes(text.size() * 4, Qt::Uninitialized);
    const int32_t length = ucnv_fromUChars(converter, bytes.data(), int32_t(bytes.size()),
                                           reinterpret_cast<const UChar *>(text.constData()),
                                           int32_t(text.size()), &status);
    if (U_FAILURE(status))
        return {};
    bytes.truncate(length);
    return bytes;
}
} // namespace

std::optional<QByteArray> TextToBytesExactly(const QString &text, int codePage)
{
    if (text.isEmpty())
        return QByteArray();
    Converter converter = OpenConverter(codePage);
    if (!converter)
        return std::nullopt;
    UErrorCode status = U_ZERO_ERROR;
    ucnv_setFromUCallBack(converter.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                          &status);
    if (U_FAILURE(status))
        return std::nullopt;
    QByteArray bytes = Encode(converter.get(), text, status);
    if (U_FAILURE(status))
        return std::nullopt;
    return bytes;
}

QByteArray TextToBytes(const QString &text, int codePage)
{
    if (text.isEmpty())
        return {};
    Converter converter = OpenConverter(codePage);
    if (!converter)
        return text.toLatin1();
    UErrorCode status = U_ZERO_ERROR;
    if (codePage != 65001)
        ucnv_setSubstChars(converter.get(), "?", 1, &status);
    status = U_ZERO_ERROR;
    return Encode(converter.get(), text, status);
}
