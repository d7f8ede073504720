#include "intake/attach_files.h"

#include "intake/add_songs.h"
#include "intake/file_kinds.h"
#include "intake/text_decoding.h"

#include "album/album_list.h"
#include "album/attach_picture.h"
#include "platform/locale_info.h"

#include <QCollator>
#include <QFileInfo>

#include <algorithm>

namespace {
AlbumRow *StartRow(const IAlbumList &list)
{
    AlbumRow *focused = list.Focused();
    return focused ? focused : list.First();
}

QString WithoutLeadingBlanks(const QString &text)
{
    qsizetype begin = 0;
    while (begin < text.size() && text.at(begin).unicode() <= 0x20)
        ++begin;
    return text.mid(begin);
}
} // namespace

QStringList SortedPaths(QStringList paths)
{
    QCollator collator(RegionalLocale());
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(paths.begin(), paths.end(), [&](const QString &a, const QString &b) {
        return collator.compare(a, b) < 0;
    });
    return paths;
}

DroppedFiles SortDroppedFiles(const QStringList &paths)
{
    DroppedFiles files;
    for (const QString &path : paths) {
        if (QFileInfo(path).isDir())
            continue;
        if (IsSongFile(path))
            files.songs.append(path);
        else if (IsPictureFile(path))
            files.pictures.append(path);
        else if (IsLyricsFile(path))
            files.lyrics.append(path);
    }
    return files;
}

void AddDroppedFiles(IAlbumList &list, const QStringList &paths)
{
    DroppedFiles files = SortDroppedFiles(paths);
    UpdateBracket bracket(list);
    if (!files.songs.isEmpty())
        AddSongFiles(list, files.songs);
    if (!files.pictures.isEmpty())
        AttachPictures(list, files.pictures);
    if (!files.lyrics.isEmpty())
        AttachLyrics(list, files.lyrics);
}

void AttachPictures(IAlbumList &list, const QStringList &files)
{
    AlbumRow *row = StartRow(list);
    if (!row)
        return;
    UpdateBracket bracket(list);
    for (const QString &file : SortedPaths(files)) {
        while (row && (!list.Record(row).PictureFile.isEmpty() || list.Record(row).SourceFile.isEmpty()))
            row = list.Next(row);
        if (!row)
            return;
        AttachPicture(list, file, row);
    }
}

void AttachLyrics(IAlbumList &list, const QStringList &files)
{
    AlbumRow *row = StartRow(list);
    if (!row)
        return;
    UpdateBracket bracket(list);
    for (const QString &file : SortedPaths(files)) {
        // Take rows until one has a song and no lyrics; the file goes there.
        for (;;) {
            if (!row)
                return;
            AlbumRow *taken = row;
            row = list.Next(row);
            TOrbData &song = list.Record(taken);
            if (!song.SourceFile.isEmpty() && song.LyricsText.isEmpty()) {
                song.LyricsText = WithoutLeadingBlanks(LoadTextFile(file));
                list.RowChanged(taken);
                break;
            }
        }
    }
}
