#include "album/in_memory_album_list.h"
#include "album_list_contract.h"

namespace {

struct InMemoryFactory
{
    static std::unique_ptr<IAlbumList> Make() { return std::make_unique<InMemoryAlbumList>(); }
};

using Factories = ::testing::Types<InMemoryFactory>;
INSTANTIATE_TYPED_TEST_SUITE_P(InMemory, AlbumListContract, Factories);

TEST(InMemoryAlbumList, RepaintsOnceForABracketedChange)
{
    InMemoryAlbumList list;
    AlbumRow *row = list.InsertAfter(nullptr);
    const int before = list.RepaintCount();
    {
        UpdateBracket outer(list);
        UpdateBracket inner(list);
        list.InsertAfter(row);
        list.SetRowHeight(row, 50);
    }
    EXPECT_EQ(list.RepaintCount(), before + 1);
    EXPECT_EQ(list.UpdateDepth(), 0);
}

TEST(InMemoryAlbumList, AttachingAPictureClosesItsBracketAndRepaintsOnce)
{
    InMemoryAlbumList list;
    AlbumRow *row = list.InsertAfter(nullptr);
    const int before = list.RepaintCount();
    AttachPicture(list, PictureFixture("portrait_600x900.png"), row);
    EXPECT_EQ(list.UpdateDepth(), 0);
    EXPECT_EQ(list.RepaintCount(), before + 1);
    AttachPicture(list, PictureFixture("corrupt.png"), row); // a failure closes it too
    EXPECT_EQ(list.UpdateDepth(), 0);
}

TEST(InMemoryAlbumList, IgnoresRowsOfAnotherList)
{
    InMemoryAlbumList list;
    InMemoryAlbumList other;
    AlbumRow *stranger = other.InsertAfter(nullptr);
    list.InsertAfter(nullptr);
    EXPECT_EQ(list.IndexOf(stranger), -1);
    EXPECT_EQ(list.Next(stranger), nullptr);
    list.SetFocused(stranger);
    EXPECT_EQ(list.Focused(), nullptr);
    AlbumRow *appended = list.InsertAfter(stranger); // an unknown anchor appends
    EXPECT_EQ(list.IndexOf(appended), 1);
}

} // namespace
