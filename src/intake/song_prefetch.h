#pragma once

#include "album/orb_data.h"

#include <QImage>
#include <QStringList>

#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

// One song of a batch, read ahead of its turn.
struct PreparedSong
{
    bool isSong = false;                // false: not a song file, skip it
    TOrbData record;                    // without thumbnail
    std::optional<QImage> thumbnail;    // of record.PictureFile, when it decodes
    std::exception_ptr error;           // what reading the song raised
};

// Reads the songs of a batch (tags, texts, companion files, thumbnails) on
// worker threads, a bounded number ahead of the consumer, and hands them
// out strictly in order. Reading has no side effects, so what the batch
// does with the results (append rows, stop at an error) stays sequential
// and in the order of the list.
class SongPrefetcher
{
public:
    SongPrefetcher(QStringList paths, int workers, int window = 32);
    ~SongPrefetcher();
    SongPrefetcher(const SongPrefetcher &) = delete;
    SongPrefetcher &operator=(const SongPrefetcher &) = delete;

    // The song at `index`; indexes must be taken in ascending order. Reads
    // it on the calling thread when no worker has started it yet.
    PreparedSong Take(int index);

    // Reads one song now, on the calling thread.
    static PreparedSong Prepare(const QString &path);

private:
    enum class State { Waiting, Running, Done };

    void WorkerLoop();
    // Reads a claimed song with the lock released, then stores it as done.
    void PrepareClaimed(std::unique_lock<std::mutex> &lock, int index);

    const QStringList m_paths;
    const int m_window;
    std::vector<State> m_states;
    std::vector<PreparedSong> m_songs;
    int m_nextClaim = 0;
    int m_consumed = 0;
    bool m_stopping = false;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<std::thread> m_workers;
};
