#pragma once

#include <QString>

// The installation's signing key, made by the signer on first use. It lives in
// the per-user data folder, so that rebuilding, re-cloning or moving the
// program keeps it: an album on a phone takes an update only when the update
// is signed with the same key.

// UserDataFolder() + "/signing-key.p12".
QString SigningKeyFile();

// Where earlier versions kept it: ApplicationFolder() + "s/Quenlow/signing-key.p12".
QString OldSigningKeyFile();

// Readies the key's place for the signer: makes the per-user folder, moves a
// key that only the old place holds (the copy is written and read back before
// the old file goes), and narrows a key that others may read to 0600. A key in
// the per-user folder is never replaced. Throws AppError when an old key
// cannot be moved, so that the signer never makes a new key in its stead.
void SettleSigningKey();

// Settles the key and gives its path. Throws AppError with a message for the
// person when there is no key yet (no album was built on this installation).
QString ExistingSigningKey();

// Saves a copy of the key at `target` (mode 0600), after settling it. Throws
// AppError with a message for the person when there is no key yet, when
// `target` exists and `replace` is false, or when it cannot be written.
void ExportSigningKey(const QString &target, bool replace);

// What the person is told after the build that made the key or moved it.
QString SigningKeyMadeNotice(const QString &key);
QString SigningKeyMovedNotice(const QString &from, const QString &to);

// Notes before a build whether the key was there, so that after a successful
// build the person learns where a key that the build made or moved now is.
class SigningKeyWatch
{
public:
    SigningKeyWatch();

    // The notice for the person, or an empty text when the key was already
    // in its place before the build (or is not there now).
    QString Notice() const;

private:
    bool m_hadKey = false;
    bool m_hadOldKey = false;
};
