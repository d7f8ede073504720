#pragma once

#include <QByteArray>
#include <QString>

#include <pugixml.hpp>

// An XML file loaded whole, and written back in one fixed layout: the
// declaration and whatever precedes the root, then one element per line
// indented by two spaces per level, CR LF line ends, every character above
// U+007F and every control character but tab, LF and CR as a character
// reference, so the body is plain ASCII in any encoding.
class XmlFile
{
public:
    // Recognises the encoding from a byte-order mark (UTF-8, UTF-16), else from
    // the declaration, else takes the ANSI code page. Throws AppError when
    // the file cannot be read or is not well-formed.
    explicit XmlFile(const QString &path);

    pugi::xml_document &Document() { return m_document; }

    // The document as text, every line ending in CR LF.
    QString Text() const;

    // Writes the document in the encoding its declaration names (UTF-8 and
    // UTF-16 with their byte-order mark), or the one recognised on loading.
    // Throws AppError when the file cannot be written, when the encoding
    // lacks a character of a name, comment or CDATA, or when elements nest
    // more than 1000 levels deep (the file is then left as it was).
    void Save(const QString &path) const;

private:
    pugi::xml_document m_document;
    QByteArray m_loadedEncoding;
};

// Escapes an attribute value or element text for writing.
QString EscapeXmlMarkup(const QString &text);
