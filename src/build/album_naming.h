#pragma once

#include <QString>

class IBuildUser;

// The input dialog's caption and prompt.
QString AlbumNameCaption();
QString AlbumNamePrompt();

// The longest album name the input dialog takes, in characters.
constexpr int kAlbumNameMaxLength = 255;

// Why `name` cannot be an album name, in Chinese for the person; empty when it
// can. An album name becomes the folder data/<name>, which builds empty, and
// the files output/<name>.apk and output/<name>.txt, so it must be one plain
// file name: not empty, not "." or "..", without "/", "\", control
// characters and ": * ? \" < > |", and short enough to take ".apk".
QString AlbumNameProblem(const QString &name);

// Whether a folder of that name lies in the data folder; only a folder
// counts, not a file.
bool AlbumFolderExists(const QString &name);

// The first free name of "vizizizar", "vizizizar1" … "vizizizar10000": free
// when no folder of that name lies in the data folder. Empty when all are taken.
QString ProposeAlbumName();

// Settles the album name. `name` holds the name of an earlier build of this
// run (empty when there was none) and receives the name to build with: the
// earlier name is reused (asking whether to overwrite when its folder exists),
// else a new one is asked for with a proposal. False when the person
// cancelled or confirmed a name that cannot be used (they are told why);
// `name` then holds what the window remembers: the earlier name after a
// Cancel, empty after a No.
bool AskAlbumName(IBuildUser &user, QString &name);
