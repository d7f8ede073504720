#include "build/xml_file.h"

#include "build/file_errors.h"

#include "platform/code_page.h"
#include "platform/locale_info.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>

#include <optional>

namespace {
// Deeper documents are not written: every level is a call of the writer and
// an indentation on each of its lines, so the text grows with the square of
// the depth. A manifest is a handful of levels deep.
constexpr int kMaxWrittenDepth = 1000;

const QByteArray kUtf8 = QByteArrayLiteral("UTF-8");
const QByteArray kUtf16Le = QByteArrayLiteral("UTF-16LE");
const QByteArray kUtf16Be = QByteArrayLiteral("UTF-16BE");

QString FromUtf8(const char *text)
{
    return QString::fromUtf8(text);
}

QByteArray DeclaredEncoding(const QByteArray &bytes)
{
    static const QRegularExpression declaration(
        QStringLiteral(R"(^<\?xml\s[^>]*?encoding\s*=\s*["']([^"']+)["'])"));
    const QRegularExpressionMatch match = declaration.match(QString::fromLatin1(bytes.left(200)));
    return match.hasMatch() ? match.captured(1).toLatin1() : QByteArray();
}

QString Decode(const QByteArray &bytes, const QByteArray &encoding)
{
    if (encoding.isEmpty())
        return BytesToText(bytes, AnsiCodePage());
    QStringDecoder decoder(encoding.constData());
    if (!decoder.isValid())
        return BytesToText(bytes, AnsiCodePage());
    return decoder.decode(bytes);
}

bool SameName(const QByteArray &name, const char *other)
{
    return name.compare(other, Qt::CaseInsensitive) == 0;
}

// The text in the encoding, or nothing when the encoding lacks one of its
// characters. Values are written as character references, but names,
// comments and CDATA cannot be, and a "?" in their stead may leave a file
// that no longer loads.
std::optional<QByteArray> Encode(const QString &text, const QByteArray &encoding)
{
    if (SameName(encoding, "utf-8") || SameName(encoding, "utf8"))
        return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
    if (SameName(encoding, "utf-16") || SameName(encoding, "utf-16le") || SameName(encoding, "unicode")) {
        QStringEncoder encoder(QStringConverter::Utf16LE);
        return QByteArrayLiteral("\xFF\xFE") + QByteArray(encoder.encode(text));
    }
    if (SameName(encoding, "utf-16be")) {
        QStringEncoder encoder(QStringConverter::Utf16BE);
        return QByteArrayLiteral("\xFE\xFF") + QByteArray(encoder.encode(text));
    }
    if (!encoding.isEmpty()) {
        QStringEncoder encoder(encoding.constData());
        if (encoder.isValid()) {
            const QByteArray bytes = encoder.encode(text);
            if (encoder.hasError() || QStringDecoder(encoding.constData()).decode(bytes) != text)
                return std::nullopt;
            return bytes;
        }
    }
    const QByteArray bytes = TextToBytes(text, AnsiCodePage());
    if (BytesToText(bytes, AnsiCodePage()) != text)
        return std::nullopt;
    return bytes;
}

QString Indent(int depth)
{
    return QString(2 * depth, QLatin1Char(' '));
}

QString StartTag(const pugi::xml_node &element)
{
    QString tag = QLatin1Char('<') + FromUtf8(element.name());
    for (const pugi::xml_attribute &attribute : element.attributes()) {
        tag += QLatin1Char(' ') + FromUtf8(attribute.name()) + QStringLiteral("=\"")
            + EscapeXmlMarkup(FromUtf8(attribute.value())) + QLatin1Char('"');
    }
    return tag;
}

bool IsText(const pugi::xml_node &node)
{
    return node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata;
}

QString NodeMarkup(const pugi::xml_node &node)
{
    switch (node.type()) {
    case pugi::node_pcdata:
        return EscapeXmlMarkup(FromUtf8(node.value()));
    case pugi::node_cdata:
        return QStringLiteral("<![CDATA[") + FromUtf8(node.value()) + QStringLiteral("]]>");
    case pugi::node_comment:
        return QStringLiteral("<!--") + FromUtf8(node.value()) + QStringLiteral("-->");
    case pugi::node_pi:
        return QStringLiteral("<?") + FromUtf8(node.name()) + QLatin1Char(' ')
            + FromUtf8(node.value()) + QStringLiteral("?>");
    case pugi::node_doctype:
        return QStringLiteral("<!DOCTYPE ") + FromUtf8(node.value()) + QLatin1Char('>');
    case pugi::node_declaration: {
        QString markup = QStringLiteral("<?") + FromUtf8(node.name());
        for (const pugi::xml_attribute &attribute : node.attributes()) {
            markup += QLatin1Char(' ') + FromUtf8(attribute.name()) + QStringLiteral("=\"")
                + FromUtf8(attribute.value()) + QLatin1Char('"');
        }
        return markup + QStringLiteral("?>");
    }
    default:
        return {};
    }
}

