#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The command line of pelorin-build:
//   pelorin-build [--open ALBUM.pelorin] [--save ALBUM.pelorin] [--album NAME]
//                 [--icon PICTURE] [--no-overwrite] [--list] FILE...
//   pelorin-build --export-key FILE
// Files are needed unless an album file is opened.
struct CliOptions
{
    std::optional<QString> open;
    std::optional<QString> save;
    std::optional<QString> album;
    QString exportKey; // where to save a copy of the signing key; no build then
    QString icon;
    bool noOverwrite = false;
    bool list = false;
    bool help = false;
    QStringList files;
};

// Parses the arguments after the program name. Options may also be written
// --album=NAME; "--" ends the options. Returns nothing and sets `error` for
// bad usage.
std::optional<CliOptions> ParseCliOptions(const QStringList &arguments, QString &error);

// The usage text.
QString CliUsage();
