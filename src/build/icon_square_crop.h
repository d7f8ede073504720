#pragma once

#include <QImage>

// Makes `destination` a size × size bitmap holding the centred square of
// `source` (left or top = difference of the sides div 2), scaled with
// area-averaging smooth scaling.
void DrawSquareCrop(const QImage &source, QImage &destination, int size);
