// Feeds an arbitrary AndroidManifest.xml and res/values/strings.xml to the
// manifest step in a scratch working folder. Byte 0 chooses the locale, the
// album name and whether the settings give an AppID; bytes 1-2 are the
// manifest's length (little-endian); then come the manifest and strings.xml.
// Checks that the step raises AppError only when the manifest does not load
// or cannot be written back in its encoding (and then leaves it as it was),
// and otherwise leaves both files as it promises: a rewritten manifest loads
// again with the same elements and attributes and the new package name, an
// untouched one keeps its bytes, and strings.xml keeps its lines with the
// three title lines replaced.
#include "build/app_name.h"
#include "build/work_folder.h"
#include "build/xml_file.h"

#include "platform/app_error.h"
#include "platform/app_folder.h"
#include "platform/locale_info.h"
#include "settings/log.h"
#include "settings/pt_info.h"
#include "settings/random_id.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>

namespace {
const char *const kLocales[] = {"zh_CN", "zh_TW", "en_US", "ja_JP"};
const char *const kAlbums[] = {"Fuzz", "Rock & Roll's <Best>", "中文 专辑", " two  spaces "};

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

QByteArray Read(const QString &path)
{
    QFile file(path);
    Require(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

void Write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    Require(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    Require(file.write(bytes) == bytes.size());
}

QString Lower(const char *name)
{
    const QString full = QString::fromUtf8(name);
    QString local = full.mid(full.indexOf(QLatin1Char(':')) + 1);
    for (QChar &c : local) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + 32);
    }
    return local;
}

// Attribute values as a reader sees them once more: the writer keeps tab, CR
// and LF as they are, and a reader turns them into blanks.
QString Normalised(const char *value)
{
    QString text = QString::fromUtf8(value);
    for (QChar &c : text) {
        if (c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            c = QLatin1Char(' ');
    }
    return text;
}

// Every element in document order with its attributes, the package
// attributes of the root replaced by `package` when given.
QStringList Outline(pugi::xml_document &document, const std::optional<QString> &package)
{
    QStringList outline;
    const pugi::xml_node root = document.document_element();
    struct Walker : pugi::xml_tree_walker
    {
        QStringList *out;
        pugi::xml_node root;
        const std::optional<QString> *package;
        bool for_each(pugi::xml_node &node) override
        {
            if (node.type() != pugi::node_element)
                return true;
            QString line = QString::number(depth()) + QLatin1Char(' ') + QString::fromUtf8(node.name());
            for (const pugi::xml_attribute &attribute : node.attributes()) {
                const bool renamed = *package && node == root && Lower(attribute.name()) == QLatin1String("package");
                line += QLatin1Char(' ') + QString::fromUtf8(attribute.name()) + QLatin1Char('=')
                    + (renamed ? **package : Normalised(attribute.value()));
            }
            out->append(line);
            return true;
        }
    } walker;
    walker.out = &outline;
    walker.root = root;
    walker.package = &package;
    document.traverse(walker);
    return outline;
}

bool HasPackage(pugi::xml_document &document)
{
    const pugi::xml_node root = document.document_element();
    if (Lower(root.name()) != QLatin1String("manifest"))
        return false;
    for (const pugi::xml_attribute &attribute : root.attributes()) {
        if (Lower(attribute.name()) == QLatin1String("package"))
            return true;
    }
    return false;
}

void CheckStrings(const QByteArray &before, const QByteArray &after, const QString &album)
{
    Require(after.startsWith("\xEF\xBB\xBF"));
    const QByteArray body = after.mid(3);
    Require(body.isEmpty() || body.endsWith("\r\n"));
    QByteArray input = before;
    if (input.startsWith("\xEF\xBB\xBF"))
        input.remove(0, 3);
    const QStringList lines = SplitLines(QString::fromUtf8(input));
    QStringList written = QString::fromUtf8(body).split(QStringLiteral("\r\n"));
    written.removeLast();
    Require(written.size() == lines.size());
    const QString title = EscapeXmlText(album);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        Require(!written[i].contains(QLatin1Char('\r')) && !written[i].contains(QLatin1Char('\n')));
        QString expected = lines[i];
        for (const char *name : {"app_name", "title_activity_main", "app_title"}) {
            const QString quoted = QLatin1Char('"') + QLatin1String(name) + QLatin1Char('"');
            if (lines[i].contains(quoted)) {
                expected = QStringLiteral("<string name=%1>%2</string>").arg(quoted, title);
                break;
            }
        }
        Require(written[i] == expected);
    }
}

QString g_manifest;
QString g_strings;
TPtInfo g_settings;
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    static std::unique_ptr<QTemporaryDir> folder(new QTemporaryDir);
    SetApplicationIdentity(folder->path(), QStringLiteral("Pelorin"));
    PtInfo = &g_settings;
    RandomId = QStringLiteral("0A1B2C3D4E");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 3)
        return 0;
    const uint8_t choice = data[0];
    const size_t manifestSize = std::min<size_t>(data[1] | (size_t(data[2]) << 8), size - 3);
    const QByteArray manifest(reinterpret_cast<const char *>(data + 3), qsizetype(manifestSize));
    const QByteArray strings(reinterpret_cast<const char *>(data + 3 + manifestSize), qsizetype(size - 3 - manifestSize));

    OverrideLocale(QLatin1StringView(kLocales[choice % std::size(kLocales)]));
    const QString album = QString::fromUtf8(kAlbums[(choice >> 2) % std::size(kAlbums)]);
    g_settings.AppId = (choice & 0x10) ? QStringLiteral("My.App") : QString();
    const QString folder = WorkFolder(album);
    QDir().mkpath(folder + QStringLiteral("/res/values"));
    const QString manifestPath = folder + QStringLiteral("/AndroidManifest.xml");
    const QString stringsPath = folder + QStringLiteral("/res/values/strings.xml");
    Write(manifestPath, manifest);
    Write(stringsPath, strings);

    std::optional<XmlFile> loaded;
    try {
        loaded.emplace(manifestPath);
    } catch (const AppError &) {
    }
    bool done = false;
    try {
        done = SetAppName(album);
    } catch (const AppError &) {
        Require(Read(manifestPath) == manifest);
        Require(!loaded || HasPackage(loaded->Document()));
        return 0;
    }
    Require(done && loaded);

    if (!HasPackage(loaded->Document())) {
        Require(Read(manifestPath) == manifest);
    } else {
        std::optional<XmlFile> rewritten;
        try {
            rewritten.emplace(manifestPath);
        } catch (const AppError &) {
            std::abort(); // the rewritten manifest must load again
        }
        Require(Outline(rewritten->Document(), std::nullopt)
                == Outline(loaded->Document(), PackageName(album)));
    }
    CheckStrings(strings, Read(stringsPath), album);
    return 0;
}
