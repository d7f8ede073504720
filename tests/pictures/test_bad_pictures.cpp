#include "media/picture_loader.h"
#include "pictures/picture_fixtures.h"
#include "platform/app_error.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString LoadError(const QString &path)
{
    try {
        LoadPicture(path);
    } catch (const AppError &error) {
        return error.message();
    }
    return QStringLiteral("(no error)");
}

struct BadCase
{
    const char *file;
    const char *message;  // the whole message, or its beginning when it ends in "…"
};

class BadPicture : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadPicture, GivesAClearError)
{
    const QString message = LoadError(PictureFixture(GetParam().file));
    QString expected = QString::fromUtf8(GetParam().message);
    if (expected.endsWith(QChar(0x2026))) {
        expected.chop(1);
        EXPECT_TRUE(message.startsWith(expected)) << qPrintable(message);
        EXPECT_GT(message.size(), expected.size()) << "the decoder gave no reason";
    } else {
        EXPECT_EQ(message, expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Fixtures, BadPicture, ::testing::Values(
    BadCase{"empty.jpg", "JPEG image error: The file is empty"},
    BadCase{"empty.png", "PNG image error: The file is empty"},
    BadCase{"empty.gif", "GIF image error: The file is empty"},
    BadCase{"empty.bmp", "BMP image error: The file is empty"},
    BadCase{"truncated.jpg", "JPEG image error: Premature end of file"},
    BadCase{"truncated.png", "PNG image error: Premature end of file"},
    BadCase{"truncated.gif", "GIF image error: Premature end of file"},
    BadCase{"truncated.bmp", "BMP image error: Premature end of file"},
    BadCase{"corrupt.jpg", "JPEG image error: \u2026"},
    BadCase{"corrupt.png", "PNG image error: IHDR: CRC error"},
    BadCase{"corrupt.gif", "GIF image error: \u2026"},
    BadCase{"corrupt.bmp", "BMP image error: \u2026"},
    BadCase{"huge_claim.bmp", "Picture too large (100000 x 100000 pixels)"},
    BadCase{"huge_claim.png", "Picture too large (100000 x 100000 pixels)"},
    BadCase{"frame_outside_screen.gif", "GIF image error: The first image lies outside the picture"},
    BadCase{"png_named.jpg", "JPEG image error: \u2026"}));

TEST(BadPicture, AFolderIsNotOpened)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("cover.png"));
    ASSERT_TRUE(QDir().mkdir(folder));
    EXPECT_EQ(LoadError(folder), QStringLiteral("Cannot open file \"%1\". Is a directory").arg(folder));
}

TEST(BadPicture, APipeIsNotOpenedSoNothingWaitsForAWriter)
{
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("cover.jpg"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_EQ(LoadError(pipe), QStringLiteral("Cannot open file \"%1\". Not a regular file").arg(pipe));
}

TEST(BadPicture, AnUnreadableFileNamesTheReason)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cover.png"));
    ASSERT_TRUE(QFile::copy(PictureFixture("portrait_600x900.png"), path));
    ASSERT_EQ(chmod(QFile::encodeName(path).constData(), 0), 0);
    EXPECT_EQ(LoadError(path), QStringLiteral("Cannot open file \"%1\". Permission denied").arg(path));
}

struct HeaderCase
{
    const char *extension;
    QByteArray bytes;
};

class CutHeader : public ::testing::TestWithParam<HeaderCase> {};

// Files that end inside their headers, where a reader looks for the next field.
TEST_P(CutHeader, IsRefusedWithoutReadingPastTheEnd)
{
    EXPECT_THROW(DecodePicture(GetParam().bytes, QString::fromLatin1(GetParam().extension)), AppError);
}

INSTANTIATE_TEST_SUITE_P(Table, CutHeader, ::testing::Values(
    // A BMP with the short (12-byte) header, cut after its width and height.
    HeaderCase{".bmp", QByteArray::fromHex("424d5b00004000400000000100000c0000000400759d")},
    HeaderCase{".bmp", QByteArray::fromHex("424d5b0000400040000000010000280000000400759d0100")},
    HeaderCase{".gif", QByteArray::fromHex("4749463839610a000a00f70000")},
    HeaderCase{".gif", QByteArray::fromHex("4749463839610a000a0000000021f904")},
    HeaderCase{".gif", QByteArray::fromHex("4749463839610a000a000000002c00000000")},
    HeaderCase{".jpg", QByteArray::fromHex("ffd8")},
    HeaderCase{".jpg", QByteArray::fromHex("ffd8ffe000")},
    HeaderCase{".jpg", QByteArray::fromHex("ffd8ffda0008")},
    HeaderCase{".png", QByteArray::fromHex("89504e470d0a1a0a0000000d494844520000")}));

