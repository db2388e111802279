#pragma once

#include "x11_driver.h"

#include <QImage>

namespace glint::e2e {

// How many pixels differ between two captures of the same size, inside an
// area or everywhere but there.
int differingPixelsInside(const QImage& a, const QImage& b, const Rect& area);
int differingPixelsOutside(const QImage& a, const QImage& b, const Rect& area);

// The mean difference per colour channel (0 to 255) between `picture`
// and the same-sized block of `screen` whose top-left corner is `at`,
// counting only the picture's rows in [firstRow, endRow).
double meanDifference(const QImage& screen, QPoint at, const QImage& picture, int firstRow, int endRow);

} // namespace glint::e2e
