#include "app/build_dialogs.h"

#include "app/build_progress.h"
#include "app/error_box.h"

#include "build/album_naming.h"
#include "build/build_folders.h"
#include "platform/app_folder.h"
#include "platform/shell_open.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

AlbumNameDialog::AlbumNameDialog(const QString &caption, const QString &prompt,
                                 const QString &proposal, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(caption);
    auto *label = new QLabel(prompt, this);
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("AlbumNameEdit"));
    m_edit->setMaxLength(kAlbumNameMaxLength);
    m_edit->setText(proposal);
    m_edit->selectAll();
    label->setBuddy(m_edit);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_edit);
    layout->addWidget(buttons);
    setMinimumWidth(320);
}

QString AlbumNameDialog::Name() const
{
    return m_edit->text();
}

void AlbumNameDialog::accept()
{
    const QString problem = AlbumNameProblem(Name());
    if (!problem.isEmpty()) {
        QMessageBox box(QMessageBox::Warning, windowTitle(), problem, QMessageBox::Ok, this);
        box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
        box.exec();
        m_edit->setFocus();
        return;
    }
    QDialog::accept();
}

BuildDialogs::BuildDialogs(QWidget *window)
    : m_window(window)
{
}

BuildDialogs::~BuildDialogs()
{
    BuildEnded();
}

bool BuildDialogs::InputAlbumName(const QString &caption, const QString &prompt, QString &name)
{
    AlbumNameDialog dialog(caption, prompt, name, m_window);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    name = dialog.Name();
    return true;
}

IBuildUser::Answer BuildDialogs::AskOverwrite(const QString &question)
{
    QMessageBox box(QMessageBox::Question, ApplicationTitle(), question,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, m_window);
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("是(&Y)"));
    box.button(QMessageBox::No)->setText(QStringLiteral("否(&N)"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("取消"));
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

void BuildDialogs::ShowInformation(const QString &text)
{
    QMessageBox box(QMessageBox::Information, ApplicationTitle(), text, QMessageBox::Ok, m_window);
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    box.exec();
}

void BuildDialogs::ShowError(const QString &message)
{
    ShowErrorBox(m_window, message);
}

void BuildDialogs::OpenOutputFolder(const QString &folder)
{
    OpenWithShell(folder, QString(), ApplicationFolder(), SW_SHOW);
}

void BuildDialogs::BuildStarted(BuildMonitor &monitor)
{
    BuildEnded();
    m_progress = new BuildProgress(monitor, m_window);
    m_progress->show();
}

void BuildDialogs::BuildEnded()
{
    if (m_progress) {
        m_progress->close();
        delete m_progress;
    }
}
