#pragma once
#include <QImage>
#include <QtGlobal>

// Raster operation "destination := source", the only one supported.
inline constexpr quint32 SRCCOPY = 0x00CC0020;

// Copies the width x height block of src whose top-left corner is (xSrc, ySrc) to
// dest at (x, y), converting pixels to dest's format. The block is clipped to both
// images: a pixel is copied only when its source lies in src and its target in dest.
// Returns false, changing nothing, for any other raster operation, a null image or a
// destination of fewer than 8 bits per pixel; true otherwise, also when clipping
// leaves nothing to copy.
bool BitBlt(QImage& dest, int x, int y, int width, int height, const QImage& src, int xSrc, int ySrc,
            quint32 rop);
