// Decodes every song of the corpus in every encoding and compares the text
// with the original. The detector's verdicts are measured, and the files it
// misreads are listed below as known, so a change in either direction shows.
#include "media/text_decoding.h"
#include "lyrics_corpus.h"
#include "support/test_folders.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

const QString kCorpusFolder = QStringLiteral(PELORIN_TEST_DATA_DIR "/lyrics/corpus");

struct Misreading
{
    const char *song;
    CorpusEncoding encoding;
    EncodingKind kind;
};

// Files the detector classifies wrongly on a Simplified-Chinese system.
// Only ASCII characters put zero bytes into UTF-16, while about one byte in
// ten of a Chinese character is a control byte. Plain lyrics without a mark,
// without LRC tags and with LF line ends have so few ASCII characters that
// the control bytes outnumber twice the zeros, and the file counts as Binary.
const QList<Misreading> kKnownMisreadingsSimplified = {
    {"song05", CorpusEncoding::Utf16Le, EncodingKind::Binary},
    {"song07", CorpusEncoding::Utf16Le, EncodingKind::Binary},
    {"song15", CorpusEncoding::Utf16Le, EncodingKind::Binary},
    {"song23", CorpusEncoding::Utf16Le, EncodingKind::Binary},
    {"song05", CorpusEncoding::Utf16Be, EncodingKind::Binary},
    {"song07", CorpusEncoding::Utf16Be, EncodingKind::Binary},
    {"song09", CorpusEncoding::Utf16Be, EncodingKind::Binary},
    {"song15", CorpusEncoding::Utf16Be, EncodingKind::Binary},
    {"song23", CorpusEncoding::Utf16Be, EncodingKind::Binary},
};

// The same on a Traditional-Chinese system (GBK and Big5 files only).
// GBK text without telling pairs goes to the round trip, which some GBK
// texts survive as Big5.
const QList<Misreading> kKnownMisreadingsTraditional = {
    {"song19", CorpusEncoding::Gbk, EncodingKind::Big5},
    {"song23", CorpusEncoding::Gbk, EncodingKind::Big5},
    {"song24", CorpusEncoding::Gbk, EncodingKind::Big5},
    {"song25", CorpusEncoding::Gbk, EncodingKind::Big5},
};

// Words that ICU's Hans-Hant and Hant-Hans do not carry back to the
// original: Big5 files come back with the second form. 背着书包 becomes
// 背著書包, whose 著書 ("to write books") stays 著书.
struct ScriptChange
{
    const char16_t *simplified;
    const char16_t *afterTrip;
};
const ScriptChange kScriptChanges[] = {
    {u"着书", u"著书"},
};

QString WithCrLf(const QString &text)
{
    QString lines = text;
    lines.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return lines;
}

struct FileResult
{
    QString song;
    CorpusEncoding encoding;
    QString path;
    EncodingDetection detection;
    bool byteOrderMark = false;
    bool textRight = false;
    QString difference; // where the text first differs, when it does
    QString uchardet;
};

bool UchardetRight(const QString &name, CorpusEncoding encoding)
{
    const QString upper = name.toUpper();
    switch (encoding) {
    case CorpusEncoding::Gbk:
        return upper == QLatin1String("GB18030") || upper == QLatin1String("GBK")
            || upper == QLatin1String("GB2312");
    case CorpusEncoding::Big5: return upper == QLatin1String("BIG5");
    case CorpusEncoding::Utf8:
    case CorpusEncoding::Utf8Mark: return upper == QLatin1String("UTF-8");
    case CorpusEncoding::Utf16Le: return upper == QLatin1String("UTF-16LE");
    case CorpusEncoding::Utf16Be: return upper == QLatin1String("UTF-16BE");
    case CorpusEncoding::Utf16LeMark:
        return upper == QLatin1String("UTF-16LE") || upper == QLatin1String("UTF-16");
    case CorpusEncoding::Utf16BeMark:
        return upper == QLatin1String("UTF-16BE") || upper == QLatin1String("UTF-16");
    }
    return false;
}

