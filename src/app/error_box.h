#pragma once

#include <QString>

#include <memory>

class QMessageBox;
class QWidget;

// The application's standard error box: the application title as caption,
// the message (with "." appended where ErrorBoxText adds one), an OK button
// and the error icon.
std::unique_ptr<QMessageBox> MakeErrorBox(QWidget *parent, const QString &message);

// Shows the standard error box and waits until it is closed.
void ShowErrorBox(QWidget *parent, const QString &message);