struct JpegEndCase
{
    const char *name;
    qsizetype cut;       // bytes taken off the end of the photo
    const char *refusal; // nullptr: decodes to the whole picture
};

class JpegEnding : public ::testing::TestWithParam<JpegEndCase> {};

// Only the decoder can tell a file that lacks just its end marker (which it
// reads whole) from one cut inside its last scan (which it would fill grey).
TEST_P(JpegEnding, DecodesWhatTheDecoderReadsWhole)
{
    const QByteArray photo = ReadBytes(PictureFixture("photo_1024x768.jpg"));
    ASSERT_TRUE(photo.endsWith("\xFF\xD9"));
    const QByteArray bytes = photo.left(photo.size() - GetParam().cut);
    for (const bool reduced : {false, true}) {
        const auto sizeFor = reduced ? std::function<QSize(QSize)>([](QSize) { return QSize(80, 60); })
                                     : std::function<QSize(QSize)>();
        if (GetParam().refusal) {
            try {
                DecodePicture(bytes, QStringLiteral(".jpg"), sizeFor);
                ADD_FAILURE() << "decoded";
            } catch (const AppError &error) {
                EXPECT_EQ(error.message(), QString::fromUtf8(GetParam().refusal));
            }
            continue;
        }
        const TPicture picture = DecodePicture(bytes, QStringLiteral(".jpg"), sizeFor);
        EXPECT_EQ(picture.StoredSize(), QSize(1024, 768));
        EXPECT_EQ(picture.Image().size(), reduced ? QSize(80, 60) : QSize(1024, 768));
        if (!reduced) {
            EXPECT_EQ(picture.Image(), DecodePicture(photo, QStringLiteral(".jpg")).Image());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Table, JpegEnding, ::testing::Values(
    JpegEndCase{"Complete", 0, nullptr},
    JpegEndCase{"WithoutEndMarker", 2, nullptr},
    JpegEndCase{"CutInsideTheLastScan", 200, "JPEG image error: Premature end of file"},
    JpegEndCase{"CutInTheMiddle", 3700, "JPEG image error: Premature end of file"}),
    [](const auto &info) { return std::string(info.param.name); });

// Damaged copies of every fixture format decode or fail with AppError, and
// never crash (the sanitizer build makes any memory fault fatal).
TEST(BadPicture, RandomDamageEndsInAPictureOrAnError)
{
    std::mt19937 random(20240611);
    const struct { const char *file; const char *extension; } sources[] = {
        {"photo_1024x768.jpg", ".jpg"}, {"rgba_48x48.png", ".png"}, {"interlaced_13x11.png", ".png"},
        {"palette2_5x3.png", ".png"}, {"wide_100x20.gif", ".gif"}, {"transparent_64x64.gif", ".gif"},
        {"square_64x64.bmp", ".bmp"}, {"icon_32x32.ico", ".ico"}};
    int decoded = 0;
    int refused = 0;
    for (const auto &source : sources) {
        const QByteArray original = ReadBytes(PictureFixture(source.file));
        ASSERT_FALSE(original.isEmpty());
        for (int round = 0; round < 60; ++round) {
            QByteArray bytes = original;
            const int flips = 1 + int(random() % 8);
            for (int i = 0; i < flips; ++i)
                bytes[qsizetype(random() % std::uint32_t(bytes.size()))] = char(random());
            if (round % 5 == 0)
                bytes.truncate(qsizetype(random() % std::uint32_t(bytes.size())));
            try {
                const TPicture picture = DecodePicture(bytes, QString::fromLatin1(source.extension));
                EXPECT_FALSE(picture.ToBitmap().isNull());
                ++decoded;
            } catch (const AppError &error) {
                EXPECT_FALSE(error.message().isEmpty());
                ++refused;
            }
        }
    }
    EXPECT_GT(refused, 0);
    EXPECT_GT(decoded, 0);
}

} // namespace
