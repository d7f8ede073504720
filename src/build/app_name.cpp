#include "build/app_name.h"

#include "build/file_errors.h"
#include "build/work_folder.h"
#include "build/xml_file.h"

#include "settings/log.h"
#include "settings/pt_info.h"
#include "settings/random_id.h"
#include "settings/text_digest.h"

#include <QStringList>

namespace {
QString LowerAscii(QString text)
{
    for (QChar &c : text) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + ('a' - 'A'));
    }
    return text;
}

QString LocalName(const char *name)
{
    const QString full = QString::fromUtf8(name);
    return full.mid(full.indexOf(QLatin1Char(':')) + 1);
}

void RenamePackage(const QString &manifestPath, const QString &packageName)
{
    XmlFile manifest(manifestPath);
    pugi::xml_node root = manifest.Document().document_element();
    if (LowerAscii(LocalName(root.name())) != QLatin1String("manifest"))
        return;
    bool renamed = false;
    for (pugi::xml_attribute attribute : root.attributes()) {
        if (LowerAscii(LocalName(attribute.name())) == QLatin1String("package")) {
            attribute.set_value(packageName.toUtf8().constData());
            renamed = true;
        }
    }
    if (renamed)
        manifest.Save(manifestPath);
}

QString TitleLine(const QString &line, const QString &escapedTitle)
{
    for (const char *name : {"app_name", "title_activity_main", "app_title"}) {
        const QString quoted = QLatin1Char('"') + QLatin1String(name) + QLatin1Char('"');
        if (line.contains(quoted))
            return QStringLiteral("<string name=%1>%2</string>").arg(quoted, escapedTitle);
    }
    return line;
}

void RetitleStrings(const QString &stringsPath, const QString &album)
{
    QByteArray bytes = ReadWholeFile(stringsPath);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    const QString escapedTitle = EscapeXmlText(album);
    QByteArray out = QByteArrayLiteral("\xEF\xBB\xBF");
    for (const QString &line : SplitLines(QString::fromUtf8(bytes)))
        out += TitleLine(line, escapedTitle).toUtf8() + "\r\n";
    WriteWholeFile(stringsPath, out);
}
} // namespace

QString PackageStem(const QString &album)
{
    const QString appId = PtInfo ? PtInfo->AppId : QString();
    const QString stem = appId.isEmpty()
        ? QStringLiteral("dorvalith.M") + RandomId + TextDigest(album)
        : QStringLiteral("dorvalith.M") + appId;
    return LowerAscii(stem);
}

QString PackageName(const QString &album)
{
    return QStringLiteral("com.quorvane.") + PackageStem(album);
}

QString PackageNameRuleBroken(const QString &packageName)
{
    if (packageName.size() > kMaxPackageNameLength)
        return QStringLiteral("包名最长 %1 个字符").arg(kMaxPackageNameLength);
    auto letter = [](QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); };
    for (const QStringView segment : QStringView(packageName).split(QLatin1Char('.'))) {
        bool valid = !segment.isEmpty() && letter(segment.front());
        for (const QChar c : segment)
            valid = valid && (letter(c) || (c >= u'0' && c <= u'9') || c == u'_');
        if (!valid)
            return QStringLiteral("包名的每一段都须以英文字母开头，只含英文字母、数字和下划线");
    }
    return {};
}

QString PackageNameProblem(const QString &album)
{
    const QString packageName = PackageName(album);
    const QString rule = PackageNameRuleBroken(packageName);
    if (rule.isEmpty())
        return {};
    const QString appId = PtInfo ? PtInfo->AppId : QString();
    const bool fromAppId = !appId.isEmpty();
    return QStringLiteral("设置 %1 的值“%2”不能用作安卓应用的包名（%3）：%4")
        .arg(fromAppId ? QStringLiteral("AppID") : QStringLiteral("RandomID"),
             fromAppId ? appId : RandomId, packageName, rule);
}

QString EscapeXmlText(const QString &text)
{
    QString out;
    out.reserve(text.size() + 16);
    const qsizetype last = text.size() - 1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        switch (c.unicode()) {
        case u'&': out += QStringLiteral("&amp;"); break;
        case u'<': out += QStringLiteral("&lt;"); break;
        case u'>': out += QStringLiteral("&gt;"); break;
        case u'\'': out += QStringLiteral("\\'"); break;
        case u'"': out += QStringLiteral("\\\""); break;
        case u'\\': out += QStringLiteral("\\\\"); break;
        case u' ':
            // Android trims the text and folds runs of blanks into one.
            if (i == 0 || i == last || text.at(i - 1) == QLatin1Char(' '))
                out += QStringLiteral("\\u0020");
            else
                out += c;
            break;
        case u'%':
            out += QStringLiteral("\\u0025");
            break;
        case u'@':
        case u'?':
            // At the start they would make a reference of the text.
            if (i == 0)
                out += QLatin1Char('\\');
            out += c;
            break;
        default:
            out += c;
        }
    }
    return out;
}

bool SetAppName(const QString &album)
{
    const QString folder = WorkFolder(album);
    const QString manifestPath = folder + QStringLiteral("/AndroidManifest.xml");
    const QString stringsPath = folder + QStringLiteral("/res/values/strings.xml");
    RenamePackage(manifestPath, PackageName(album));
    RetitleStrings(stringsPath, album);
    return true;
}
