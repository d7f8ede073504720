#pragma once

#include <QString>

// The identifier of this installation, settled once at start-up.
extern QString RandomId;

// Ten upper-case hexadecimal digits: the last five bytes of a new GUID.
QString MakeRandomId();

// The per-user store value, empty when absent.
QString ReadRegistryText(const QString &name);

// Stores the value; a store that cannot be written is silently left alone.
void WriteRegistryText(const QString &name, const QString &value);

// RandomId := the settings file's RandomID when set, else the stored
// "radomid", else a new identifier that is then stored.
void InitRandomId();
