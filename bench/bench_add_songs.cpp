// Times adding a corpus of songs (tagged MP3 with a 1000x1000 JPEG and an LRC
// file beside each) through AddSongFiles, into the in-memory list and into
// the window's grid, and runs the reference intake script on the same corpus
// in the same run.
//
//   bench_add_songs [CORPUS] [--runs N] [--peer SCRIPT|--no-peer]
//
// CORPUS defaults to /tmp/bench-work/c1000 (made by shared/bench/make_corpus.sh).
// Each round runs the script, then the in-memory list, then the grid; prints
// per-song milliseconds of every round and the medians of rounds 2..N
// (round 1 warms the file cache).
#include "album/in_memory_album_list.h"
#include "app/song_grid.h"
#include "intake/add_songs.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

QString DefaultPeerScript()
{
    // This file lies in <project>/bench/; the reference scripts in the
    // shared folder beside the project.
    const QDir project = QFileInfo(QString::fromUtf8(__FILE__)).dir().absoluteFilePath(QStringLiteral(".."));
    return QDir::cleanPath(project.absoluteFilePath(QStringLiteral("../shared/bench/intake_peer.py")));
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

QStringList CorpusSongs(const QString &folder)
{
    QStringList songs;
    for (const QString &name : QDir(folder).entryList({QStringLiteral("*.mp3")}, QDir::Files, QDir::Unsorted))
        songs << QDir(folder).absoluteFilePath(name);
    return songs;
}

double TimeInMemory(const QStringList &songs, int &rows)
{
    InMemoryAlbumList list;
    QStringList paths = songs;
    QElapsedTimer timer;
    timer.start();
    AddSongFiles(list, paths);
    const double ms = timer.nsecsElapsed() / 1e6;
    rows = list.Count();
    return ms;
}

double TimeGrid(const QStringList &songs, int &rows)
{
    SongGrid grid;
    grid.resize(983, 541);
    grid.show();
    QApplication::processEvents();
    QStringList paths = songs;
    QElapsedTimer timer;
    timer.start();
    {
        UpdateBracket command(grid); // as the add command does
        AddSongFiles(grid, paths);
    }
    QApplication::processEvents(); // the one repaint after the batch
    const double ms = timer.nsecsElapsed() / 1e6;
    rows = grid.Count();
    return ms;
}

// One timed pass of the reference script over the corpus (its second pass,
// after one that warms its imports and caches), in ms per song; negative
// when the script fails.
double RunPeer(const QString &script, const QString &corpus)
{
    QProcess peer;
    peer.setProcessChannelMode(QProcess::MergedChannels);
    peer.start(QStringLiteral("/usr/bin/python3"),
               {script, corpus, QStringLiteral("--mode"), QStringLiteral("draft"),
                QStringLiteral("--repeat"), QStringLiteral("2")});
    if (!peer.waitForFinished(-1) || peer.exitCode() != 0) {
        std::fprintf(stderr, "peer failed: %s\n", peer.readAll().constData());
        return -1.0;
    }
    const QString output = QString::fromUtf8(peer.readAll());
    const QRegularExpression second(QStringLiteral("run=2 .*per_song_ms=([0-9.]+)"));
    const QRegularExpressionMatch match = second.match(output);
    return match.hasMatch() ? match.captured(1).toDouble() : -1.0;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                     : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QString corpus = QStringLiteral("/tmp/bench-work/c1000");
    QString peerScript = DefaultPeerScript();
    int runs = 6;
    const QStringList args = app.arguments().mid(1);
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--runs") && i + 1 < args.size())
            runs = std::max(2, args[++i].toInt());
        else if (args[i] == QLatin1String("--peer") && i + 1 < args.size())
            peerScript = args[++i];
        else if (args[i] == QLatin1String("--no-peer"))
            peerScript.clear();
        else
            corpus = args[i];
    }
    const QStringList songs = CorpusSongs(corpus);
    if (songs.isEmpty()) {
        std::fprintf(stderr, "no songs in %s\n", qPrintable(corpus));
        return 1;
    }
    std::printf("corpus %s: %lld songs, %d threads\n", qPrintable(corpus), (long long)songs.size(),
                QThread::idealThreadCount());

    // Rounds of the script, the in-memory list and the grid one after the
    // other, so that all three see the same state of the machine.
    std::vector<double> memory, grid, peer, memoryRatio, gridRatio;
    for (int run = 1; run <= runs; ++run) {
        const double p = peerScript.isEmpty() ? -1.0 : RunPeer(peerScript, corpus);
        int memoryRows = 0, gridRows = 0;
        const double m = TimeInMemory(songs, memoryRows) / songs.size();
        const double g = TimeGrid(songs, gridRows) / songs.size();
        std::printf("round %d: peer %.3f, in-memory %.3f (%d rows), grid %.3f (%d rows) ms/song\n", run, p,
                    m, memoryRows, g, gridRows);
        if (run == 1)
            continue; // warms the file cache
        memory.push_back(m);
        grid.push_back(g);
        if (p > 0) {
            peer.push_back(p);
            memoryRatio.push_back(p / m);
            gridRatio.push_back(p / g);
        }
    }

    std::printf("\nmedian of rounds 2..%d, ms per song:\n", runs);
    std::printf("  Pelorin AddSongFiles, in-memory list: %.3f\n", Median(memory));
    std::printf("  Pelorin AddSongFiles, Qt grid:        %.3f\n", Median(grid));
    if (!peer.empty()) {
        std::printf("  peer intake_peer.py --mode draft:     %.3f\n", Median(peer));
        std::printf("  median speed-up per round: in-memory %.2fx, grid %.2fx\n", Median(memoryRatio),
                    Median(gridRatio));
    }
    return 0;
}
