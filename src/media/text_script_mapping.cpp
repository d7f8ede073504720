#include "media/text_script_mapping.h"

#include "platform/code_page.h"

#include <unicode/translit.h>
#include <unicode/unistr.h>

#include <memory>
#include <mutex>

namespace {

constexpr int kGbkCodePage = 936;

// ICU's transliterators, made once. A transliterator that cannot be made
// (missing ICU data) leaves the text as it is.
class ScriptTransliterators
{
public:
    static ScriptTransliterators &Instance()
    {
        static ScriptTransliterators instance;
        return instance;
    }

    void Transliterate(icu::UnicodeString &text, ChineseScript target)
    {
        std::lock_guard lock(m_mutex);
        icu::Transliterator *transliterator =
            target == ChineseScript::Traditional ? m_toTraditional.get() : m_toSimplified.get();
        if (transliterator)
            transliterator->transliterate(text);
    }

private:
    ScriptTransliterators()
        : m_toTraditional(Make("Hans-Hant")), m_toSimplified(Make("Hant-Hans")) {}

    static std::unique_ptr<icu::Transliterator> Make(const char *id)
    {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::Transliterator> made(icu::Transliterator::createInstance(
            icu::UnicodeString::fromUTF8(id), UTRANS_FORWARD, status));
        if (U_FAILURE(status))
            made.reset();
        return made;
    }

    std::mutex m_mutex;
    std::unique_ptr<icu::Transliterator> m_toTraditional;
    std::unique_ptr<icu::Transliterator> m_toSimplified;
};

// Long texts are mapped in pieces so that a replacement never moves the whole
// rest of the text. A piece ends after an ASCII character where one comes
// soon enough, so that words are rarely split.
constexpr qsizetype kPieceSize = 4096;
constexpr qsizetype kLongestPiece = 65536;

qsizetype PieceEnd(const QString &text, qsizetype start)
{
    if (text.size() - start <= kPieceSize)
        return text.size();
    const qsizetype limit = std::min(text.size(), start + kLongestPiece);
    for (qsizetype at = start + kPieceSize; at < limit; ++at) {
        if (text[at].unicode() < 0x80)
            return at + 1;
    }
    qsizetype end = limit;
    if (end < text.size() && text[end - 1].isHighSurrogate())
        --end;
    return end;
}

} // namespace

QString MapChineseScript(const QString &text, ChineseScript target)
{
    QString mapped;
    mapped.reserve(text.size());
    for (qsizetype start = 0; start < text.size();) {
        const qsizetype end = PieceEnd(text, start);
        icu::UnicodeString piece(reinterpret_cast<const UChar *>(text.constData() + start),
                                 int32_t(end - start));
        ScriptTransliterators::Instance().Transliterate(piece, target);
        mapped.append(reinterpret_cast<const QChar *>(piece.getBuffer()), piece.length());
        start = end;
    }
    return mapped;
}

QByteArray MapGbkScript(const QByteArray &gbk, ChineseScript target)
{
    QByteArray mapped =
        TextToBytes(MapChineseScript(BytesToText(gbk, kGbkCodePage), target), kGbkCodePage);
    mapped.resize(gbk.size(), '\0');
    return mapped;
}
