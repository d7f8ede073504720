#include "lyrics_corpus.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <unicode/translit.h>
#include <unicode/unistr.h>

#include <gtest/gtest.h>

#include <memory>

QString CorpusEncodingName(CorpusEncoding encoding)
{
    switch (encoding) {
    case CorpusEncoding::Gbk: return QStringLiteral("GBK");
    case CorpusEncoding::Big5: return QStringLiteral("Big5");
    case CorpusEncoding::Utf8: return QStringLiteral("UTF-8");
    case CorpusEncoding::Utf8Mark: return QStringLiteral("UTF-8+mark");
    case CorpusEncoding::Utf16Le: return QStringLiteral("UTF-16LE");
    case CorpusEncoding::Utf16LeMark: return QStringLiteral("UTF-16LE+mark");
    case CorpusEncoding::Utf16Be: return QStringLiteral("UTF-16BE");
    case CorpusEncoding::Utf16BeMark: return QStringLiteral("UTF-16BE+mark");
    }
    return QString();
}

EncodingKind ExpectedKind(CorpusEncoding encoding)
{
    switch (encoding) {
    case CorpusEncoding::Gbk: return EncodingKind::Gbk;
    case CorpusEncoding::Big5: return EncodingKind::Big5;
    case CorpusEncoding::Utf8:
    case CorpusEncoding::Utf8Mark: return EncodingKind::Utf8;
    case CorpusEncoding::Utf16Le:
    case CorpusEncoding::Utf16LeMark: return EncodingKind::Utf16Le;
    case CorpusEncoding::Utf16Be:
    case CorpusEncoding::Utf16BeMark: return EncodingKind::Utf16Be;
    }
    return EncodingKind::Ansi;
}

QList<CorpusSong> LoadCorpus(const QString &folder)
{
    QList<CorpusSong> songs;
    const QStringList names =
        QDir(folder).entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
    for (const QString &name : names) {
        QFile file(QDir(folder).filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        CorpusSong song;
        song.name = name.chopped(4);
        song.text = QString::fromUtf8(file.readAll());
        song.crLf = songs.size() % 2 == 1;
        songs.append(song);
    }
    return songs;
}

QString TraditionalScript(const QString &text)
{
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Transliterator> toTraditional(icu::Transliterator::createInstance(
        icu::UnicodeString::fromUTF8("Hans-Hant"), UTRANS_FORWARD, status));
    if (U_FAILURE(status))
        return text;
    icu::UnicodeString unicode(reinterpret_cast<const UChar *>(text.utf16()), int32_t(text.size()));
    toTraditional->transliterate(unicode);
    return QString(reinterpret_cast<const QChar *>(unicode.getBuffer()), unicode.length());
}

namespace {

QByteArray Iconv(const QString &text, const char *target)
{
    QProcess iconv;
    iconv.start(QStringLiteral("iconv"),
                {QStringLiteral("-f"), QStringLiteral("UTF-8"), QStringLiteral("-t"),
                 QString::fromLatin1(target)});
    iconv.write(text.toUtf8());
    iconv.closeWriteChannel();
    iconv.waitForFinished(30000);
    EXPECT_EQ(iconv.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(iconv.exitCode(), 0) << "iconv to " << target << ": "
                                   << iconv.readAllStandardError().toStdString();
    return iconv.readAllStandardOutput();
}

} // namespace

QByteArray EncodeSong(const CorpusSong &song, CorpusEncoding encoding)
{
    QString text = song.text;
    if (song.crLf)
        text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    switch (encoding) {
    case CorpusEncoding::Gbk: return Iconv(text, "CP936");
    case CorpusEncoding::Big5: return Iconv(TraditionalScript(text), "CP950");
    case CorpusEncoding::Utf8: return Iconv(text, "UTF-8");
    case CorpusEncoding::Utf8Mark: return QByteArray::fromHex("efbbbf") + Iconv(text, "UTF-8");
    case CorpusEncoding::Utf16Le: return Iconv(text, "UTF-16LE");
    case CorpusEncoding::Utf16LeMark: return QByteArray::fromHex("fffe") + Iconv(text, "UTF-16LE");
    case CorpusEncoding::Utf16Be: return Iconv(text, "UTF-16BE");
    case CorpusEncoding::Utf16BeMark: return QByteArray::fromHex("feff") + Iconv(text, "UTF-16BE");
    }
    return QByteArray();
}

QList<QString> UchardetNames(const QStringList &files)
{
    QList<QString> names(files.size());
    if (QStandardPaths::findExecutable(QStringLiteral("uchardet")).isEmpty())
        return names;
    for (qsizetype k = 0; k < files.size(); ++k) {
        QProcess uchardet;
        uchardet.start(QStringLiteral("uchardet"), {files[k]});
        uchardet.waitForFinished(30000);
        names[k] = QString::fromUtf8(uchardet.readAllStandardOutput()).trimmed();
    }
    return names;
}
