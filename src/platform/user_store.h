#pragma once

#include <QString>

// The per-user store of the installation identifier: the native settings of
// organisation "Holvensk", application "Brisling" (~/.config/Holvensk/Brisling.conf).

// The named value, empty when the store or the value does not exist.
QString ReadUserValue(const QString &name);

// Stores a text value; a store that cannot be written is left as it was.
// Returns whether the value reached the store.
bool WriteUserValue(const QString &name, const QString &value);

// Points the store at another file (tests); empty returns to the native store.
void SetUserStoreFile(const QString &path);
