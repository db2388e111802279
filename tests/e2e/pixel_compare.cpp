#include "pixel_compare.h"

#include <cstdlib>
#include <stdexcept>

namespace glint::e2e {

namespace {

int countDifferences(const QImage& a, const QImage& b, const Rect& area, bool inside)
{
    if (a.size() != b.size())
        throw std::invalid_argument("captures of different sizes");
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (area.contains(x, y) == inside && a.pixel(x, y) != b.pixel(x, y))
                ++count;
        }
    }
    return count;
}

} // namespace

int differingPixelsInside(const QImage& a, const QImage& b, const Rect& area)
{
    return countDifferences(a, b, area, true);
}

int differingPixelsOutside(const QImage& a, const QImage& b, const Rect& area)
{
    return countDifferences(a, b, area, false);
}

double meanDifference(const QImage& screen, QPoint at, const QImage& picture, int firstRow, int endRow)
{
    long total = 0;
    long samples = 0;
    for (int y = firstRow; y < endRow; ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb shown = screen.pixel(at.x() + x, at.y() + y);
            const QRgb wanted = picture.pixel(x, y);
            total += std::abs(qRed(shown) - qRed(wanted)) + std::abs(qGreen(shown) - qGreen(wanted)) +
                     std::abs(qBlue(shown) - qBlue(wanted));
            samples += 3;
        }
    }
    return samples == 0 ? 0.0 : double(total) / double(samples);
}

} // namespace glint::e2e
