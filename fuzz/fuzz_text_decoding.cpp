// Feeds arbitrary bytes to the lyrics decoder: the first byte picks the
// locale, the rest is the file content. Checks that decoding never fails and
// that its results keep their shape.
#include "media/text_chinese_conversion.h"
#include "media/text_decoding.h"
#include "media/text_encoding_detector.h"
#include "media/text_round_trip.h"
#include "platform/locale_info.h"

#include <cstdint>
#include <cstdlib>

namespace {

const char *const kLocales[] = {"zh_CN", "zh_TW", "en_US", "zh_HK", "ja_JP", "zh_MO"};

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

// Every line ends with CR LF and no U+0000 is left.
void CheckLines(const QString &lines)
{
    Require(!lines.contains(QChar(u'\0')));
    for (qsizetype at = 0; at < lines.size(); ++at) {
        if (lines[at] == u'\r')
            Require(at + 1 < lines.size() && lines[at + 1] == u'\n');
        if (lines[at] == u'\n')
            Require(at > 0 && lines[at - 1] == u'\r');
    }
    Require(lines.isEmpty() || lines.endsWith(QLatin1StringView("\r\n")));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    OverrideLocale(QLatin1StringView(kLocales[data[0] % std::size(kLocales)]));
    const QByteArray content(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));

    const DecodedText decoded = DecodeTextBytes(content);
    if (!content.isEmpty() && !decoded.byteOrderMark) {
        const QByteArray sample = content.left(kDetectionSampleSize);
        const EncodingDetection detection = ExplainEncoding(sample);
        Require(detection.kind == decoded.kind);
        Require(detection.rule >= 1 && detection.rule <= 6);
        const EncodingEvidence &e = detection.evidence;
        Require(e.leads <= sample.size() && e.controls <= sample.size());
        Require(e.evenZeros + e.oddZeros <= e.controls);
    }
    CheckLines(WithCrLfLines(decoded.text));

    const QByteArray big5 = GbToBig5(content);
    const QByteArray gbk = Big5ToGb(content);
    Require(RoundTripSimilar(content, content));
    RoundTripSimilar(content, Big5ToGb(big5));
    RoundTripSimilar(gbk, content);
    return 0;
}
