#pragma once

#include "build/build_user.h"

#include <QDialog>
#include <QPointer>

class BuildProgress;
class QLineEdit;
class QWidget;

// The album-name input dialog: caption, prompt, an edit box holding the
// proposal (all selected, at most 255 characters), OK and Cancel. A name that
// cannot be an album name is refused with the reason and the dialog stays.
class AlbumNameDialog : public QDialog
{
    Q_OBJECT

public:
    AlbumNameDialog(const QString &caption, const QString &prompt, const QString &proposal,
                    QWidget *parent);

    QString Name() const;
    QLineEdit *Edit() const { return m_edit; }

    void accept() override;

private:
    QLineEdit *m_edit = nullptr;
};

// What a build asks of the person, answered with the window's dialogs.
class BuildDialogs : public IBuildUser
{
public:
    explicit BuildDialogs(QWidget *window);
    ~BuildDialogs() override;

    bool InputAlbumName(const QString &caption, const QString &prompt, QString &name) override;
    Answer AskOverwrite(const QString &question) override;
    void ShowInformation(const QString &text) override;
    void ShowError(const QString &message) override;
    void OpenOutputFolder(const QString &folder) override;
    void BuildStarted(BuildMonitor &monitor) override;
    void BuildEnded() override;

private:
    QWidget *m_window;
    QPointer<BuildProgress> m_progress;
};
