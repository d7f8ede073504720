#include "intake/add_songs.h"

#include "intake/song_prefetch.h"

#include "album/album_list.h"
#include "album/append_song_row.h"
#include "media/sorted_paths.h"

#include <QThread>

namespace {

void Append(IAlbumList &list, PreparedSong &song)
{
    if (!song.isSong)
        return;
    if (song.error)
        std::rethrow_exception(song.error);
    AppendSongRow(list, list.Focused(), song.record, song.thumbnail);
}

} // namespace

void AddSongFiles(IAlbumList &list, QStringList &paths)
{
    paths = SortedPaths(paths);
    UpdateBracket bracket(list);
    // Decoding pictures dominates; it runs on every core while the rows are
    // appended here one by one, in order.
    const int workers = paths.size() > 1 ? std::max(1, QThread::idealThreadCount()) : 0;
    SongPrefetcher prefetcher(paths, workers);
    for (int i = 0; i < paths.size(); ++i) {
        PreparedSong song = prefetcher.Take(i);
        Append(list, song);
    }
}

void AddSongFile(IAlbumList &list, const QString &path)
{
    PreparedSong song = SongPrefetcher::Prepare(path);
    Append(list, song);
}
