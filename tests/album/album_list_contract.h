#pragma once

// Contract tests of IAlbumList and of the row operations written against it.
// Any implementation runs them by instantiating the suite with a factory type
// that has `static std::unique_ptr<IAlbumList> Make();`, in one test file:
//
//   using Factories = ::testing::Types<MyListFactory>;
//   INSTANTIATE_TYPED_TEST_SUITE_P(MyList, AlbumListContract, Factories);
//
// The factory may keep a window or view alive for the list as long as needed.

#include "album/album_list.h"
#include "album/append_song_row.h"
#include "album/attach_picture.h"
#include "album/thumbnail.h"
#include "pictures/picture_fixtures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

template <typename Factory>
class AlbumListContract : public ::testing::Test
{
protected:
    AlbumListContract() : m_list(Factory::Make()) {}

    IAlbumList &list() { return *m_list; }

    static TOrbData Song(const QString &name, const QString &picture = QString())
    {
        TOrbData song;
        song.SongName = name;
        song.Singer = name + QStringLiteral(" singer");
        song.Duration = QStringLiteral("03:21");
        song.SizeText = QStringLiteral("4.5M");
        song.SourceFile = QStringLiteral("/music/") + name + QStringLiteral(".mp3");
        song.LyricsText = QStringLiteral("la\r\nla\r\n");
        song.Album = QStringLiteral("Album");
        song.PictureFile = picture;
        return song;
    }

    void AddRows(const QStringList &names)
    {
        for (const QString &name : names)
            AppendSongRow(list(), nullptr, Song(name));
    }

    QStringList Names()
    {
        QStringList names;
        for (AlbumRow *row = list().First(); row; row = list().Next(row))
            names << list().Record(row).SongName;
        return names;
    }

private:
    std::unique_ptr<IAlbumList> m_list;
};

TYPED_TEST_SUITE_P(AlbumListContract);

TYPED_TEST_P(AlbumListContract, StartsEmpty)
{
    IAlbumList &list = this->list();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.First(), nullptr);
    EXPECT_EQ(list.RowAt(0), nullptr);
    EXPECT_EQ(list.Focused(), nullptr);
    EXPECT_TRUE(list.Selected().isEmpty());
    EXPECT_EQ(list.SelectedCount(), 0);
}

TYPED_TEST_P(AlbumListContract, InsertsAfterTheAnchorOrAtTheEnd)
{
    IAlbumList &list = this->list();
    AlbumRow *a = list.InsertAfter(nullptr);
    AlbumRow *c = list.InsertAfter(a);
    AlbumRow *b = list.InsertAfter(a);
    AlbumRow *d = list.InsertAfter(nullptr);
    ASSERT_EQ(list.Count(), 4);
    EXPECT_EQ(list.First(), a);
    EXPECT_EQ(list.Next(a), b);
    EXPECT_EQ(list.Next(b), c);
    EXPECT_EQ(list.Next(c), d);
    EXPECT_EQ(list.Next(d), nullptr);
    EXPECT_EQ(list.Previous(a), nullptr);
    EXPECT_EQ(list.Previous(d), c);
    EXPECT_EQ(list.IndexOf(c), 2);
    EXPECT_EQ(list.RowAt(3), d);
    EXPECT_EQ(list.RowAt(4), nullptr);
    EXPECT_EQ(list.RowAt(-1), nullptr);
    EXPECT_EQ(list.IndexOf(nullptr), -1);

    // A fresh row has an empty record, no thumbnail and the default height.
    const TOrbData &fresh = list.Record(b);
    EXPECT_TRUE(fresh.SongName.isEmpty());
    EXPECT_TRUE(fresh.SourceFile.isEmpty());
    EXPECT_TRUE(fresh.PictureFile.isEmpty());
    EXPECT_FALSE(fresh.Thumbnail);
    EXPECT_EQ(b->Height, DefaultRowHeight);
}

