#include "build/stored_extensions.h"

#include "build/file_errors.h"

#include <QFileInfo>
#include <QList>

namespace {
const QByteArray kKey = QByteArrayLiteral("doNotCompress:");

// A list entry's value without the dash and the quotes around it.
QByteArray EntryValue(const QByteArray &line)
{
    QByteArray value = line.trimmed().mid(1).trimmed();
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return value;
}

// A YAML double-quoted scalar: always a string, whatever the extension is.
QByteArray Quoted(const QString &text)
{
    QByteArray out = "\"";
    for (const char c : text.toUtf8()) {
        if (c == '"' || c == '\\')
            out += '\\';
        if (static_cast<unsigned char>(c) < 0x20)
            out += "\\x" + QByteArray::number(static_cast<unsigned char>(c), 16).rightJustified(2, '0');
        else
            out += c;
    }
    return out + '"';
}
} // namespace

QByteArray WithStoredExtensions(const QByteArray &yml, const QStringList &extensions)
{
    const QByteArray eol = yml.contains("\r\n") ? QByteArrayLiteral("\r\n") : QByteArrayLiteral("\n");
    QList<QByteArray> lines = yml.split('\n');
    for (QByteArray &line : lines)
        if (line.endsWith('\r'))
            line.chop(1);
    const bool endsWithBreak = !lines.isEmpty() && lines.back().isEmpty();
    if (endsWithBreak)
        lines.removeLast();

    qsizetype key = -1;
    for (qsizetype i = 0; i < lines.size() && key < 0; ++i)
        if (lines[i].trimmed() == kKey && !lines[i].startsWith(' '))
            key = i;
    if (key < 0) {
        lines.append(kKey);
        key = lines.size() - 1;
    }
    // The list runs on while its lines are entries ("- ...", indented or not).
    QList<QByteArray> present;
    qsizetype end = key + 1;
    for (; end < lines.size() && lines[end].trimmed().startsWith('-'); ++end)
        present.append(EntryValue(lines[end]));

    QList<QByteArray> added;
    for (const QString &extension : extensions) {
        const QByteArray value = extension.toUtf8();
        if (value.isEmpty() || present.contains(value))
            continue;
        present.append(value);
        added.append("- " + Quoted(extension));
    }
    for (qsizetype k = 0; k < added.size(); ++k)
        lines.insert(end + k, added[k]);
    QByteArray out = lines.join(eol);
    return endsWithBreak ? out + eol : out;
}

void StoreExtensionsUncompressed(const QString &workFolder, const QStringList &extensions)
{
    const QString path = workFolder + QStringLiteral("/apktool.yml");
    if (!QFileInfo(path).isFile())
        return;
    const QByteArray yml = ReadWholeFile(path);
    const QByteArray updated = WithStoredExtensions(yml, extensions);
    if (updated != yml)
        WriteWholeFile(path, updated);
}
