#pragma once

#include "support/qt_printers.h"

#include <QFile>
#include <QString>

// Audio fixtures made by tests/data/tags/make_fixtures.sh.
inline QString TagFixture(const QString &name)
{
    return QStringLiteral(PELORIN_TEST_DATA_DIR "/tags/") + name;
}

inline QString TagFixture(const char *name)
{
    return TagFixture(QString::fromUtf8(name));
}

// Copies a fixture into `folder` under another name; returns the new path.
inline QString CopyFixture(const char *fixture, const QString &folder, const QString &name)
{
    const QString target = folder + QLatin1Char('/') + name;
    QFile::remove(target);
    return QFile::copy(TagFixture(fixture), target) ? target : QString();
}
