// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

class QKeyEvent;
class QWidget;

namespace ui {

// Tells the repeats of a held key from the presses of a hand. An X server repeats a held
// key as a release and a press with the same timestamp, which no hand can do; Qt marks such
// a pair as a repeat only when it finds the press already queued, and passes the others on
// as fresh presses. Fed every press and release of a key in the order they come, with the
// events' timestamps (milliseconds of the server's clock). A timestamp of 0 is no time, as
// in events the program makes itself: then only Qt's mark counts.
class KeyRepeat {
public:
    // Whether a press is a held key's repeat: Qt marked it so, or the key's last release
    // came at the very same time.
    bool isRepeat(int key, quint64 timestamp, bool markedRepeat) const;
    void released(int key, quint64 timestamp);

private:
    QHash<int, quint64> lastRelease_;
};

// A held key acts once in a window: its repeats of the keys given, and of Space, reach no
// widget of the window nor of its dialogs, and no shortcut, until it is let go. A button
// pressed with Space clicks when Space is let go, and the release of an X repeat comes
// before the press that tells it is one: such a release is held back for a moment, and
// delivered only when no repeat's press follows it. Text fields still take Space and the
// digits as typed.
//
// It also tells when the person is moving the keyboard focus with Tab, Shift+Tab or an
// arrow key, as opposed to the program or Qt moving it (a control disabled, a window shown).
class KeyGuard : public QObject {
    Q_OBJECT
public:
    // How long a button's release of Space waits for a repeat's press. The X server sends
    // both at once; this covers their way through Qt's event reader on a busy machine.
    static constexpr int kReleaseHoldMs = 40;

    // Watches window and the windows it owns, for these keys (Qt::Key values) and Space.
    KeyGuard(QWidget& window, QList<int> keys);
    ~KeyGuard() override;

    // True while a press of Tab, Shift+Tab or an arrow key in the window is being handled.
    bool movingFocus() const { return movingFocus_; }
    // A release of Space is held back, waiting to see whether a repeat's press follows.
    bool holdingRelease() const { return held_.has_value(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool inWindow(const QWidget& widget) const;
    bool guards(const QWidget& widget, int key) const;
    void deliverHeldRelease();

    QWidget& window_;
    QList<int> keys_;
    KeyRepeat repeat_;
    bool movingFocus_ = false;

    struct HeldRelease {
        QPointer<QWidget> target;
        int key = 0;
        Qt::KeyboardModifiers modifiers;
        quint32 scanCode = 0;
        quint32 virtualKey = 0;
        quint32 nativeModifiers = 0;
        QString text;
        quint64 timestamp = 0;
    };
    std::optional<HeldRelease> held_;
    QTimer holdTimer_;
    const QEvent* delivering_ = nullptr; // the held release on its way, passed untouched
};

} // namespace ui