class LyricsCorpus : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_songs = LoadCorpus(kCorpusFolder);
        ASSERT_GE(m_songs.size(), 30) << "corpus at " << kCorpusFolder.toStdString();
        ASSERT_TRUE(m_dir.isValid());
    }

    // Writes every song in the given encodings and decodes the files on the
    // current system; expected(song, encoding) gives the right text.
    template <typename Expected>
    QList<FileResult> Run(const QList<CorpusEncoding> &encodings, Expected expected)
    {
        QList<FileResult> results;
        for (CorpusEncoding encoding : encodings) {
            for (const CorpusSong &song : m_songs) {
                FileResult r;
                r.song = song.name;
                r.encoding = encoding;
                r.path = m_dir.filePath(song.name + QLatin1Char('.')
                                        + CorpusEncodingName(encoding) + QStringLiteral(".lrc"));
                const QByteArray content = EncodeSong(song, encoding);
                QFile file(r.path);
                EXPECT_TRUE(file.open(QIODevice::WriteOnly));
                file.write(content);
                file.close();

                const DecodedText decoded = DecodeTextBytes(content);
                r.byteOrderMark = decoded.byteOrderMark;
                r.detection = ExplainEncoding(content.left(kDetectionSampleSize));
                if (decoded.byteOrderMark)
                    r.detection.kind = decoded.kind;
                const QString text = LoadTextFile(r.path);
                const QString want = expected(song, encoding);
                r.textRight = text == want;
                if (!r.textRight) {
                    qsizetype at = 0;
                    while (at < text.size() && at < want.size() && text[at] == want[at])
                        ++at;
                    r.difference = QStringLiteral("got \"%1\", want \"%2\"")
                                       .arg(text.mid(at, 6), want.mid(at, 6));
                }
                results.append(r);
            }
        }
        QStringList paths;
        for (const FileResult &r : results)
            paths.append(r.path);
        const QList<QString> names = UchardetNames(paths);
        for (qsizetype k = 0; k < results.size(); ++k)
            results[k].uchardet = names[k];
        return results;
    }

    // Prints the table and checks the verdicts against the known misreadings.
    void Report(const char *title, const QList<CorpusEncoding> &encodings,
                const QList<FileResult> &results, const QList<Misreading> &known)
    {
        std::printf("\n%s (%lld songs)\n", title, static_cast<long long>(m_songs.size()));
        std::printf("%-14s %-9s %-9s %-13s %-9s %s\n", "encoding", "detector", "text",
                    "by rule", "uchardet", "uchardet says");
        for (CorpusEncoding encoding : encodings) {
            int detected = 0, texts = 0, uchardet = 0, files = 0;
            QMap<QString, int> said;
            QMap<int, int> rules;
            for (const FileResult &r : results) {
                if (r.encoding != encoding)
                    continue;
                ++files;
                detected += r.detection.kind == ExpectedKind(encoding);
                texts += r.textRight;
                uchardet += UchardetRight(r.uchardet, encoding);
                ++said[r.uchardet.isEmpty() ? QStringLiteral("(none)") : r.uchardet];
                ++rules[r.byteOrderMark ? 0 : r.detection.rule];
            }
            QStringList saidList;
            for (auto it = said.cbegin(); it != said.cend(); ++it)
                saidList.append(QStringLiteral("%1 %2").arg(it.key()).arg(it.value()));
            QStringList ruleList;
            for (auto it = rules.cbegin(); it != rules.cend(); ++it) {
                const QString rule = it.key() == 0 ? QStringLiteral("mark")
                                                   : QString::number(it.key());
                ruleList.append(rule + QLatin1Char(':') + QString::number(it.value()));
            }
            std::printf("%-14s %2d/%-6d %2d/%-6d %-13s %2d/%-6d %s\n",
                        qPrintable(CorpusEncodingName(encoding)), detected, files, texts, files,
                        qPrintable(ruleList.join(u' ')), uchardet, files,
                        qPrintable(saidList.join(QStringLiteral(", "))));
        }

        QSet<QString> expectedWrong;
        for (const Misreading &m : known) {
            expectedWrong.insert(QStringLiteral("%1 %2 -> %3")
                                     .arg(QLatin1String(m.song), CorpusEncodingName(m.encoding),
                                          EncodingKindName(m.kind)));
        }
        QSet<QString> wrong;
        for (const FileResult &r : results) {
            const bool kindRight = r.detection.kind == ExpectedKind(r.encoding);
            if (!kindRight) {
                const QString line = QStringLiteral("%1 %2 -> %3")
                                         .arg(r.song, CorpusEncodingName(r.encoding),
                                              EncodingKindName(r.detection.kind));
                wrong.insert(line);
                const EncodingEvidence &e = r.detection.evidence;
                std::printf("  misread: %s by rule %d (GBK %d, Big5 %d, UTF-8 %d/%d hits, leads "
                            "%d, pairs Big5 %d GBK %d, controls %d, zeros even %d odd %d)\n",
                            qPrintable(line), r.detection.rule, e.gbkWeight, e.big5Weight,
                            e.utf8Weight, e.utf8Hits, e.leads, e.big5Pairs, e.gbkPairs,
                            e.controls, e.evenZeros, e.oddZeros);
            }
            if (!r.uchardet.isEmpty() && !UchardetRight(r.uchardet, r.encoding)
                && r.uchardet != QLatin1String("unknown")) {
                std::printf("  uchardet: %s %s -> %s\n", qPrintable(r.song),
                            qPrintable(CorpusEncodingName(r.encoding)), qPrintable(r.uchardet));
            }
            // A file read in its own encoding must give back its text.
            EXPECT_TRUE(!kindRight || r.textRight)
                << r.song.toStdString() << " " << CorpusEncodingName(r.encoding).toStdString()
                << ": " << r.difference.toStdString();
        }
        auto sorted = [](const QSet<QString> &lines) {
            QStringList list(lines.cbegin(), lines.cend());
            list.sort();
            return list.join(u'\n').toStdString();
        };
        EXPECT_EQ(sorted(wrong), sorted(expectedWrong)) << "misreadings differ from the known ones";
        std::fflush(stdout);
    }

    QList<CorpusSong> m_songs;
    QTemporaryDir m_dir;
};