void AppendLine(QString &out, int depth, const QString &line)
{
    out += Indent(depth) + line + QStringLiteral("\r\n");
}

void AppendElement(QString &out, const pugi::xml_node &element, int depth)
{
    const QString start = StartTag(element);
    const QString end = QStringLiteral("</") + FromUtf8(element.name()) + QLatin1Char('>');
    if (!element.first_child()) {
        AppendLine(out, depth, start + QStringLiteral("/>"));
        return;
    }
    bool textOnly = true;
    for (const pugi::xml_node &child : element.children())
        textOnly = textOnly && IsText(child);
    if (textOnly) {
        QString text;
        for (const pugi::xml_node &child : element.children())
            text += NodeMarkup(child);
        AppendLine(out, depth, start + QLatin1Char('>') + text + end);
        return;
    }
    AppendLine(out, depth, start + QLatin1Char('>'));
    for (const pugi::xml_node &child : element.children()) {
        if (child.type() == pugi::node_element)
            AppendElement(out, child, depth + 1);
        else
            AppendLine(out, depth + 1, NodeMarkup(child));
    }
    AppendLine(out, depth, end);
}
bool DeeperThan(const pugi::xml_document &document, int limit)
{
    struct Walker : pugi::xml_tree_walker
    {
        int limit = 0;
        bool deeper = false;
        bool for_each(pugi::xml_node &) override
        {
            deeper = depth() >= limit;
            return !deeper;
        }
    } walker;
    walker.limit = limit;
    pugi::xml_node root = document;
    root.traverse(walker);
    return walker.deeper;
}
} // namespace

QString EscapeXmlMarkup(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        switch (c) {
        case U'&': out += QStringLiteral("&amp;"); continue;
        case U'<': out += QStringLiteral("&lt;"); continue;
        case U'>': out += QStringLiteral("&gt;"); continue;
        case U'"': out += QStringLiteral("&quot;"); continue;
        case U'\'': out += QStringLiteral("&apos;"); continue;
        case U'\t': case U'\n': case U'\r': out += QChar(c); continue;
        default: break;
        }
        if (c < 0x20 || c >= 0x7F) {
            const int digits = c <= 0xFF ? 2 : 4;
            out += QStringLiteral("&#x")
                + QString::number(uint(c), 16).toUpper().rightJustified(digits, QLatin1Char('0'))
                + QLatin1Char(';');
        } else {
            out += QChar(c);
        }
    }
    return out;
}

XmlFile::XmlFile(const QString &path)
{
    QByteArray bytes = ReadWholeFile(path);
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        m_loadedEncoding = kUtf8;
        bytes.remove(0, 3);
    } else if (bytes.startsWith("\xFF\xFE")) {
        m_loadedEncoding = kUtf16Le;
        bytes.remove(0, 2);
    } else if (bytes.startsWith("\xFE\xFF")) {
        m_loadedEncoding = kUtf16Be;
        bytes.remove(0, 2);
    } else {
        m_loadedEncoding = DeclaredEncoding(bytes);
    }
    const QByteArray utf8 = Decode(bytes, m_loadedEncoding).toUtf8();
    const unsigned options = pugi::parse_default | pugi::parse_declaration | pugi::parse_comments
        | pugi::parse_pi | pugi::parse_doctype;
    const pugi::xml_parse_result result =
        m_document.load_buffer(utf8.constData(), size_t(utf8.size()), options, pugi::encoding_utf8);
    if (!result) {
        throw AppError(QStringLiteral("\"%1\" is not well-formed XML: %2 at byte %3")
                           .arg(path, FromUtf8(result.description()))
                           .arg(result.offset));
    }
}

QString XmlFile::Text() const
{
    QString out;
    for (const pugi::xml_node &node : m_document.children()) {
        if (node.type() == pugi::node_element)
            AppendElement(out, node, 0);
        else
            AppendLine(out, 0, NodeMarkup(node));
    }
    return out;
}

void XmlFile::Save(const QString &path) const
{
    if (DeeperThan(m_document, kMaxWrittenDepth)) {
        throw AppError(QStringLiteral("\"%1\" is nested more than %2 levels deep and is not written")
                           .arg(path)
                           .arg(kMaxWrittenDepth));
    }
    QByteArray encoding = m_loadedEncoding;
    const pugi::xml_node declaration = m_document.first_child();
    if (declaration.type() == pugi::node_declaration && declaration.attribute("encoding"))
        encoding = declaration.attribute("encoding").value();
    const std::optional<QByteArray> bytes = Encode(Text(), encoding);
    if (!bytes) {
        throw AppError(QStringLiteral("\"%1\" cannot be written in its encoding %2: a name, comment or CDATA "
                                      "holds a character that the encoding lacks")
                           .arg(path, QString::fromLatin1(encoding.isEmpty() ? ConverterName(AnsiCodePage()) : encoding)));
    }
    WriteWholeFile(path, *bytes);
}
