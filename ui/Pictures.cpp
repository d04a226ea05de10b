// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Pictures.h"

#include <cmath>
#include <QString>

namespace ui {

namespace {
constexpr int kLargestScale = 3;
}

int artScale(qreal devicePixelRatio)
{
    // A ratio a hair above a whole number (1.0000001 from a rounding elsewhere) is
    // that number, not the next scale.
    const int scale = int(std::ceil(devicePixelRatio - 1e-3));
    return qBound(1, scale, kLargestScale);
}

QImage loadPicture(QStringView path, int scale)
{
    if (scale > 1) {
        const qsizetype dot = path.lastIndexOf(u'.');
        if (dot > 0) {
            const QString scaled
                = path.left(dot).toString() + QStringLiteral("@%1x").arg(scale) + path.mid(dot).toString();
            QImage picture(scaled);
            if (!picture.isNull()) {
                picture.setDevicePixelRatio(scale);
                return picture;
            }
        }
    }
    return QImage(path.toString());
}

} // namespace ui
