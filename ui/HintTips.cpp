// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/HintTips.h"

#include <QEvent>
#include <QPointer>
#include <QToolTip>
#include <QWidget>

#include "ui/KeyGuard.h"

namespace ui {

HintTips::HintTips(QWidget& window, const KeyGuard& keys, std::function<QPoint(const QWidget&)> where)
    : QObject(&window), keys_(keys), where_(std::move(where))
{
}

void HintTips::watch(QWidget* control)
{
    control->installEventFilter(this);
}

bool HintTips::eventFilter(QObject* watched, QEvent* event)
{
    auto* control = qobject_cast<QWidget*>(watched);
    const bool asked = event->type() == QEvent::ToolTip || (event->type() == QEvent::FocusIn && keys_.movingFocus());
    if (!control || !asked)
        return false;
    const auto showHint = [this, control = QPointer<QWidget>(control)] {
        if (control && !control->toolTip().isEmpty())
            QToolTip::showText(where_(*control), control->toolTip(), control);
    };
    if (event->type() == QEvent::ToolTip) {
        showHint();
        return true;
    }
    // Once the focus has moved: Qt tells the control's style of the focus after the control,
    // and a tool tip that is up hides at any focus event.
    QMetaObject::invokeMethod(this, showHint, Qt::QueuedConnection);
    return false;
}

} // namespace ui
