// Test entry for tests on a real X display (see run_on_desktop.sh), with
// the program's Chinese Qt texts installed as at start-up, for a user whose
// home folder has a Chinese name.
#include "app/qt_translations.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb"));
    QTemporaryDir users;
    const QString home = QDir(users.path()).filePath(QStringLiteral("张三"));
    QDir().mkpath(home);
    qputenv("HOME", QFile::encodeName(home));
    QApplication app(argc, argv);
    InstallQtTranslations(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
