#include "intake/song_prefetch.h"

#include "intake/song_reading.h"

#include "album/thumbnail.h"
#include "media/file_kinds.h"

SongPrefetcher::SongPrefetcher(QStringList paths, int workers, int window)
    : m_paths(std::move(paths)), m_window(std::max(1, window)),
      m_states(size_t(m_paths.size()), State::Waiting), m_songs(size_t(m_paths.size()))
{
    const int count = std::min<qsizetype>(std::max(0, workers), m_paths.size());
    for (int i = 0; i < count; ++i)
        m_workers.emplace_back([this] { WorkerLoop(); });
}

SongPrefetcher::~SongPrefetcher()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    for (std::thread &worker : m_workers)
        worker.join();
}

PreparedSong SongPrefetcher::Prepare(const QString &path)
{
    PreparedSong song;
    if (!IsSongFile(path))
        return song;
    song.isSong = true;
    try {
        song.record = ReadSongRecord(path);
        if (!song.record.PictureFile.isEmpty() && IsPictureFile(song.record.PictureFile))
            song.thumbnail = PrepareThumbnail(song.record.PictureFile);
    } catch (...) {
        song.error = std::current_exception();
    }
    return song;
}

void SongPrefetcher::WorkerLoop()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] {
            return m_stopping
                || (m_nextClaim < int(m_paths.size()) && m_nextClaim < m_consumed + m_window);
        });
        if (m_stopping)
            return;
        PrepareClaimed(lock, m_nextClaim++);
        m_changed.notify_all();
    }
}

void SongPrefetcher::PrepareClaimed(std::unique_lock<std::mutex> &lock, int index)
{
    m_states[size_t(index)] = State::Running;
    lock.unlock();
    PreparedSong song = Prepare(m_paths.at(index));
    lock.lock();
    m_songs[size_t(index)] = std::move(song);
    m_states[size_t(index)] = State::Done;
}

PreparedSong SongPrefetcher::Take(int index)
{
    std::unique_lock lock(m_mutex);
    if (m_states[size_t(index)] == State::Waiting && index == m_nextClaim) {
        // No worker has got to it: read it here rather than wait.
        ++m_nextClaim;
        PrepareClaimed(lock, index);
    }
    m_changed.wait(lock, [&] { return m_states[size_t(index)] == State::Done; });
    PreparedSong song = std::move(m_songs[size_t(index)]);
    m_songs[size_t(index)] = PreparedSong();
    m_consumed = index + 1;
    m_changed.notify_all();
    return song;
}
