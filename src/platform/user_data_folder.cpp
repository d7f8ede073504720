#include "platform/user_data_folder.h"

#include <QStandardPaths>

QString UserDataFolder()
{
    // The folder AppDataLocation names for this organisation and application,
    // formed without renaming the running application.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/Holvensk/Brisling");
}
