#pragma once

#include <QDialog>

class BuildMonitor;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The progress window of a build: the current step, the packager's and
// signer's output as it arrives, and a Cancel button that stops the running
// tool. It blocks the other windows while the build runs.
class BuildProgress : public QDialog
{
    Q_OBJECT

public:
    BuildProgress(BuildMonitor &monitor, QWidget *parent);

    QLabel *StepLabel() const { return m_step; }
    QPlainTextEdit *Output() const { return m_output; }
    QPushButton *CancelButton() const { return m_cancel; }

    // Closing the window or pressing Escape cancels the build; the window
    // stays until the build has ended.
    void reject() override;

private:
    void ShowStep(const QString &title);
    void AppendOutput(const QString &text);

    BuildMonitor &m_monitor;
    QLabel *m_step = nullptr;
    QPlainTextEdit *m_output = nullptr;
    QPushButton *m_cancel = nullptr;
};
