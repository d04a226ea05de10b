// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/RasterCopy.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// One axis of the clipped block: start in the destination, start in the source, length.
struct Span {
    qint64 dest = 0;
    qint64 src = 0;
    qint64 length = 0;
};

Span clip(qint64 dest, qint64 src, qint64 length, qint64 destSize, qint64 srcSize)
{
    if (dest < 0) {
        src -= dest;
        length += dest;
        dest = 0;
    }
    if (src < 0) {
        dest -= src;
        length += src;
        src = 0;
    }
    length = std::min({length, destSize - dest, srcSize - src});
    return {dest, src, std::max<qint64>(length, 0)};
}

} // namespace

bool BitBlt(QImage& dest, int x, int y, int width, int height, const QImage& src, int xSrc, int ySrc, quint32 rop)
{
    if (rop != SRCCOPY || dest.isNull() || src.isNull() || dest.depth() < 8)
        return false;
    const qreal ratio = dest.devicePixelRatio();
    if (!qFuzzyCompare(ratio, src.devicePixelRatio()))
        return false;
    // 64-bit arithmetic: offsets near the int limits must not wrap into the image.
    const auto device = [ratio](qint64 v) { return qint64(std::llround(double(v) * ratio)); };
    const auto length = [&](qint64 start, qint64 extent) { return device(start + extent) - device(start); };
    const Span across = clip(device(x), device(xSrc), length(x, width), dest.width(), src.width());
    const Span down = clip(device(y), device(ySrc), length(y, height), dest.height(), src.height());
    if (across.length == 0 || down.length == 0)
        return true;

    // A detached copy of the block, so a copy within one image reads the old pixels.
    QImage block = src.copy(int(across.src), int(down.src), int(across.length), int(down.length));
    block = dest.format() == QImage::Format_Indexed8
        ? block.convertToFormat(QImage::Format_Indexed8, dest.colorTable(), Qt::ThresholdDither)
        : block.convertToFormat(dest.format());
    const qsizetype bytesPerPixel = dest.depth() / 8;
    const auto rowBytes = static_cast<size_t>(bytesPerPixel * across.length);
    for (int row = 0; row < int(down.length); ++row) {
        uchar* to = dest.scanLine(int(down.dest) + row) + bytesPerPixel * across.dest;
        std::memcpy(to, block.constScanLine(row), rowBytes);
    }
    return true;
}
