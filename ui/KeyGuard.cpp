// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/KeyGuard.h"

#include <utility>
#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QWidget>

namespace ui {

namespace {

bool movesFocus(const QKeyEvent& event)
{
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    switch (event.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
        return true;
    default:
        return false;
    }
}

// Keys a text field takes as characters, where a held key may well mean many.
bool typed(int key)
{
    return key == Qt::Key_Space || (key >= Qt::Key_0 && key <= Qt::Key_9);
}

} // namespace

bool KeyRepeat::isRepeat(int key, quint64 timestamp, bool markedRepeat) const
{
    if (markedRepeat)
        return true;
    const auto last = lastRelease_.constFind(key);
    return timestamp != 0 && last != lastRelease_.cend() && *last == timestamp;
}

void KeyRepeat::released(int key, quint64 timestamp)
{
    lastRelease_.insert(key, timestamp);
}

KeyGuard::KeyGuard(QWidget& window, QList<int> keys) : QObject(&window), window_(window), keys_(std::move(keys))
{
    keys_.append(Qt::Key_Space);
    holdTimer_.setSingleShot(true);
    holdTimer_.setInterval(kReleaseHoldMs);
    connect(&holdTimer_, &QTimer::timeout, this, &KeyGuard::deliverHeldRelease);
    // Before any widget: a repeat must not reach the focus widget, its parents, or a shortcut.
    qApp->installEventFilter(this);
}

KeyGuard::~KeyGuard()
{
    qApp->removeEventFilter(this);
}

bool KeyGuard::inWindow(const QWidget& widget) const
{
    for (const QWidget* w = &widget; w; w = w->parentWidget())
        if (w == &window_)
            return true;
    return false;
}

bool KeyGuard::guards(const QWidget& widget, int key) const
{
    return keys_.contains(key) && inWindow(widget) && !(typed(key) && widget.testAttribute(Qt::WA_InputMethodEnabled));
}

bool KeyGuard::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (event == delivering_
        || (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride))
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const bool press = type != QEvent::KeyRelease;
    if (held_) {
        if (press && key->key() == held_->key && key->timestamp() == held_->timestamp) {
            held_.reset(); // a repeat: the button stays down
            holdTimer_.stop();
        } else {
            deliverHeldRelease(); // it was let go: the release goes first
        }
    }
    if (type == QEvent::KeyPress && movesFocus(*key) && inWindow(*widget)) {
        movingFocus_ = true;
        QTimer::singleShot(0, this, [this] { movingFocus_ = false; });
    }
    if (!press) {
        // Wherever it goes: the press after it may come to this window.
        repeat_.released(key->key(), key->timestamp());
        auto* button = qobject_cast<QAbstractButton*>(widget);
        if (key->key() == Qt::Key_Space && !key->isAutoRepeat() && key->timestamp() != 0 && button && button->isDown()
            && guards(*widget, key->key())) {
            held_ = HeldRelease{widget,
                                key->key(),
                                key->modifiers(),
                                key->nativeScanCode(),
                                key->nativeVirtualKey(),
                                key->nativeModifiers(),
                                key->text(),
                                key->timestamp()};
            holdTimer_.start();
            return true;
        }
        return false;
    }
    if (!guards(*widget, key->key()) || !repeat_.isRepeat(key->key(), key->timestamp(), key->isAutoRepeat()))
        return false;
    // A shortcut override accepted is no shortcut: the key comes back as a press, and stops here.
    event->accept();
    return true;
}

void KeyGuard::deliverHeldRelease()
{
    holdTimer_.stop();
    const std::optional<HeldRelease> held = std::exchange(held_, std::nullopt);
    if (!held || !held->target)
        return;
    QKeyEvent release(QEvent::KeyRelease, held->key, held->modifiers, held->scanCode, held->virtualKey,
                      held->nativeModifiers, held->text);
    release.setTimestamp(held->timestamp);
    const QScopedValueRollback<const QEvent*> passing(delivering_, &release);
    QCoreApplication::sendEvent(held->target, &release);
}

} // namespace ui
