#pragma once

#include "editing/window_fixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// The window with a folder of files to attach or drop.
class AttachTest : public WindowTest
{
protected:
    QString File(const QString &name) const { return m_files.filePath(name); }
    QString Picture(const QString &name, QSize size = QSize(40, 30)) const
    {
        return WritePicture(m_files.path(), name, size);
    }
    QString TextFile(const QString &name, const QByteArray &content) const
    {
        QFile file(File(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return file.fileName();
    }
    QString Song(const QString &name) const
    {
        const QString path = File(name);
        EXPECT_TRUE(QFile::copy(QStringLiteral(PELORIN_TEST_DATA_DIR "/tags/untagged.mp3"), path));
        return path;
    }

    QTemporaryDir m_files;
};
