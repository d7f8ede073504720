#include "app/build_progress.h"

#include "build/build_monitor.h"
#include "platform/app_folder.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {
// Keeps the output view small however talkative the tools are.
constexpr int kMaxOutputLines = 2000;
}

BuildProgress::BuildProgress(BuildMonitor &monitor, QWidget *parent)
    : QDialog(parent), m_monitor(monitor)
{
    setWindowTitle(ApplicationTitle());
    setWindowModality(Qt::ApplicationModal);
    m_step = new QLabel(this);
    m_step->setObjectName(QStringLiteral("BuildStep"));
    m_output = new QPlainTextEdit(this);
    m_output->setObjectName(QStringLiteral("BuildOutput"));
    m_output->setReadOnly(true);
    m_output->setMaximumBlockCount(kMaxOutputLines);
    m_output->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_cancel = new QPushButton(QStringLiteral("取消"), this);
    m_cancel->setObjectName(QStringLiteral("BuildCancel"));
    connect(m_cancel, &QPushButton::clicked, this, &BuildProgress::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_step);
    layout->addWidget(m_output, 1);
    layout->addWidget(m_cancel, 0, Qt::AlignRight);
    resize(560, 320);

    connect(&monitor, &BuildMonitor::stepStarted, this, &BuildProgress::ShowStep);
    connect(&monitor, &BuildMonitor::toolOutput, this, &BuildProgress::AppendOutput);
}

void BuildProgress::reject()
{
    if (m_monitor.IsCancelled())
        return;
    m_cancel->setEnabled(false);
    m_step->setText(QStringLiteral("正在取消..."));
    m_monitor.Cancel();
}

void BuildProgress::ShowStep(const QString &title)
{
    if (!m_monitor.IsCancelled())
        m_step->setText(title);
    // The steps between the tool runs keep the event loop busy; let the
    // window paint the new step and take a click on Cancel.
    QCoreApplication::processEvents();
}

void BuildProgress::AppendOutput(const QString &text)
{
    QScrollBar *bar = m_output->verticalScrollBar();
    const bool atEnd = bar->value() == bar->maximum();
    m_output->moveCursor(QTextCursor::End);
    m_output->insertPlainText(text);
    if (atEnd)
        bar->setValue(bar->maximum());
}
