#include "build/app_icons.h"

#include "build/icon_adaptive.h"
#include "build/icon_resample.h"
#include "build/icon_square_crop.h"

#include "media/picture_loader.h"
#include "media/picture_scaling.h"

namespace {

struct IconDensity
{
    const char *file;
    int size;
};

constexpr IconDensity IconDensities[] = {
    {"res/drawable-xhdpi/icon.png", 96},
    {"res/drawable-hdpi/icon.png", 72},
    {"res/drawable-ldpi/icon.png", 36},
    {"res/drawable-mdpi/icon.png", 48},
};

} // namespace

TPicture LoadIconPicture(const QString &pictureFile)
{
    // A photo is decoded reduced: its centre square still has far more
    // pixels than the largest icon needs.
    return LoadPicture(pictureFile, [](QSize stored) { return ShorterSideAtMost(stored, 1024); });
}

TPngImage PngIcon(const TPicture &picture, int size)
{
    if (picture.IsPng()) {
        TPngImage copy = picture.Png();
        if (copy.Width() != size || copy.Height() != size)
            ResamplePng(copy, size, size);
        return copy;
    }
    QImage square;
    DrawSquareCrop(picture.ToBitmap(), square, size);
    TPngImage png;
    png.AssignBitmap(square);
    return png;
}

void MakePngIcon(const QString &pictureFile, const QString &pngFile, int size)
{
    PngIcon(LoadIconPicture(pictureFile), size).SaveToFile(pngFile);
}

bool MakeAppIcons(const QString &iconFile, const QString &workFolder)
{
    QString folder = workFolder;
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    for (const IconDensity &density : IconDensities)
        MakePngIcon(iconFile, folder + QLatin1String(density.file), density.size);
    MakeTodaysLauncherIcons(iconFile, folder);
    return true;
}
