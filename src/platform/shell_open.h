#pragma once

#include <QString>

#include <functional>

// Opens a file, folder or address with the desktop's default program.
// Failures are not reported. Parameters and directory have no use on this
// desktop and are accepted for the callers' sake.
void ShellOpen(const QString &target, const QString &parameters, const QString &directory);

// Replaces the desktop launch (tests); an empty function restores it.
void SetShellOpenHandler(std::function<void(const QString &target)> handler);
