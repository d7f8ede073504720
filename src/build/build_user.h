#pragma once

#include <QString>

class BuildMonitor;

// Everything a build asks of a person. The main window answers with dialogs,
// pelorin-build from its options, tests from their tables.
class IBuildUser
{
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~IBuildUser() = default;

    // The one-line input dialog; `name` holds the proposal on entry and the
    // confirmed text on return. False when the person cancelled.
    virtual bool InputAlbumName(const QString &caption, const QString &prompt, QString &name) = 0;

    // A Yes / No / Cancel confirmation.
    virtual Answer AskOverwrite(const QString &question) = 0;

    // An information box with one OK button.
    virtual void ShowInformation(const QString &text) = 0;

    // The standard error box for an error that ended the build (the raw
    // message; the box adds its closing full stop, see ErrorBoxText).
    virtual void ShowError(const QString &message) = 0;

    // Shows the output folder after a successful build.
    virtual void OpenOutputFolder(const QString &folder) = 0;

    // Bracket the steps of a build that got its album name; the monitor
    // lives until BuildEnded.
    virtual void BuildStarted(BuildMonitor &) {}
    virtual void BuildEnded() {}
};
