#include "platform/text_code_page.h"

#include "platform/code_page.h"

QString AnsiToWide(const QByteArray &bytes, int codePage)
{
    const qsizetype end = bytes.indexOf('\0');
    return BytesToText(end < 0 ? bytes : bytes.left(end), codePage);
}

QByteArray WideToAnsi(const QString &text, int codePage)
{
    const qsizetype end = text.indexOf(QChar(u'\0'));
    return TextToBytes(end < 0 ? text : text.left(end), codePage);
}
