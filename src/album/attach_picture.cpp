#include "album/attach_picture.h"

#include "album/thumbnail.h"

#include "media/file_kinds.h"

#include <QFileInfo>

#include <memory>

namespace {

// A folder is no file, whatever its name.
bool Accepts(const QString &path, const AlbumRow *row)
{
    if (!row || path.isEmpty() || !IsPictureFile(path))
        return false;
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

} // namespace

void AttachPicture(IAlbumList &list, const QString &path, AlbumRow *row, const std::optional<QImage> &thumbnail)
{
    if (!Accepts(path, row))
        return;
    UpdateBracket update(list);
    TOrbData &record = list.Record(row);
    record.PictureFile = path;
    // The old thumbnail goes in any case; a picture that could not be decoded
    // leaves the row without one.
    record.Thumbnail = thumbnail ? std::make_unique<QImage>(*thumbnail) : nullptr;
    if (thumbnail) {
        const int wanted = thumbnail->height() + 4;
        if (wanted > DefaultRowHeight && wanted > row->Height)
            list.SetRowHeight(row, wanted);
    }
    list.RowChanged(row);
}

void AttachPicture(IAlbumList &list, const QString &path, AlbumRow *row)
{
    if (!Accepts(path, row))
        return;
    AttachPicture(list, path, row, PrepareThumbnail(path));
}
