#include "media/audio_genie3.h"

#include <QFile>
#include <QFileInfo>

namespace {

enum class Container { Mpeg, Mp4, Adts, Unknown };

// MP4 files begin with an "ftyp" atom whatever their extension says; other
// files are taken by their extension.
Container ContainerOf(const QString &path, QFile &file)
{
    const QByteArray head = file.peek(8);
    if (head.size() == 8 && head.mid(4, 4) == "ftyp")
        return Container::Mp4;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("mp3"))
        return Container::Mpeg;
    if (suffix == QLatin1String("m4a"))
        return Container::Mp4;
    if (suffix == QLatin1String("aac"))
        return Container::Adts;
    return Container::Unknown;
}

} // namespace

qint32 TAudioGenie3::AnalyzeFile(const QString &path)
{
    m_song = SongTags();
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile())
        return -1;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;

    switch (ContainerOf(path, file)) {
    case Container::Mpeg: m_song = ReadMpegSong(path); break;
    case Container::Mp4: m_song = ReadMp4Song(path); break;
    case Container::Adts: m_song = ReadAdtsSong(path); break;
    case Container::Unknown: break;
    }
    m_song.size = file.size();
    return 0;
}
