#include "album/album_file.h"

#include "platform/app_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <limits>

namespace {

const QString kFormatName = QStringLiteral("pelorin-album");

QString Quoted(const QString &albumFile)
{
    return QStringLiteral("“%1”").arg(QDir::toNativeSeparators(albumFile));
}

[[noreturn]] void Refuse(const QString &albumFile, const QString &reason)
{
    throw AppError(QStringLiteral("无法打开专辑文件%1：%2").arg(Quoted(albumFile), reason));
}

// ---- writing ----

QJsonObject StoredPath(const QString &path, const QDir &folder)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    return QJsonObject{{QStringLiteral("path"), path},
                       {QStringLiteral("relativePath"), folder.relativeFilePath(absolute)}};
}

QJsonObject SongObject(const AlbumSong &song, const QDir &folder)
{
    QJsonObject object{
        {QStringLiteral("songName"), song.SongName},
        {QStringLiteral("singer"), song.Singer},
        {QStringLiteral("duration"), song.Duration},
        {QStringLiteral("sizeText"), song.SizeText},
        {QStringLiteral("sourceFile"), StoredPath(song.SourceFile, folder)},
        {QStringLiteral("album"), song.Album},
        {QStringLiteral("lyricsText"), song.LyricsText},
    };
    if (!song.PictureFile.isEmpty()) {
        QJsonObject picture = StoredPath(song.PictureFile, folder);
        if (song.PictureFromSong)
            picture.insert(QStringLiteral("fromSong"), true);
        object.insert(QStringLiteral("pictureFile"), picture);
    }
    // The record's spare slots, written only when a value was ever put there.
    const QJsonArray texts{song.Reserved1, song.Reserved2, song.Reserved3};
    const QJsonArray numbers{song.ReservedNumber1, song.ReservedNumber2, song.ReservedNumber3};
    if (texts != QJsonArray{QString(), QString(), QString()} || numbers != QJsonArray{0, 0, 0})
        object.insert(QStringLiteral("reserved"),
                      QJsonObject{{QStringLiteral("texts"), texts}, {QStringLiteral("numbers"), numbers}});
    return object;
}

// ---- reading ----

class AlbumReader
{
public:
    explicit AlbumReader(const QString &albumFile)
        : m_albumFile(albumFile), m_folder(QFileInfo(albumFile).absolutePath())
    {
    }

    AlbumDocument Read(const QJsonObject &root) const
    {
        AlbumDocument album;
        album.albumName = Text(root, QStringLiteral("albumName"), QStringLiteral("专辑名称"));
        const QJsonValue icon = root.value(QStringLiteral("albumIcon"));
        if (!icon.isUndefined() && !icon.isNull())
            album.albumIcon = Path(icon, QStringLiteral("专辑图标"));
        const QJsonValue songs = root.value(QStringLiteral("songs"));
        if (!songs.isArray())
            Refuse(m_albumFile, QStringLiteral("文件已损坏（没有歌曲列表）"));
        const QJsonArray list = songs.toArray();
        for (qsizetype i = 0; i < list.size(); ++i)
            album.songs.append(Song(list.at(i), int(i + 1)));
        return album;
    }

private:
    [[noreturn]] void Damaged(const QString &what) const
    {
        Refuse(m_albumFile, QStringLiteral("文件已损坏（%1不对）").arg(what));
    }

    // A text member; a missing one is empty, one of another type is damage.
    QString Text(const QJsonObject &object, const QString &key, const QString &what) const
    {
        const QJsonValue value = object.value(key);
        if (value.isUndefined())
            return {};
        if (!value.isString())
            Damaged(what);
        return value.toString();
    }

    QString Path(const QJsonValue &value, const QString &what) const
    {
        if (!value.isObject())
            Damaged(what);
        const QJsonObject object = value.toObject();
        const QString absolute = Text(object, QStringLiteral("path"), what);
        const QString relative = Text(object, QStringLiteral("relativePath"), what);
        if (absolute.isEmpty() && relative.isEmpty())
            Damaged(what);
        return Resolve(absolute, relative);
    }

    QString Resolve(const QString &absolute, const QString &relative) const
    {
        const QString beside
            = relative.isEmpty() ? QString() : QDir::cleanPath(m_folder.absoluteFilePath(relative));
        const QFileInfo stored(absolute);
        const QFileInfo moved(beside);
        const bool storedExists = !absolute.isEmpty() && stored.isFile();
        const bool movedExists = !beside.isEmpty() && moved.isFile();
        if (movedExists && (!storedExists || stored.canonicalFilePath() != moved.canonicalFilePath()))
            return beside;
        return absolute.isEmpty() ? beside : absolute;
    }

    qint32 Number(const QJsonArray &numbers, int index, const QString &what) const
    {
        const QJsonValue value = numbers.at(index);
        if (value.isUndefined())
            return 0;
        using Limits = std::numeric_limits<qint32>;
        const double number = value.toDouble();
        if (!value.isDouble() || !(number >= Limits::min() && number <= Limits::max())
            || number != double(qint32(number)))
            Damaged(what);
        return qint32(number);
    }

