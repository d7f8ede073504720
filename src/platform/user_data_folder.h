#pragma once

#include <QString>

// The per-user data folder of organisation "Holvensk", application "Brisling"
// (~/.local/share/Holvensk/Brisling, or under $XDG_DATA_HOME), without a
// trailing '/'. What must outlive the application folder lives here: a
// rebuild, a fresh clone or a move of the program never touches it.
QString UserDataFolder();
