#pragma once

#include "support/qt_printers.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// A temporary application folder with the sub-folders a fresh installation
// has (log, data, output, ini, pic); the program's folder and executable name
// point at it while the object lives.
class TestAppFolder
{
public:
    explicit TestAppFolder(const QString &executableName = QStringLiteral("Pelorin"));
    ~TestAppFolder();

    QString path() const;                       // with trailing '/'
    QString file(const QString &relative) const; // path() + relative
    void write(const QString &relative, const QByteArray &bytes) const;
    QByteArray read(const QString &relative) const;
    void remove(const QString &relative) const;  // a file or a whole folder

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

// The locale variables of a test: replaced while the object lives.
class ScopedLocale
{
public:
    explicit ScopedLocale(const QString &name);
    ~ScopedLocale();
};
