#pragma once

#include <QByteArray>
#include <QMap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A fresh application folder for pelorin-build: its own copy of the program,
// the staged template, the real tools (jars copied), default pictures,
// settings, log/ and data/, no output/ yet.
// The Java runtime is reached through a script that notes each command line
// in "calls" and copies the working folder to "snapshot" before packaging;
// while a file "stop-before-packaging" exists, it then fails with exit code 2.
// The per-user data folder, where the signing key is made, lies under
// `dataHome` (XDG_DATA_HOME), by default a folder of its own.
class CliApp
{
public:
    explicit CliApp(const QString &dataHome = QString());

    QString DataHome() const { return m_dataHome; }
    // The signing key a build makes: DataHome() + "/Holvensk/Brisling/signing-key.p12".
    QString KeyFile() const;

    QString path() const;                        // with trailing '/'
    QString file(const QString &relative) const; // path() + relative
    void write(const QString &relative, const QByteArray &bytes) const;
    QByteArray read(const QString &relative) const;

    // Replaces the Java runtime by a script body, or removes it when empty.
    void SetJava(const QByteArray &script) const;

    struct Result
    {
        int code = -1;
        QString out;
        QString err;
    };
    // Runs pelorin-build with the arguments; `lang` sets LANG.
    Result Run(const QStringList &arguments, const QString &lang = QStringLiteral("C.UTF-8")) const;
    // Starts it the same way and returns at once.
    void Start(QProcess &process, const QStringList &arguments,
               const QString &lang = QStringLiteral("C.UTF-8")) const;

    // Further variables of pelorin-build's environment (PELORIN_LOCALE …).
    QMap<QString, QString> environment;

    // Entries of an APK: unzip -p, aapt dump badging, apksigner verify.
    static QByteArray Unzip(const QString &apk, const QString &entry);
    static QString Badging(const QString &apk);
    static bool Verifies(const QString &apk);
    // The SHA-256 digest of the signer's certificate (apksigner verify --print-certs).
    static QString Certificate(const QString &apk);

private:
    QTemporaryDir m_dir;
    QString m_dataHome;
};

// A file of tests/data/build/.
QByteArray BuildData(const QString &relative);
