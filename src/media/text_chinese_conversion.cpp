#include "media/text_chinese_conversion.h"

#include "media/text_script_mapping.h"

#include "platform/text_code_page.h"

namespace {
constexpr int kGbkCodePage = 936;
constexpr int kBig5CodePage = 950;
}

QByteArray GbToBig5(const QByteArray &bytes)
{
    const QByteArray traditional = MapGbkScript(bytes, ChineseScript::Traditional);
    return WideToAnsi(AnsiToWide(traditional, kGbkCodePage), kBig5CodePage);
}

QByteArray Big5ToGb(const QByteArray &bytes)
{
    const QByteArray gbk = WideToAnsi(AnsiToWide(bytes, kBig5CodePage), kGbkCodePage);
    return MapGbkScript(gbk, ChineseScript::Simplified);
}

ChineseConverter GbToBig5Hook = &GbToBig5;
ChineseConverter Big5ToGbHook = &Big5ToGb;
