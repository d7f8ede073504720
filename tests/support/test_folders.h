#pragma once

#include "support/qt_printers.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// Points the per-user data folder (XDG_DATA_HOME) at `home` while the object
// lives, for this process and the programs it starts; then restores it.
class ScopedDataHome
{
public:
    explicit ScopedDataHome(const QString &home);
    ~ScopedDataHome();
    ScopedDataHome(const ScopedDataHome &) = delete;
    ScopedDataHome &operator=(const ScopedDataHome &) = delete;

private:
    QByteArray m_old;
    bool m_wasSet = false;
};

// A temporary application folder with the sub-folders a fresh installation
// has (log, data, output, ini, pic); the program's folder and executable name
// point at it while the object lives, and the per-user data folder at a
// temporary folder of its own.
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
    QTemporaryDir m_dataHomeDir;
    ScopedDataHome m_dataHome{m_dataHomeDir.path()};
};

// The permission bits of a file or folder (0600 for a file only its owner
// may read and write), -1 when it does not exist.
int FileMode(const QString &path);

// The locale variables of a test: replaced while the object lives.
class ScopedLocale
{
public:
    explicit ScopedLocale(const QString &name);
    ~ScopedLocale();
};
