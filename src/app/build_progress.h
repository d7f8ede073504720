#pragma once

#include <QDialog>

class BuildMonitor;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QToolButton;

// The progress window of a build: the current step in words and a bar that
// moves with every step; the packager's and signer's own output in a
// "详细信息" area, folded until the person opens it; and a Cancel button
// that stops the running tool. It blocks the other windows while the build
// runs.
class BuildProgress : public QDialog
{
    Q_OBJECT

public:
    BuildProgress(BuildMonitor &monitor, QWidget *parent);

    // The steps a build announces, start to end; the bar is full at the last.
    static constexpr int kStepCount = 8;

    QLabel *StepLabel() const { return m_step; }
    QProgressBar *Bar() const { return m_bar; }
    QToolButton *DetailsButton() const { return m_details; }
    QPlainTextEdit *Output() const { return m_output; }
    QPushButton *CancelButton() const { return m_cancel; }

    // Closing the window or pressing Escape cancels the build; the window
    // stays until the build has ended.
    void reject() override;

private:
    void ShowStep(const QString &title);
    void AppendOutput(const QString &text);
    void ShowDetails(bool shown);

    BuildMonitor &m_monitor;
    QLabel *m_step = nullptr;
    QProgressBar *m_bar = nullptr;
    QToolButton *m_details = nullptr;
    QPlainTextEdit *m_output = nullptr;
    QPushButton *m_cancel = nullptr;
};
