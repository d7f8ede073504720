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

void RunShowingErrors(QWidget *parent, const std::function<void()> &work)
{
    QString message;
    try {
        work();
        return;
    } catch (const std::exception &error) {
        message = ExceptionMessage(error);
    } catch (...) {
        message = QStringLiteral("发生未知错误，操作没有完成");
    }
    // Shown once the failed work has let go of what it held.
    ShowErrorBox(parent, message);
}
