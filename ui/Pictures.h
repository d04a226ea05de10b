// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QImage>
#include <QStringView>

namespace ui {

// The pictures are drawn at 1, 2 and 3 device pixels per logical pixel: name.png,
// name@2x.png and name@3x.png. The scale to use on a screen of devicePixelRatio is
// the smallest of those that is not below it, or 3.
int artScale(qreal devicePixelRatio);

// The picture at path (":/images/title.png") drawn for scale, with that device pixel
// ratio, so it paints at its logical size; the scale-1 picture where the other is
// missing. A null image when there is neither. A picture with words is taken in the
// language shown (":/images/title_en.png") where it is drawn in it.
QImage loadPicture(QStringView path, int scale);

} // namespace ui
