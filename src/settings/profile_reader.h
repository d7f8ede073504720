#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Reads values from an initialisation file (sections in brackets, key=value
// lines) with the private-profile rules: section and key names match without
// regard to case, blanks around the value and one pair of enclosing quotes are
// removed, values are cut to 2047 characters. The file is read once.
class ProfileReader
{
public:
    static constexpr int kMaxValueLength = 2047;

    // A missing or unreadable file reads as empty; so does anything but a
    // regular file (a pipe would block), which Problem() then names.
    explicit ProfileReader(const QString &path);

    // Why an existing file could not be read ("Cannot open file …"), else empty.
    const QString &Problem() const { return m_problem; }

    // The value, or nothing when the section or key is absent. A key that is
    // present with an empty value gives an empty text, not nothing.
    std::optional<QString> value(const QString &section, const QString &key) const;

    // The value as an integer: decimal, or hexadecimal after "0x", "0X" or
    // "$"; `fallback` when absent or not a number.
    int integer(const QString &section, const QString &key, int fallback) const;

private:
    QString m_text;
    QString m_problem;
};
