// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FocusRing.h"

#include <algorithm>
#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPointer>
#include <QWidget>

namespace ui {

namespace {

constexpr int kDash = 3;

class Ring : public QWidget {
public:
    explicit Ring(QWidget* parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("focusRing"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const int w = width(), h = height(), t = kFocusRingWidth;
        auto dashes = [&](int x, int y, int length, bool across) {
            for (int at = 0; at < length; at += kDash) {
                const int n = std::min(kDash, length - at);
                const QColor colour = (at / kDash) % 2 == 0 ? Qt::black : Qt::white;
                if (across)
                    p.fillRect(x + at, y, n, t, colour);
                else
                    p.fillRect(x, y + at, t, n, colour);
            }
        };
        dashes(0, 0, w, true);
        dashes(0, h - t, w, true);
        dashes(0, t, h - 2 * t, false);
        dashes(w - t, t, h - 2 * t, false);
    }
};

// Lives as a child of the window; the ring itself is a child of the focused
// control's parent, so that it is drawn above the control and its siblings.
class RingKeeper : public QObject {
public:
    explicit RingKeeper(QWidget& window) : QObject(&window), window_(&window)
    {
        setObjectName(QStringLiteral("focusRingKeeper"));
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { follow(now); });
        follow(window.isActiveWindow() ? window.focusWidget() : nullptr);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == target_) {
            switch (event->type()) {
            case QEvent::Move:
            case QEvent::Resize:
            case QEvent::Show:
            case QEvent::Hide:
            case QEvent::ParentChange:
            case QEvent::ZOrderChange:
                place();
                break;
            default:
                break;
            }
        }
        return false;
    }

private:
    void follow(QWidget* now)
    {
        if (target_)
            target_->removeEventFilter(this);
        // A widget that takes no focus of its own (a client area that holds it while the
        // program moves it) is no control to frame.
        const bool ours = now && now != ring_ && now->window() == window_ && now->parentWidget()
            && now->focusPolicy() != Qt::NoFocus;
        target_ = ours ? now : nullptr;
        if (target_)
            target_->installEventFilter(this);
        place();
    }

    void place()
    {
        if (!target_ || !target_->isVisible()) {
            if (ring_)
                ring_->hide();
            return;
        }
        QWidget* parent = target_->parentWidget();
        if (!ring_)
            ring_ = new Ring(parent);
        else if (ring_->parentWidget() != parent)
            ring_->setParent(parent);
        const int t = kFocusRingWidth;
        ring_->setGeometry(target_->geometry().adjusted(-t, -t, t, t));
        ring_->raise();
        ring_->show();
    }

    QPointer<QWidget> window_;
    QPointer<QWidget> target_;
    QPointer<Ring> ring_;
};

} // namespace

void installFocusRing(QWidget& window)
{
    new RingKeeper(window);
}

void markWithRing(QWidget* control)
{
    QWidget* parent = control ? control->parentWidget() : nullptr;
    if (!parent)
        return;
    auto* ring = parent->findChild<Ring*>(QStringLiteral("choiceMark"), Qt::FindDirectChildrenOnly);
    if (!ring) {
        ring = new Ring(parent);
        ring->setObjectName(QStringLiteral("choiceMark"));
    }
    const int t = kFocusRingWidth;
    ring->setGeometry(control->geometry().adjusted(-t, -t, t, t));
    ring->raise();
    ring->show();
}

void clearRingMark(QWidget* parent)
{
    if (auto* ring = parent->findChild<Ring*>(QStringLiteral("choiceMark"), Qt::FindDirectChildrenOnly))
        ring->hide();
}

} // namespace ui
