#pragma once

#include <QString>
#include <QStringList>

class QFileDialog;
class QWidget;

// Turns a filter written as "display|patterns|display|patterns", patterns
// separated by ";", into Qt's name filters "display (pattern pattern)".
QStringList QtNameFilters(const QString &filter);

// A resizable open dialog that lets several existing files be chosen; it
// shows the display texts of the filter as captions. The object is kept, so
// it remembers the last folder between uses.
QFileDialog *MakeOpenDialog(QWidget *parent, const QString &filter);
