#pragma once

#include <QString>

#include <filesystem>

// The file manager's folder operations as the build uses them: whole trees,
// no questions, overwriting.

// Removes everything inside `folder` (files and sub-folders with their
// contents) and keeps the folder itself. Symbolic links are removed, never
// followed. False when something could not be removed.
bool EmptyFolder(const QString &folder);

// Copies everything inside `source` into `destination`, which is created
// (with missing parents) when absent; existing files are overwritten. False
// when the source is no folder or something could not be copied.
bool CopyFolderContents(const QString &source, const QString &destination);

// A program path in the file system's own form.
std::filesystem::path NativePath(const QString &path);
