#pragma once

#include <QString>

// Fills whichever of title and singer is empty from the song's file name,
// read as "title-singer.ext" ("-" or "_", the last one counts). Nothing is
// trimmed; a name without a separator gives its whole base name as singer.
void NamesFromFileName(const QString &path, QString &title, QString &singer);

enum class CompanionKind { Picture, Lyrics };

// The first existing file beside the song with the same name and one of the
// kind's extensions (pictures: .jpg .jpeg .bmp .png .gif; lyrics: .txt .lrc),
// letter case as the file system has it; empty when there is none.
QString FindCompanionFile(const QString &songPath, CompanionKind kind);

// The path with its file name's extension (from the last dot) replaced by
// `extension`; a name without a dot gets it appended.
QString ChangeFileExt(const QString &path, const QString &extension);