TYPED_TEST_P(AlbumListContract, ReportsSelectedRowsInListOrder)
{
    IAlbumList &list = this->list();
    this->AddRows({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")});
    list.SetSelected(list.RowAt(3), true);
    list.SetSelected(list.RowAt(0), true);
    list.SetSelected(list.RowAt(2), true);
    list.SetSelected(list.RowAt(2), false);
    const QList<AlbumRow *> selected = list.Selected();
    ASSERT_EQ(selected.size(), 2);
    EXPECT_EQ(selected[0], list.RowAt(0));
    EXPECT_EQ(selected[1], list.RowAt(3));
    EXPECT_EQ(list.SelectedCount(), 2);
}

TYPED_TEST_P(AlbumListContract, DeletesTheSelectedRowsOnly)
{
    IAlbumList &list = this->list();
    this->AddRows({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")});
    list.SetFocused(list.RowAt(1));
    list.SetSelected(list.RowAt(1), true);
    list.SetSelected(list.RowAt(2), true);
    list.DeleteSelected();
    EXPECT_EQ(this->Names(), (QStringList{QStringLiteral("1"), QStringLiteral("4")}));
    EXPECT_EQ(list.SelectedCount(), 0);
    EXPECT_EQ(list.Focused(), nullptr); // the focused row went with the selection

    list.DeleteSelected(); // nothing selected: nothing happens
    EXPECT_EQ(list.Count(), 2);
    list.DeleteAll();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.First(), nullptr);
}

TYPED_TEST_P(AlbumListContract, ReleasesThumbnailsWithTheirRows)
{
    IAlbumList &list = this->list();
    const QString picture = PictureFixture("square_64x64.bmp");
    AlbumRow *first = AppendSongRow(list, nullptr, this->Song(QStringLiteral("1"), picture));
    AlbumRow *second = AppendSongRow(list, nullptr, this->Song(QStringLiteral("2"), picture));
    AppendSongRow(list, nullptr, this->Song(QStringLiteral("3"), picture));
    ASSERT_TRUE(list.Record(first).Thumbnail);
    // A copy shares the thumbnail's pixels until the row lets go of them.
    const QImage firstPixels = *list.Record(first).Thumbnail;
    const QImage secondPixels = *list.Record(second).Thumbnail;
    EXPECT_FALSE(firstPixels.isDetached());

    list.SetSelected(first, true);
    list.DeleteSelected();
    EXPECT_TRUE(firstPixels.isDetached());
    EXPECT_FALSE(secondPixels.isDetached());

    list.DeleteAll();
    EXPECT_TRUE(secondPixels.isDetached());
}

TYPED_TEST_P(AlbumListContract, AppendsTheFirstSongAsRowOne)
{
    IAlbumList &list = this->list();
    AlbumRow *row = AppendSongRow(list, list.Focused(), this->Song(QStringLiteral("A")));
    EXPECT_EQ(list.IndexOf(row), 0);
    EXPECT_EQ(list.Count(), 1);
}

TYPED_TEST_P(AlbumListContract, PutsABatchInReverseOrderAfterTheFocusedRow)
{
    IAlbumList &list = this->list();
    this->AddRows({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                   QStringLiteral("5")});
    list.SetFocused(list.RowAt(1));
    list.SetSelected(list.RowAt(3), true);
    for (const char *name : {"A", "B", "C"})
        AppendSongRow(list, list.Focused(), this->Song(QString::fromLatin1(name)));
    EXPECT_EQ(this->Names(), (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("C"),
                                          QStringLiteral("B"), QStringLiteral("A"), QStringLiteral("3"),
                                          QStringLiteral("4"), QStringLiteral("5")}));
    // Focus and selection stay on their rows.
    EXPECT_EQ(list.Record(list.Focused()).SongName, QStringLiteral("2"));
    ASSERT_EQ(list.SelectedCount(), 1);
    EXPECT_EQ(list.Record(list.Selected().first()).SongName, QStringLiteral("4"));
}

TYPED_TEST_P(AlbumListContract, KeepsABatchInOrderAtTheEndWithoutFocus)
{
    IAlbumList &list = this->list();
    this->AddRows({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                   QStringLiteral("5")});
    for (const char *name : {"A", "B", "C"})
        AppendSongRow(list, list.Focused(), this->Song(QString::fromLatin1(name)));
    EXPECT_EQ(this->Names().mid(5), (QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}));
    EXPECT_EQ(list.Focused(), nullptr);
}

TYPED_TEST_P(AlbumListContract, CopiesTheSongTextsButNotItsThumbnail)
{
    IAlbumList &list = this->list();
    TOrbData song = this->Song(QStringLiteral("A"), QStringLiteral("/nowhere/cover.jpg"));
    song.Thumbnail = std::make_unique<QImage>(8, 8, QImage::Format_RGB32);
    AlbumRow *row = AppendSongRow(list, nullptr, song);
    const TOrbData &record = list.Record(row);
    EXPECT_EQ(record.SongName, song.SongName);
    EXPECT_EQ(record.Singer, song.Singer);
    EXPECT_EQ(record.Duration, song.Duration);
    EXPECT_EQ(record.SizeText, song.SizeText);
    EXPECT_EQ(record.SourceFile, song.SourceFile);
    EXPECT_EQ(record.LyricsText, song.LyricsText);
    EXPECT_EQ(record.Album, song.Album);
    // A missing picture keeps its path and gives no thumbnail.
    EXPECT_EQ(record.PictureFile, song.PictureFile);
    EXPECT_FALSE(record.Thumbnail);
    EXPECT_EQ(row->Height, DefaultRowHeight);
}

struct ThumbnailCase
{
    const char *file;
    int width;
    int height;
    int rowHeight;
};

TYPED_TEST_P(AlbumListContract, SizesThumbnailsAndRows)
{
    const ThumbnailCase cases[] = {
        {"photo_1024x768.jpg", 80, 60, 64},
        {"portrait_600x900.png", 53, 80, 84},
        {"square_64x64.bmp", 64, 64, 68},
        {"wide_100x20.gif", 80, 16, 32},
        {"near_square_1000x999.png", 80, 80, 84},
        {"line_160x1.png", 80, 0, 32},
        {"icon_32x32.ico", 0, 0, 32}, // not a picture file by its extension
    };
    IAlbumList &list = this->list();
    for (const ThumbnailCase &c : cases) {
        SCOPED_TRACE(c.file);
        const QString path = PictureFixture(c.file);
        AlbumRow *row = AppendSongRow(list, nullptr, this->Song(QStringLiteral("x"), path));
        const TOrbData &record = list.Record(row);
        EXPECT_EQ(row->Height, c.rowHeight);
        if (c.width == 0) {
            EXPECT_FALSE(record.Thumbnail);
            continue;
        }
        EXPECT_EQ(record.PictureFile, path);
        ASSERT_TRUE(record.Thumbnail);
        // An 80 x 0 thumbnail has no pixels: QImage shows it as a null image.
        const QSize expected(c.width, c.height);
        EXPECT_EQ(record.Thumbnail->size(), expected.isEmpty() ? QSize(0, 0) : expected);
    }
}

TYPED_TEST_P(AlbumListContract, RefusesWhatIsNotAnExistingPictureFile)
{
    IAlbumList &list = this->list();
    QTemporaryDir dir;
    const QString text = dir.filePath(QStringLiteral("cover.txt"));
    ASSERT_TRUE(QFile::copy(PictureFixture("square_64x64.bmp"), text));
    AlbumRow *row = AppendSongRow(list, nullptr, this->Song(QStringLiteral("A"), PictureFixture("square_64x64.bmp")));
    const QImage before = *list.Record(row).Thumbnail;

    const QString folder = dir.filePath(QStringLiteral("folder.png"));
    ASSERT_TRUE(QDir().mkdir(folder));
    for (const QString &path : {text, dir.filePath(QStringLiteral("missing.png")), folder, QString()}) {
        AttachPicture(list, path, row);
        EXPECT_EQ(list.Record(row).PictureFile, PictureFixture("square_64x64.bmp"));
        ASSERT_TRUE(list.Record(row).Thumbnail);
        EXPECT_EQ(*list.Record(row).Thumbnail, before);
    }
    AttachPicture(list, PictureFixture("square_64x64.bmp"), nullptr); // no row: nothing
}

TYPED_TEST_P(AlbumListContract, KeepsThePathButNoThumbnailForUndecodablePictures)
{
    IAlbumList &list = this->list();
    AlbumRow *row = AppendSongRow(list, nullptr, this->Song(QStringLiteral("A"), PictureFixture("photo_1024x768.jpg")));
    ASSERT_TRUE(list.Record(row).Thumbnail);
    for (const char *bad : {"corrupt.png", "truncated.jpg", "empty.gif", "huge_claim.bmp", "png_named.jpg"}) {
        AttachPicture(list, PictureFixture(bad), row);
        EXPECT_EQ(list.Record(row).PictureFile, PictureFixture(bad));
        EXPECT_FALSE(list.Record(row).Thumbnail) << bad;
        EXPECT_EQ(row->Height, 64) << bad; // the row does not shrink
    }
}

TYPED_TEST_P(AlbumListContract, NeverMakesARowLower)
{
    IAlbumList &list = this->list();
    AlbumRow *row = AppendSongRow(list, nullptr, this->Song(QStringLiteral("A"), PictureFixture("portrait_600x900.png")));
    EXPECT_EQ(row->Height, 84);
    AttachPicture(list, PictureFixture("photo_1024x768.jpg"), row);
    EXPECT_EQ(list.Record(row).Thumbnail->size(), QSize(80, 60));
    EXPECT_EQ(row->Height, 84);
}

TYPED_TEST_P(AlbumListContract, TakesAPreparedThumbnailWithTheSameResult)
{
    IAlbumList &list = this->list();
    for (const char *file : {"photo_1024x768.jpg", "portrait_600x900.png", "transparent_64x64.gif", "corrupt.png"}) {
        SCOPED_TRACE(file);
        const QString path = PictureFixture(file);
        AlbumRow *direct = AppendSongRow(list, nullptr, this->Song(QStringLiteral("d"), path));
        AlbumRow *prepared = AppendSongRow(list, nullptr, this->Song(QStringLiteral("p"), path), PrepareThumbnail(path));
        EXPECT_EQ(direct->Height, prepared->Height);
        const TOrbData &a = list.Record(direct);
        const TOrbData &b = list.Record(prepared);
        EXPECT_EQ(a.PictureFile, b.PictureFile);
        ASSERT_EQ(bool(a.Thumbnail), bool(b.Thumbnail));
        if (a.Thumbnail) {
            EXPECT_EQ(*a.Thumbnail, *b.Thumbnail);
        }
    }
}

REGISTER_TYPED_TEST_SUITE_P(AlbumListContract, StartsEmpty, InsertsAfterTheAnchorOrAtTheEnd,
                            ReportsSelectedRowsInListOrder, DeletesTheSelectedRowsOnly,
                            ReleasesThumbnailsWithTheirRows, AppendsTheFirstSongAsRowOne,
                            PutsABatchInReverseOrderAfterTheFocusedRow, KeepsABatchInOrderAtTheEndWithoutFocus,
                            CopiesTheSongTextsButNotItsThumbnail, SizesThumbnailsAndRows,
                            RefusesWhatIsNotAnExistingPictureFile, KeepsThePathButNoThumbnailForUndecodablePictures,
                            NeverMakesARowLower, TakesAPreparedThumbnailWithTheSameResult);
