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

// The first free name of "vizizizar", "vizizizar1" … "vizizizar10000": free
// when no folder of that name lies in the data folder. Empty when all are taken.
QString ProposeAlbumName();

// Settles AlbumName: reuses it (asking whether to overwrite when its folder
// exists) or asks for a new one with a proposal. False when the person
// cancelled or confirmed a name that cannot be used (they are told why).
bool AskAlbumName(IBuildUser &user);
