#pragma once

#include <QSize>

#include <algorithm>
#include <cmath>

// Scaled picture sizes are rounded to the nearest integer, a half going to
// the even neighbour.
inline long long RoundHalfEven(double x)
{
    const double floor = std::floor(x);
    const double fraction = x - floor;
    auto result = static_cast<long long>(floor);
    if (fraction > 0.5 || (fraction == 0.5 && (result % 2) != 0))
        ++result;
    return result;
}

// The picture's size reduced to fit within `bound`, proportions kept and no
// side below 1; its own size when it fits already.
inline QSize FitWithin(QSize picture, QSize bound)
{
    if (picture.width() <= bound.width() && picture.height() <= bound.height())
        return picture;
    const QSize fitted = picture.scaled(bound, Qt::KeepAspectRatio);
    return {std::max(fitted.width(), 1), std::max(fitted.height(), 1)};
}

// The picture's size reduced so that its shorter side is `side`, proportions
// kept; its own size when the shorter side is not longer.
inline QSize ShorterSideAtMost(QSize picture, int side)
{
    const int shorter = std::min(picture.width(), picture.height());
    if (shorter <= side)
        return picture;
    const double scale = double(side) / double(shorter);
    return {std::max(int(std::lround(picture.width() * scale)), side),
            std::max(int(std::lround(picture.height() * scale)), side)};
}
