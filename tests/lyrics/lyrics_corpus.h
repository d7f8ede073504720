#pragma once

#include "media/text_encoding_detector.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The lyrics corpus: Chinese songs kept as UTF-8 text files with LF line
// ends, written out at test time in the encodings lyrics files come in.

struct CorpusSong
{
    QString name;     // file name without extension, e.g. "song01"
    QString text;     // as committed: UTF-8, LF line ends
    bool crLf = false; // whether its encoded files use CR LF line ends
};

enum class CorpusEncoding
{
    Gbk,
    Big5,
    Utf8,
    Utf8Mark,
    Utf16Le,
    Utf16LeMark,
    Utf16Be,
    Utf16BeMark,
};

inline constexpr CorpusEncoding kCorpusEncodings[] = {
    CorpusEncoding::Gbk,     CorpusEncoding::Big5,        CorpusEncoding::Utf8,
    CorpusEncoding::Utf8Mark, CorpusEncoding::Utf16Le,    CorpusEncoding::Utf16LeMark,
    CorpusEncoding::Utf16Be, CorpusEncoding::Utf16BeMark,
};

QString CorpusEncodingName(CorpusEncoding encoding);

// The kind a correct detector gives a file of this encoding.
EncodingKind ExpectedKind(CorpusEncoding encoding);

// The songs of the committed corpus, in name order; every other song uses
// CR LF line ends.
QList<CorpusSong> LoadCorpus(const QString &folder);

// The text in Traditional script, through ICU's Hans-Hant transliterator.
QString TraditionalScript(const QString &text);

// The song's bytes in the encoding: the text with its line ends, converted by
// iconv (GBK as CP936, Big5 as CP950 after the script is made Traditional),
// the byte-order mark added where the encoding has one. Fails the running
// test when iconv cannot convert every character.
QByteArray EncodeSong(const CorpusSong &song, CorpusEncoding encoding);

// The encoding uchardet names for each file, in the order given; empty names
// when uchardet is not installed.
QList<QString> UchardetNames(const QStringList &files);
