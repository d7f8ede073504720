#include "build/app_icons.h"
#include "build/icon_adaptive.h"
#include "pictures/picture_fixtures.h"

#include "media/picture_loader.h"
#include "media/png_image.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Layer
{
    const char *density;
    int size; // 108 dp
    int shown; // 72 dp
};
const Layer Layers[] = {
    {"mdpi", 108, 72}, {"hdpi", 162, 108}, {"xhdpi", 216, 144}, {"xxhdpi", 324, 216}, {"xxxhdpi", 432, 288}};

struct Case
{
    const char *fixture;
    int colorType; // of the 144 and 192 px icons
    QRgb background; // from the picture's border, over white
    int tolerance;
};

class TodaysIcons : public ::testing::TestWithParam<Case>
{
protected:
    void SetUp() override
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("res/values"));
        MakeTodaysLauncherIcons(PictureFixture(GetParam().fixture), m_dir.path() + QLatin1Char('/'));
    }
    QString File(const QString &relative) const { return m_dir.filePath(relative); }
    QImage Decoded(const QString &relative) const
    {
        return QImage(File(relative), "png").convertToFormat(QImage::Format_ARGB32);
    }

private:
    QTemporaryDir m_dir;
};

TEST_P(TodaysIcons, HighDensitiesFollowTheRulesOfTheOlderFour)
{
    const TPicture picture = LoadPicture(PictureFixture(GetParam().fixture));
    for (const auto &[density, size] : {std::pair{"xxhdpi", 144}, std::pair{"xxxhdpi", 192}}) {
        const QString file = QStringLiteral("res/drawable-%1/icon.png").arg(QLatin1String(density));
        EXPECT_EQ(ReadPngHeader(ReadBytes(File(file))).colorType, GetParam().colorType) << density;
        EXPECT_EQ(Decoded(file), PngIcon(picture, size).ToImage().convertToFormat(QImage::Format_ARGB32))
            << density;
    }
}

TEST_P(TodaysIcons, ForegroundHoldsThePictureInTheMiddleSeventyTwoDp)
{
    const TPicture picture = LoadPicture(PictureFixture(GetParam().fixture));
    for (const Layer &layer : Layers) {
        const QString file
            = QStringLiteral("res/drawable-%1/icon_foreground.png").arg(QLatin1String(layer.density));
        EXPECT_EQ(ReadPngHeader(ReadBytes(File(file))).colorType, 6) << layer.density;
        const QImage image = Decoded(file);
        ASSERT_EQ(image.size(), QSize(layer.size, layer.size)) << layer.density;
        const int margin = (layer.size - layer.shown) / 2;
        const QImage shown = PngIcon(picture, layer.shown).ToImage().convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(image.copy(margin, margin, layer.shown, layer.shown), shown) << layer.density;
        for (const QPoint p :
             {QPoint(0, 0), QPoint(margin - 1, layer.size / 2), QPoint(layer.size / 2, margin + layer.shown),
              QPoint(layer.size - 1, layer.size - 1)})
            EXPECT_EQ(qAlpha(image.pixel(p)), 0) << layer.density << " " << p.x() << "," << p.y();
    }
}

TEST_P(TodaysIcons, BackgroundIsTheColourOfTheBorder)
{
    QFile values(File(QStringLiteral("res/values/icon_background.xml")));
    ASSERT_TRUE(values.open(QIODevice::ReadOnly));
    const QByteArray xml = values.readAll();
    const qsizetype at = xml.indexOf("<color name=\"icon_background\">#FF");
    ASSERT_GE(at, 0) << xml.constData();
    const QRgb colour = xml.mid(at + 33, 6).toUInt(nullptr, 16);
    EXPECT_NEAR(qRed(colour), qRed(GetParam().background), GetParam().tolerance) << xml.constData();
    EXPECT_NEAR(qGreen(colour), qGreen(GetParam().background), GetParam().tolerance) << xml.constData();
    EXPECT_NEAR(qBlue(colour), qBlue(GetParam().background), GetParam().tolerance) << xml.constData();
}

// The crop fixtures are green where the square is taken; the transparent
// halves of the last two show white behind them, their other halves blue.
// The RGBA gradient's border colour is not checked (tolerance 255).
INSTANTIATE_TEST_SUITE_P(Pictures, TodaysIcons,
                         ::testing::Values(Case{"crop_201x100.gif", 2, qRgb(0, 160, 0), 0},
                                           Case{"crop_200x100.jpg", 2, qRgb(0, 160, 0), 24},
                                           Case{"rgba_96x96.png", 6, 0, 255},
                                           Case{"transparent_64x64.gif", 2, qRgb(128, 128, 255), 2},
                                           Case{"half_transparent_4x4.png", 6, qRgb(128, 128, 250), 8}),
                         [](const ::testing::TestParamInfo<Case> &info) {
                             std::string name = info.param.fixture;
                             for (char &c : name)
                                 if (!isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return name;
                         });

} // namespace
