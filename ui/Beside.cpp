// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Beside.h"

#include <algorithm>
#include <limits>
#include <QScreen>
#include <QWidget>

namespace ui {

namespace {
constexpr int kGap = 8; // between the game window's frame and the view
} // namespace

void placeBeside(QWidget& view, const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QSize own = view.frameGeometry().size();
    const QPoint right(frame.right() + 1 + kGap, frame.top());
    const QScreen* screen = window.screen();
    if (!screen) {
        view.move(right);
        return;
    }
    // Right, left, below or above the window, whichever first fits on its screen; on a
    // screen too small for any, the one that covers least of the window, kept on screen.
    const QRect available = screen->availableGeometry();
    const QPoint places[]
        = {right, QPoint(frame.left() - kGap - own.width(), frame.top()),
           QPoint(frame.left(), frame.bottom() + 1 + kGap), QPoint(frame.left(), frame.top() - kGap - own.height())};
    QPoint best = right;
    qint64 leastCovered = std::numeric_limits<qint64>::max();
    for (const QPoint& at : places) {
        if (available.contains(QRect(at, own))) {
            view.move(at);
            return;
        }
        const QPoint kept(
            std::clamp(at.x(), available.left(), std::max(available.left(), available.right() + 1 - own.width())),
            std::clamp(at.y(), available.top(), std::max(available.top(), available.bottom() + 1 - own.height())));
        const QRect covered = QRect(kept, own).intersected(frame);
        const qint64 area = qint64(covered.width()) * covered.height();
        if (area < leastCovered) {
            leastCovered = area;
            best = kept;
        }
    }
    view.move(best);
}

} // namespace ui
