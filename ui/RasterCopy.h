// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QImage>
#include <QtGlobal>

// Raster operation "destination := source", the only one supported.
inline constexpr quint32 SRCCOPY = 0x00CC0020;

// Copies the width x height block of src whose top-left corner is (xSrc, ySrc) to
// dest at (x, y), converting pixels to dest's format. The block is clipped to both
// images: a pixel is copied only when its source lies in src and its target in dest.
// Coordinates are logical pixels; the copy is made in device pixels, so images with a
// device pixel ratio of 2 copy a block of 2 x 2 device pixels for every logical one.
// Returns false, changing nothing, for any other raster operation, a null image, a
// destination of fewer than 8 bits per pixel or images of different device pixel
// ratios (a raster copy never resamples); true otherwise, also when clipping leaves
// nothing to copy.
bool BitBlt(QImage& dest, int x, int y, int width, int height, const QImage& src, int xSrc, int ySrc, quint32 rop);
