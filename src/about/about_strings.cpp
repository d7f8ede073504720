#include "about/about_strings.h"

#include <QCoreApplication>

QString ProgramTitleString()
{
    return QCoreApplication::translate("Resources", "Pelorin");
}

QString ProgramVersionString()
{
    return QCoreApplication::translate("Resources", "1.0");
}

QString ProductWebAddress()
{
    return QCoreApplication::translate("Resources", "http://pelorin.example/");
}

QString SupportMailAddress()
{
    return QCoreApplication::translate("Resources", "hi@pelorin.example");
}
