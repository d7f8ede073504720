#include "platform/guid.h"

#include <QUuid>

QString NewGuidText()
{
    return QUuid::createUuid().toString(QUuid::WithBraces).toUpper();
}
