// "备份签名密钥..." in the album menu: a copy of the installation's signing
// key, which every update of an album already on a phone needs.
#include "app/form_main.h"

#include "app/error_box.h"

#include "build/signing_key.h"
#include "platform/app_error.h"
#include "platform/app_folder.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {
void Inform(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Information, ApplicationTitle(), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    box.exec();
}
} // namespace

void TFormMain::MenuAlbumKeyBackupClick()
{
    try {
        ExistingSigningKey();
    } catch (const AppError &error) {
        Inform(this, error.message());
        return;
    }
    QFileDialog dialog(this, QStringLiteral("备份签名密钥"), QDir::homePath());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({QStringLiteral("签名密钥 (*.p12)"), QStringLiteral("所有文件 (*)")});
    dialog.setDefaultSuffix(QStringLiteral("p12"));
    dialog.selectFile(QStringLiteral("signing-key.p12"));
    // The dialog asks before it lets an existing file be chosen.
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString target = dialog.selectedFiles().first();
    try {
        ExportSigningKey(target, true);
    } catch (const AppError &error) {
        ShowErrorBox(this, error.message());
        return;
    }
    Inform(this, QStringLiteral("签名密钥已备份到：\n%1").arg(target));
}