    void Reserved(const QJsonValue &value, AlbumSong &song, const QString &what) const
    {
        if (value.isUndefined())
            return;
        const QJsonObject object = value.toObject();
        const QJsonArray texts = object.value(QStringLiteral("texts")).toArray();
        const QJsonArray numbers = object.value(QStringLiteral("numbers")).toArray();
        QString *textSlots[] = {&song.Reserved1, &song.Reserved2, &song.Reserved3};
        qint32 *numberSlots[] = {&song.ReservedNumber1, &song.ReservedNumber2, &song.ReservedNumber3};
        for (int i = 0; i < 3; ++i) {
            const QJsonValue text = texts.at(i);
            if (!text.isUndefined() && !text.isString())
                Damaged(what);
            *textSlots[i] = text.toString();
            *numberSlots[i] = Number(numbers, i, what);
        }
    }

    AlbumSong Song(const QJsonValue &value, int number) const
    {
        const QString what = QStringLiteral("第%1首歌曲的记录").arg(number);
        if (!value.isObject())
            Damaged(what);
        const QJsonObject object = value.toObject();
        AlbumSong song;
        song.SongName = Text(object, QStringLiteral("songName"), what);
        song.Singer = Text(object, QStringLiteral("singer"), what);
        song.Duration = Text(object, QStringLiteral("duration"), what);
        song.SizeText = Text(object, QStringLiteral("sizeText"), what);
        song.SourceFile = Path(object.value(QStringLiteral("sourceFile")), what);
        const QJsonValue picture = object.value(QStringLiteral("pictureFile"));
        if (!picture.isUndefined() && !picture.isNull()) {
            song.PictureFile = Path(picture, what);
            song.PictureFromSong = picture.toObject().value(QStringLiteral("fromSong")).toBool();
        }
        song.Album = Text(object, QStringLiteral("album"), what);
        song.LyricsText = Text(object, QStringLiteral("lyricsText"), what);
        Reserved(object.value(QStringLiteral("reserved")), song, what);
        return song;
    }

    QString m_albumFile;
    QDir m_folder;
};

bool IsBlank(const QByteArray &bytes)
{
    for (const char c : bytes) {
        if (!QChar::isSpace(uchar(c)))
            return false;
    }
    return true;
}

} // namespace

QByteArray AlbumFileBytes(const AlbumDocument &album, const QString &albumFile)
{
    const QDir folder(QFileInfo(albumFile).absolutePath());
    QJsonArray songs;
    for (const AlbumSong &song : album.songs)
        songs.append(SongObject(song, folder));
    QJsonObject root{
        {QStringLiteral("format"), kFormatName},
        {QStringLiteral("version"), kAlbumFileVersion},
        {QStringLiteral("albumName"), album.albumName},
        {QStringLiteral("songs"), songs},
    };
    if (!album.albumIcon.isEmpty())
        root.insert(QStringLiteral("albumIcon"), StoredPath(album.albumIcon, folder));
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

AlbumDocument ParseAlbumFile(const QByteArray &bytes, const QString &albumFile)
{
    QByteArray text = bytes;
    if (text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3); // a mark an editor may have added
    if (IsBlank(text))
        Refuse(albumFile, QStringLiteral("文件是空的"));

    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError) {
        // An album file cut short (a copy or a download that stopped) fails
        // at its very end, or within the last character when the cut split
        // one; anything else is not an album file at all.
        const QByteArray trimmed = text.trimmed();
        const bool cutShort = trimmed.startsWith('{') && error.offset >= trimmed.size() - 4;
        Refuse(albumFile, cutShort ? QStringLiteral("文件不完整，可能没有保存或复制完")
                                   : QStringLiteral("这不是专辑文件"));
    }
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value(QStringLiteral("format")).toString() != kFormatName)
        Refuse(albumFile, QStringLiteral("这不是专辑文件"));

    const QJsonValue version = root.value(QStringLiteral("version"));
    const double number = version.toDouble(-1);
    if (!version.isDouble() || number != double(int(number)) || number < 1)
        Refuse(albumFile, QStringLiteral("无法识别文件的格式版本"));
    if (number > kAlbumFileVersion)
        Refuse(albumFile, QStringLiteral("文件的格式版本是%1，这个程序只能打开版本%2的专辑文件，请使用更新的版本")
                              .arg(int(number))
                              .arg(kAlbumFileVersion));
    return AlbumReader(albumFile).Read(root);
}

AlbumDocument ReadAlbumFile(const QString &albumFile)
{
    const QFileInfo info(albumFile);
    if (!info.exists())
        Refuse(albumFile, QStringLiteral("文件不存在"));
    if (!info.isFile())
        Refuse(albumFile, QStringLiteral("这不是一个文件"));
    QFile file(albumFile);
    if (!file.open(QIODevice::ReadOnly))
        Refuse(albumFile, file.errorString());
    if (file.size() > kMaxAlbumFileBytes)
        Refuse(albumFile, QStringLiteral("文件太大，不是专辑文件"));
    const QByteArray bytes = file.read(kMaxAlbumFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        Refuse(albumFile, file.errorString());
    if (bytes.size() > kMaxAlbumFileBytes)
        Refuse(albumFile, QStringLiteral("文件太大，不是专辑文件"));
    return ParseAlbumFile(bytes, albumFile);
}

void WriteAlbumFile(const QString &albumFile, const AlbumDocument &album)
{
    const QByteArray bytes = AlbumFileBytes(album, albumFile);
    QSaveFile file(albumFile);
    // An unfinished QSaveFile removes its temporary file and leaves the old one.
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw AppError(QStringLiteral("无法保存专辑文件%1：%2").arg(Quoted(albumFile), file.errorString()));
}
