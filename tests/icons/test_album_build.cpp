// A whole build through pelorin-build of songs and pictures whose extensions
// have every letter case, with an RGB PNG album icon, made once for all the
// checks.
#include "cli/cli_app.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace {
const QString kData = QStringLiteral(PELORIN_TEST_DATA_DIR "/");
const QString kAlbum = QStringLiteral("大小写");

QString Output(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    process.waitForFinished(120000);
    return QString::fromUtf8(process.readAll());
}

// The album icon squeezed to size × size by bilinear weights in double
// precision, written from the rule rather than from the build's code:
// destination (x, y) reads source (x / sx, y / sy), sx = size / (w - 1).
QImage Bilinear(const QImage &source, int size)
{
    const double sx = double(size) / (source.width() - 1);
    const double sy = double(size) / (source.height() - 1);
    QImage out(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y) {
        const double fy = y / sy;
        const int y0 = int(fy);
        const double dy = fy - y0;
        for (int x = 0; x < size; ++x) {
            const double fx = x / sx;
            const int x0 = int(fx);
            const double dx = fx - x0;
            double c[3] = {0, 0, 0};
            for (int i = 0; i < 2; ++i)
                for (int j = 0; j < 2; ++j) {
                    const QRgb p = source.pixel(x0 + i, y0 + j);
                    const double w = (i ? dx : 1 - dx) * (j ? dy : 1 - dy);
                    c[0] += qRed(p) * w;
                    c[1] += qGreen(p) * w;
                    c[2] += qBlue(p) * w;
                }
            out.setPixel(x, y, qRgb(int(std::lround(c[0])), int(std::lround(c[1])), int(std::lround(c[2]))));
        }
    }
    return out;
}

// The largest difference of a colour channel, and of alpha, between the two.
int Difference(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return 256;
    int most = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            for (const int d :
                 {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q), qAlpha(p) - qAlpha(q)})
                most = std::max(most, std::abs(d));
        }
    return most;
}

QString IconFile()
{
    return kData + QStringLiteral("pictures/portrait_600x900.png");
}

QImage Entry(const QString &apk, const QString &name)
{
    return QImage::fromData(CliApp::Unzip(apk, name), "png").convertToFormat(QImage::Format_ARGB32);
}

void ExpectEverySongAndPictureStored(const CliApp &app, const QString &apk)
{
    // unzip -v: Length, Method, Size, Cmpr, Date, Time, CRC-32, Name.
    QStringList staged;
    for (const QString &line :
         Output(QStringLiteral("unzip"), {QStringLiteral("-v"), apk}).split(QLatin1Char('\n'))) {
        const QStringList columns = line.simplified().split(QLatin1Char(' '));
        if (columns.size() != 8
            || !QRegularExpression(QStringLiteral("^assets/(music|images)/")).match(columns[7]).hasMatch())
            continue;
        staged << columns[7];
        EXPECT_EQ(columns[1], QStringLiteral("Stored")) << line.toStdString();
    }
    staged.sort();
    EXPECT_EQ(
        staged,
        (QStringList{QStringLiteral("assets/images/pic1.JPG"), QStringLiteral("assets/images/pic2.Png"),
                     QStringLiteral("assets/images/pic3.jpg"), QStringLiteral("assets/music/music1.Mp3"),
                     QStringLiteral("assets/music/music2.AAC"), QStringLiteral("assets/music/music3.m4A")}));
    const QByteArray yml = app.read(QStringLiteral("snapshot/apktool.yml"));
    for (const char *entry : {"- resources.arsc\n", "- \"Mp3\"\n", "- \"m4A\"\n", "- \"Png\"\n"})
        EXPECT_TRUE(yml.contains(entry)) << entry << "\n" << yml.constData();
}

