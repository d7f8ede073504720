#include "app/error_box.h"

#include "platform/app_error.h"
#include "platform/app_folder.h"

#include <QMessageBox>

std::unique_ptr<QMessageBox> MakeErrorBox(QWidget *parent, const QString &message)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::Critical, ApplicationTitle(),
                                             ErrorBoxText(message), QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);
    return box;
}

void ShowErrorBox(QWidget *parent, const QString &message)
{
    MakeErrorBox(parent, message)->exec();
}
