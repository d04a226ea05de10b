// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Contrast as accessibility guidelines measure it (WCAG 2: relative luminance, ratio
// (L1 + 0.05) / (L2 + 0.05), 3 the least for parts of the interface), over pictures
// of windows grabbed at any device pixel ratio.
#include <QImage>
#include <QRegion>
#include <algorithm>
#include <cmath>

namespace contrast {

inline double luminance(QRgb c)
{
    auto linear = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
}

inline double ratio(double a, double b)
{
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

inline double ratio(QRgb a, QRgb b)
{
    return ratio(luminance(a), luminance(b));
}

// The band `width` logical pixels wide just outside r.
inline QRegion bandAround(const QRect& r, int width)
{
    return QRegion(r.adjusted(-width, -width, width, width)).subtracted(QRegion(r));
}

// Calls f(x, y) for every device pixel of image inside the logical region.
template <typename F> void forEachPixel(const QImage& image, const QRegion& region, F f)
{
    const double dpr = image.devicePixelRatio();
    for (const QRect& r : region) {
        const int x0 = int(std::lround(r.left() * dpr)), x1 = int(std::lround((r.right() + 1) * dpr));
        const int y0 = int(std::lround(r.top() * dpr)), y1 = int(std::lround((r.bottom() + 1) * dpr));
        for (int y = std::max(0, y0); y < std::min(y1, image.height()); ++y)
            for (int x = std::max(0, x0); x < std::min(x1, image.width()); ++x)
                f(x, y);
    }
}

// The share of region's pixels at which the two pictures of one place differ by a
// contrast ratio of at least least.
inline double shareContrasting(const QImage& a, const QImage& b, const QRegion& region, double least)
{
    int all = 0, contrasting = 0;
    forEachPixel(a, region, [&](int x, int y) {
        ++all;
        contrasting += ratio(a.pixel(x, y), b.pixel(x, y)) >= least;
    });
    return all == 0 ? 0.0 : double(contrasting) / all;
}

// The mean relative luminance of region's pixels.
inline double meanLuminance(const QImage& image, const QRegion& region)
{
    double sum = 0;
    int all = 0;
    forEachPixel(image, region, [&](int x, int y) {
        sum += luminance(image.pixel(x, y));
        ++all;
    });
    return all == 0 ? 0.0 : sum / all;
}

} // namespace contrast
