#pragma once

#include <QString>

class IAlbumList;
class IBuildUser;

// How a build ended.
enum class BuildOutcome {
    NoSongs,       // the list was empty; the person was told
    NameCancelled, // no album name was settled; nothing was touched
    Refused,       // the album cannot be built as it stands (package name,
                   // missing songs); the person was told; nothing was touched
    StepFailed,    // a step gave up (with a message when it had one to
                   // give); the working folder was emptied
    Cancelled,     // the person stopped it; "Build cancelled" is logged and
                   // the working folder was emptied
    Error,         // an error ended it and was shown; the working folder stays
    Succeeded,
};

struct BuildResult
{
    BuildOutcome outcome = BuildOutcome::StepFailed;
    QString apkPath;  // the signed package, on success
    QString failure;  // the note of the step that failed
};

// The whole build of the album in `list`, asking `user` whatever needs asking:
// album name, settings reloaded, working folder, package name and title,
// launcher icons, assets, packaging and signing, report, output folder shown,
// working folder emptied again. `albumName` is the name the front end
// remembers from an earlier build (empty at first); the naming step settles
// it (see AskAlbumName) and every step gets it from there.
BuildResult RunBuild(IAlbumList &list, IBuildUser &user, QString &albumName);
