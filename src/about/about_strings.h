#pragma once

#include <QString>

// String resources of the program, translatable through Qt's translation
// files: the title and version shown by the about dialog, and its two links.
QString ProgramTitleString();     // "Pelorin"
QString ProgramVersionString();   // "1.0"
QString ProductWebAddress();      // caption and address of the web link
QString SupportMailAddress();     // caption of the mail link
