#include "media/picture_loader.h"
#include "pictures/picture_fixtures.h"
#include "platform/app_error.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct LoadCase
{
    const char *file;
    PictureKind kind;
    int width;
    int height;
};

class LoadPictureByExtension : public ::testing::TestWithParam<LoadCase> {};

TEST_P(LoadPictureByExtension, DecodesWithTheDecoderOfTheExtension)
{
    const LoadCase &c = GetParam();
    const TPicture picture = LoadPicture(PictureFixture(c.file));
    EXPECT_EQ(picture.Kind(), c.kind);
    EXPECT_EQ(picture.Width(), c.width);
    EXPECT_EQ(picture.Height(), c.height);
    EXPECT_EQ(picture.IsBitmap(), c.kind == PictureKind::Bitmap);
    EXPECT_EQ(picture.IsPng(), c.kind == PictureKind::Png);
    const QImage bitmap = picture.ToBitmap();
    EXPECT_EQ(bitmap.size(), QSize(c.width, c.height));
    EXPECT_FALSE(bitmap.hasAlphaChannel());
}

INSTANTIATE_TEST_SUITE_P(Fixtures, LoadPictureByExtension, ::testing::Values(
    LoadCase{"photo_1024x768.jpg", PictureKind::Jpeg, 1024, 768},
    LoadCase{"portrait_600x900.png", PictureKind::Png, 600, 900},
    LoadCase{"square_64x64.bmp", PictureKind::Bitmap, 64, 64},
    LoadCase{"wide_100x20.gif", PictureKind::Gif, 100, 20},
    LoadCase{"icon_32x32.ico", PictureKind::Icon, 32, 32}));

QString MessageOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const AppError &error) {
        return error.message();
    }
    return QStringLiteral("(no error)");
}

TEST(LoadPicture, IgnoresTheLetterCaseOfTheExtension)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("PHOTO.JPEG"));
    ASSERT_TRUE(QFile::copy(PictureFixture("photo_1024x768.jpg"), path));
    EXPECT_EQ(LoadPicture(path).Kind(), PictureKind::Jpeg);
}

TEST(LoadPicture, RefusesAnExtensionWithoutDecoderBeforeOpeningTheFile)
{
    EXPECT_EQ(MessageOf([] { LoadPicture(QStringLiteral("/nowhere/cover.tif")); }),
              QStringLiteral("Unknown picture file extension (.tif)"));
    EXPECT_EQ(MessageOf([] { LoadPicture(QStringLiteral("/nowhere/Cover.TIFF")); }),
              QStringLiteral("Unknown picture file extension (.TIFF)"));
    EXPECT_EQ(MessageOf([] { LoadPicture(QStringLiteral("/nowhere/cover")); }),
              QStringLiteral("Unknown picture file extension (.)"));
}

TEST(LoadPicture, SaysThatMetafilesHaveNoDecoderHere)
{
    for (const char *name : {"/nowhere/logo.wmf", "/nowhere/logo.EMF"}) {
        const QString message = MessageOf([name] { LoadPicture(QString::fromLatin1(name)); });
        EXPECT_TRUE(message.startsWith(QStringLiteral("Windows metafiles ("))) << qPrintable(message);
        EXPECT_TRUE(message.endsWith(QStringLiteral("cannot be decoded on this platform"))) << qPrintable(message);
    }
}

TEST(LoadPicture, NamesTheFileThatCannotBeOpened)
{
    EXPECT_EQ(MessageOf([] { LoadPicture(QStringLiteral("/nowhere/cover.png")); }),
              QStringLiteral("Cannot open file \"/nowhere/cover.png\". No such file or directory"));
}

TEST(LoadPicture, PutsWhiteBehindTransparencyInTheBitmap)
{
    const QImage gif = LoadPicture(PictureFixture("transparent_64x64.gif")).ToBitmap();
    EXPECT_EQ(gif.pixel(5, 5), qRgb(255, 255, 255));
    EXPECT_EQ(gif.pixel(40, 5), qRgb(0, 0, 255));

    const TPicture png = LoadPicture(PictureFixture("half_transparent_4x4.png"));
    const QImage bitmap = png.ToBitmap();
    EXPECT_EQ(bitmap.pixel(0, 0), qRgb(255, 255, 255)); // transparent black shows white
    EXPECT_EQ(bitmap.pixel(3, 3), qRgb(0, 0, 255));
}

TEST(LoadPicture, DrawsTransparentPartsOverWhatIsBeneath)
{
    const TPicture png = LoadPicture(PictureFixture("half_transparent_4x4.png"));
    QImage target(6, 6, QImage::Format_RGB32);
    target.fill(qRgb(200, 0, 0));
    png.Draw(target, 2, 1);
    EXPECT_EQ(target.pixel(0, 0), qRgb(200, 0, 0)); // outside the picture
    EXPECT_EQ(target.pixel(2, 1), qRgb(200, 0, 0)); // transparent picture pixel
    EXPECT_EQ(target.pixel(5, 4), qRgb(0, 0, 255)); // opaque picture pixel, shifted by (2, 1)
    EXPECT_EQ(target.pixel(5, 5), qRgb(200, 0, 0)); // below the picture
}

TEST(LoadPicture, DecodesAJpegReducedToTheWantedSize)
{
    const TPicture full = LoadPicture(PictureFixture("photo_1024x768.jpg"));
    const TPicture reduced = LoadPicture(PictureFixture("photo_1024x768.jpg"),
                                         [](QSize) { return QSize(80, 60); });
    ASSERT_EQ(reduced.Width(), 80);
    ASSERT_EQ(reduced.Height(), 60);
    // The same picture: a corner of the gradient keeps its colour.
    const QImage small = reduced.ToBitmap();
    const QImage large = full.ToBitmap();
    EXPECT_NEAR(qRed(small.pixel(79, 30)), qRed(large.pixel(1023, 384)), 12);
    EXPECT_NEAR(qGreen(small.pixel(40, 59)), qGreen(large.pixel(512, 767)), 12);
}

} // namespace
