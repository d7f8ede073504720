#pragma once

#include "build/console_command.h"

#include <QString>

class BuildMonitor;

// The packager run: s/jre6/bin/java -jar s/apktool.jar b -f <working folder>,
// which writes dist/MainActivity.apk inside the working folder.
ConsoleCommand PackagerCommand(const QString &album);

// The signer run: com.googlecode.dex2jar.tools.ApkSign on the class path of
// s/Quenlow/lib/, reading the packager's APK and writing output/<album>.apk,
// signed with the key of SigningKeyFile() (--key, after --force).
ConsoleCommand SignerCommand(const QString &album);

// Both runs with s/ as working directory. A packager failure logs
// "Build apk fail:<code>", a signer failure "Sign Apk Fail"; both give false.
// The signing counts only when it wrote a new, non-empty output/<album>.apk;
// a signer that exits 0 without one has failed. The output folder is created
// and the signing key settled (SettleSigningKey) before the signer runs, and
// temporary files that a stopped signer left there are removed. A cancelled
// run gives false and logs nothing.
bool BuildAndSignApk(const QString &album, BuildMonitor *monitor = nullptr);

// The folder of the tools, ApplicationFolder + "s", without trailing '/'.
QString ToolsFolder();

// The signed package of an album: ApplicationFolder + "output/<album>.apk".
QString SignedApkPath(const QString &album);
