// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>
#include <QObject>
#include <QPoint>

class QWidget;

namespace ui {

class KeyGuard;

// Shows a control's tool tip where `where` puts it (beside a frame, over no other row): for
// the mouse, and when the person moved the keyboard focus there with Tab or the arrows, as
// `keys` tells. Never when the program or Qt moves the focus (the third roll disables the
// roll button), so nothing pops up unasked.
class HintTips : public QObject {
public:
    HintTips(QWidget& window, const KeyGuard& keys, std::function<QPoint(const QWidget& control)> where);
    void watch(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const KeyGuard& keys_;
    std::function<QPoint(const QWidget&)> where_;
};

} // namespace ui
