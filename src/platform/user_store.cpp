#include "platform/user_store.h"

#include <QSettings>

#include <memory>

namespace {
QString g_storeFile;

std::unique_ptr<QSettings> OpenStore()
{
    if (!g_storeFile.isEmpty())
        return std::make_unique<QSettings>(g_storeFile, QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("Holvensk"), QStringLiteral("Brisling"));
}
}

QString ReadUserValue(const QString &name)
{
    auto store = OpenStore();
    return store->value(name).toString();
}

bool WriteUserValue(const QString &name, const QString &value)
{
    auto store = OpenStore();
    if (!store->isWritable())
        return false;
    store->setValue(name, value);
    store->sync();
    return store->status() == QSettings::NoError;
}

void SetUserStoreFile(const QString &path)
{
    g_storeFile = path;
}