TEST_F(LyricsCorpus, DecodesOnASimplifiedChineseSystem)
{
    ScopedLocale locale(QStringLiteral("zh_CN"));
    const QList<CorpusEncoding> encodings(std::begin(kCorpusEncodings), std::end(kCorpusEncodings));
    const auto results = Run(encodings, [](const CorpusSong &song, CorpusEncoding encoding) {
        QString text = WithCrLf(song.text);
        if (encoding == CorpusEncoding::Big5) {
            for (const ScriptChange &change : kScriptChanges)
                text.replace(QString::fromUtf16(change.simplified),
                             QString::fromUtf16(change.afterTrip));
        }
        return text;
    });
    Report("Simplified-Chinese system (zh_CN)", encodings, results, kKnownMisreadingsSimplified);
}

TEST_F(LyricsCorpus, DecodesGbkAndBig5OnATraditionalChineseSystem)
{
    ScopedLocale locale(QStringLiteral("zh_TW"));
    const QList<CorpusEncoding> encodings = {CorpusEncoding::Gbk, CorpusEncoding::Big5};
    const auto results = Run(encodings, [](const CorpusSong &song, CorpusEncoding) {
        return WithCrLf(TraditionalScript(song.text));
    });
    Report("Traditional-Chinese system (zh_TW)", encodings, results, kKnownMisreadingsTraditional);
}

} // namespace
