// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Pictures.h"

#include <cmath>
#include <QFile>
#include <QString>

#include "platform/Language.h"

namespace ui {

namespace {

constexpr int kLargestScale = 3;

// The picture drawn for the language shown (":/images/title_en.png"), where there is one.
QString inLanguageShown(QStringView path)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    const QString code = language::current();
    if (dot <= 0 || code == language::kSwedish)
        return path.toString();
    const QString own = path.left(dot).toString() + u'_' + code + path.mid(dot).toString();
    return QFile::exists(own) ? own : path.toString();
}

} // namespace

int artScale(qreal devicePixelRatio)
{
    // A ratio a hair above a whole number (1.0000001 from a rounding elsewhere) is
    // that number, not the next scale.
    const int scale = int(std::ceil(devicePixelRatio - 1e-3));
    return qBound(1, scale, kLargestScale);
}

QImage loadPicture(QStringView designPath, int scale)
{
    const QString path = inLanguageShown(designPath);
    if (scale > 1) {
        const qsizetype dot = path.lastIndexOf(u'.');
        if (dot > 0) {
            const QString scaled = path.left(dot) + QStringLiteral("@%1x").arg(scale) + path.mid(dot);
            QImage picture(scaled);
            if (!picture.isNull()) {
                picture.setDevicePixelRatio(scale);
                return picture;
            }
        }
    }
    return QImage(path);
}

} // namespace ui
