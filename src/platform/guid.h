#pragma once

#include <QString>

// A new GUID in its standard text form {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX},
// upper-case hexadecimal digits.
QString NewGuidText();
