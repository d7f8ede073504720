#include "platform/folder_operations.h"

#include <QFile>

#include <system_error>

namespace fs = std::filesystem;

fs::path NativePath(const QString &path)
{
    return fs::path(QFile::encodeName(path).toStdString());
}

bool EmptyFolder(const QString &folder)
{
    std::error_code error;
    fs::directory_iterator it(NativePath(folder), error);
    if (error)
        return false;
    bool complete = true;
    for (const fs::directory_entry &entry : it) {
        // remove_all removes a link itself, not what it points to.
        fs::remove_all(entry.path(), error);
        if (error)
            complete = false;
    }
    return complete;
}

bool CopyFolderContents(const QString &source, const QString &destination)
{
    std::error_code error;
    const fs::path from = NativePath(source);
    const fs::path to = NativePath(destination);
    if (!fs::is_directory(from, error))
        return false;
    fs::create_directories(to, error);
    if (error)
        return false;
    fs::directory_iterator it(from, error);
    if (error)
        return false;
    bool complete = true;
    for (const fs::directory_entry &entry : it) {
        fs::copy(entry.path(), to / entry.path().filename(),
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing, error);
        if (error)
            complete = false;
    }
    return complete;
}
