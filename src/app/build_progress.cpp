#include "app/build_progress.h"

#include "build/build_monitor.h"
#include "platform/app_folder.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
// Keeps the output view small however talkative the tools are.
constexpr int kMaxOutputLines = 2000;
constexpr int kWidth = 480;
constexpr int kOutputHeight = 260;
}

BuildProgress::BuildProgress(BuildMonitor &monitor, QWidget *parent)
    : QDialog(parent), m_monitor(monitor)
{
    setWindowTitle(ApplicationTitle());
    setWindowModality(Qt::ApplicationModal);
    m_step = new QLabel(this);
    m_step->setObjectName(QStringLiteral("BuildStep"));
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("BuildBar"));
    m_bar->setRange(0, kStepCount);
    m_bar->setValue(0);
    m_bar->setTextVisible(false);

    m_details = new QToolButton(this);
    m_details->setObjectName(QStringLiteral("BuildDetails"));
    m_details->setText(QStringLiteral("详细信息"));
    m_details->setCheckable(true);
    m_details->setAutoRaise(true);
    m_details->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_details->setArrowType(Qt::RightArrow);
    connect(m_details, &QToolButton::toggled, this, &BuildProgress::ShowDetails);

    m_output = new QPlainTextEdit(this);
    m_output->setObjectName(QStringLiteral("BuildOutput"));
    m_output->setReadOnly(true);
    m_output->setMaximumBlockCount(kMaxOutputLines);
    m_output->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_output->hide();

    m_cancel = new QPushButton(QStringLiteral("取消"), this);
    m_cancel->setObjectName(QStringLiteral("BuildCancel"));
    connect(m_cancel, &QPushButton::clicked, this, &BuildProgress::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_details);
    buttons->addStretch(1);
    buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_step);
    layout->addWidget(m_bar);
    layout->addLayout(buttons);
    layout->addWidget(m_output, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_step->setMinimumWidth(kWidth);
    m_output->setFixedHeight(kOutputHeight);

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
    m_bar->setValue(std::min(m_bar->value() + 1, kStepCount));
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

void BuildProgress::ShowDetails(bool shown)
{
    m_details->setArrowType(shown ? Qt::DownArrow : Qt::RightArrow);
    m_output->setVisible(shown);
    // The window takes the size of what it shows: it grows by the output
    // area and shrinks back when that is folded.
}
