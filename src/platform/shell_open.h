#pragma once

#include <QString>

#include <functional>

// Window show commands handed to the shell launch and the console runs; no
// window is shown or hidden by them here.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOW = 5;

// Opens a file, folder or address with the desktop's default program.
// Failures are not reported. Parameters, directory and show command have no
// use on this desktop and are accepted for the callers' sake.
void OpenWithShell(const QString &file, const QString &parameters, const QString &directory,
                   int showCommand);

// Replaces the desktop launch (tests); an empty function restores it.
void SetShellOpenHandler(std::function<void(const QString &target)> handler);
