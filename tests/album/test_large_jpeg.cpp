// Photos beyond the limit on decoded pictures: a JPEG is decoded reduced for
// each use, so the thumbnail, the preview and the album icon of a phone
// photo work, while a whole decode of it is still refused.
#include "album/default_album_icon.h"
#include "album/thumbnail.h"
#include "media/picture_loader.h"
#include "media/picture_scaling.h"
#include "platform/app_error.h"
#include "support/jpeg_writer.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

class LargeJpeg : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_folder = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(WriteGradientJpeg(Photo(), 9000, 8000));
    }
    static void TearDownTestSuite() { s_folder.reset(); }
    static QString Photo() { return s_folder->filePath(QStringLiteral("photo.jpg")); }

    static std::unique_ptr<QTemporaryDir> s_folder;
};
std::unique_ptr<QTemporaryDir> LargeJpeg::s_folder;

struct UseCase
{
    const char *use;
    std::function<QImage(const QString &)> decode;
    QSize size;
};

class LargeJpegUses : public LargeJpeg, public ::testing::WithParamInterface<UseCase>
{
};

TEST_P(LargeJpegUses, GiveTheWholePictureReduced)
{
    const QImage image = GetParam().decode(Photo());
    ASSERT_EQ(image.size(), GetParam().size);
    // The corners keep the gradient's colours: the whole picture, not a part.
    const int right = image.width() - 1;
    const int bottom = image.height() - 1;
    EXPECT_NEAR(qRed(image.pixel(right, 0)), 255, 12);
    EXPECT_NEAR(qGreen(image.pixel(right, 0)), 0, 12);
    EXPECT_NEAR(qRed(image.pixel(0, bottom)), 0, 12);
    EXPECT_NEAR(qGreen(image.pixel(0, bottom)), 255, 12);
    EXPECT_NEAR(qBlue(image.pixel(right / 2, bottom / 2)), 128, 12);
}

INSTANTIATE_TEST_SUITE_P(
    Uses, LargeJpegUses,
    ::testing::Values(
        UseCase{"Thumbnail", [](const QString &path) { return PrepareThumbnail(path).value_or(QImage()); },
                QSize(80, 71)},
        UseCase{"Preview",
                [](const QString &path) {
                    const TPicture picture =
                        LoadPicture(path, [](QSize stored) { return FitWithin(stored, QSize(1920, 1080)); });
                    EXPECT_EQ(picture.StoredSize(), QSize(9000, 8000));
                    return picture.Image();
                },
                QSize(1215, 1080)},
        UseCase{"AlbumIcon", [](const QString &path) { return LoadAlbumIconImage(path); }, QSize(192, 170)}),
    [](const auto &info) { return std::string(info.param.use); });

TEST_F(LargeJpeg, AWholeDecodeIsStillRefused)
{
    try {
        LoadPicture(Photo());
        ADD_FAILURE() << "decoded whole";
    } catch (const AppError &error) {
        EXPECT_EQ(error.message(), QStringLiteral("Picture too large (9000 x 8000 pixels)"));
    }
}

} // namespace