void ExpectLauncherIconInSixDensitiesAndAdaptive(const QString &apk)
{
    const QString badging = CliApp::Badging(apk);
    for (const char *density : {"120", "160", "240", "320", "480", "640"})
        EXPECT_TRUE(badging.contains(QStringLiteral("application-icon-%1:'").arg(QLatin1String(density))))
            << density;
    EXPECT_TRUE(badging.contains(QStringLiteral("application-icon-65534:'res/mipmap-anydpi-v26/icon.xml'")))
        << badging.toStdString();
    // Before Android 8 the icon is the bitmap of the phone's density.
    const QString resources
        = Output(QStringLiteral("aapt"),
                 {QStringLiteral("dump"), QStringLiteral("--values"), QStringLiteral("resources"), apk});
    for (const char *density : {"ldpi", "mdpi", "hdpi", "xhdpi", "xxhdpi", "xxxhdpi"})
        EXPECT_TRUE(
            resources.contains(QStringLiteral("\"res/drawable-%1-v4/icon.png\"").arg(QLatin1String(density))))
            << density;
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("config \\(default\\):\\s+resource \\S+ \\S+:mipmap/icon: t=0x01"))
            .match(resources)
            .hasMatch());
    const QString xml = Output(QStringLiteral("aapt"),
                               {QStringLiteral("dump"), QStringLiteral("xmltree"), apk,
                                QStringLiteral("res/mipmap-anydpi-v26/icon.xml")});
    EXPECT_TRUE(xml.contains(QStringLiteral("E: adaptive-icon"))) << xml.toStdString();
    EXPECT_TRUE(xml.contains(QStringLiteral("E: foreground"))) << xml.toStdString();
}

void ExpectNewIconsToBeTheAlbumIconResampled(const QString &apk)
{
    const QImage icon = QImage(IconFile(), "png");
    EXPECT_LE(Difference(Entry(apk, QStringLiteral("res/drawable-xxhdpi-v4/icon.png")), Bilinear(icon, 144)),
              1);
    EXPECT_LE(Difference(Entry(apk, QStringLiteral("res/drawable-xxxhdpi-v4/icon.png")), Bilinear(icon, 192)),
              1);

    const QImage layer = Entry(apk, QStringLiteral("res/drawable-xxxhdpi-v4/icon_foreground.png"));
    ASSERT_EQ(layer.size(), QSize(432, 432));
    EXPECT_LE(Difference(layer.copy(72, 72, 288, 288), Bilinear(icon, 288)), 1);
    for (int y = 0; y < 432; ++y)
        for (int x = 0; x < 432; ++x)
            if (x < 72 || x >= 360 || y < 72 || y >= 360) {
                ASSERT_EQ(qAlpha(layer.pixel(x, y)), 0) << x << "," << y;
            }
}
// One build for all the checks.
TEST(AlbumBuild, StoredAssetsAndTodaysLauncherIcons)
{
    CliApp app;
    QTemporaryDir inputs;
    const QString in = inputs.path() + QLatin1Char('/');
    QFile::copy(kData + QStringLiteral("build/songs/song1.mp3"), in + QStringLiteral("a.Mp3"));
    Output(QStringLiteral("ffmpeg"),
           {QStringLiteral("-loglevel"), QStringLiteral("error"), QStringLiteral("-f"),
            QStringLiteral("lavfi"), QStringLiteral("-i"), QStringLiteral("sine=duration=2"),
            QStringLiteral("-c:a"), QStringLiteral("aac"), in + QStringLiteral("b.AAC")});
    QFile::copy(kData + QStringLiteral("build/songs/song3.m4a"), in + QStringLiteral("c.m4A"));
    QFile::copy(kData + QStringLiteral("pictures/photo_1024x768.jpg"), in + QStringLiteral("x.JPG"));
    QFile::copy(kData + QStringLiteral("pictures/interlaced_13x11.png"), in + QStringLiteral("y.Png"));
    const CliApp::Result result
        = app.Run({QStringLiteral("--album"), kAlbum, QStringLiteral("--icon"), IconFile(),
                   in + QStringLiteral("a.Mp3"), in + QStringLiteral("b.AAC"), in + QStringLiteral("c.m4A"),
                   in + QStringLiteral("x.JPG"), in + QStringLiteral("y.Png")});
    ASSERT_EQ(result.code, 0) << result.err.toStdString();
    const QString apk = app.file(QStringLiteral("output/") + kAlbum + QStringLiteral(".apk"));
    ASSERT_TRUE(CliApp::Verifies(apk));
    ExpectEverySongAndPictureStored(app, apk);
    ExpectLauncherIconInSixDensitiesAndAdaptive(apk);
    ExpectNewIconsToBeTheAlbumIconResampled(apk);
}
} // namespace
