// Feeds arbitrary files to the song tag reader: the first byte picks the
// extension (.mp3, .m4a or .aac, and so the container reader), the rest is
// the file. The reader must never crash, hang or read out of bounds, and its
// results must stay sane.
#include "media/audio_genie3.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

QString ScratchBase()
{
    const QString folder = QDir::tempPath() + QStringLiteral("/fuzz_tag_reader_")
        + QString::number(QCoreApplication::applicationPid());
    QDir().mkpath(folder);
    return folder + QStringLiteral("/song");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QString base = ScratchBase();
    if (size == 0)
        return 0;
    static const char *const extensions[] = {".mp3", ".m4a", ".aac"};
    const QString path = base + QLatin1String(extensions[data[0] % 3]);
    {
        QFile file(path);
        Require(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        Require(file.write(reinterpret_cast<const char *>(data + 1), qint64(size - 1))
                == qint64(size - 1));
    }

    TAudioGenie3 reader;
    Require(reader.AnalyzeFile(path) == 0);
    Require(!reader.ReadTitle().contains(QChar(0)));
    Require(!reader.ReadArtist().contains(QChar(0)));
    Require(!reader.ReadAlbum().contains(QChar(0)));
    const float seconds = reader.ReadDuration();
    Require(std::isfinite(seconds) && seconds >= 0.0f);
    Require(reader.ReadFileSize() == qint64(size - 1));
    QFile::remove(path);
    return 0;
}
