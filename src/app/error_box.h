#pragma once

#include <QString>

#include <functional>
#include <memory>

class QMessageBox;
class QWidget;

// The application's standard error box: the application title as caption,
// the message (with "." appended where ErrorBoxText adds one), an OK button
// and the error icon.
std::unique_ptr<QMessageBox> MakeErrorBox(QWidget *parent, const QString &message);

// Shows the standard error box and waits until it is closed.
void ShowErrorBox(QWidget *parent, const QString &message);

// Runs one command of the window. Any error that ends it, running out of
// memory included, shows in the standard error box; the program carries on.
void RunShowingErrors(QWidget *parent, const std::function<void()> &work);
