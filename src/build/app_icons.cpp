#include "build/app_icons.h"

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

void MakePngIcon(const QString &pictureFile, const QString &pngFile, int size)
{
    // A photo is decoded reduced: its centre square still has far more
    // pixels than the largest icon needs.
    const TPicture picture = LoadPicture(pictureFile, [](QSize stored) { return ShorterSideAtMost(stored, 1024); });
    if (picture.IsPng()) {
        TPngImage copy = picture.Png();
        if (copy.Width() != size || copy.Height() != size)
            ResamplePng(copy, size, size);
        copy.SaveToFile(pngFile);
        return;
    }
    QImage square;
    DrawSquareCrop(picture.ToBitmap(), square, size);
    TPngImage png;
    png.AssignBitmap(square);
    png.SaveToFile(pngFile);
}

bool MakeAppIcons(const QString &iconFile, const QString &workFolder)
{
    QString folder = workFolder;
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    for (const IconDensity &density : IconDensities)
        MakePngIcon(iconFile, folder + QLatin1String(density.file), density.size);
    return true;
}
