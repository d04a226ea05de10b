// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>
#include <vector>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

class QWidget;

// Tells a screen reader what just happened, unasked, without moving the focus and without
// anything new on screen. A sentence goes out as a notification inside a status bar: two
// hidden widgets of the window, out of the focus chain, whose accessible roles say so. On
// their showing Orca speaks the notification's name alone (no role word), within some tens
// of milliseconds, whatever has the focus; a change of name or description is not spoken
// from Qt 6.4's bridge, which sends the object instead of the new text.
//
// The sentences announced in one pass of the event loop go out together, in their order,
// as one notification: a second showing before the reader has read the first would replace
// it unheard. A sentence is never told twice in a row within kRepeatWindowMs.
//
// Orca drops a showing that reaches it in a burst of events (over 50 waiting) unless it
// comes last: so the announcement goes out after the window's own burst, never while a
// message box of the program is up, and kSettleMs after the window is active again (the
// box's closing brings the activation's burst). A window that stays inactive (another
// program has the focus) is waited for kActivationWaitMs at most.
//
// What the program does after a sentence (moving the focus, showing a box) can wait for it
// with afterTold: a screen reader reads each event in its turn, so what is told first is
// heard first. Below the windows it serves: a dialog of the platform speaks with it too.
class Announcer : public QObject {
    Q_OBJECT
public:
    static constexpr int kRepeatWindowMs = 1000;
    static constexpr int kSettleMs = 250;
    static constexpr int kActivationWaitMs = 300;

    explicit Announcer(QWidget* window);

    void announce(const QString& sentence);
    // Runs then() once every sentence announced so far has gone out; at once when none
    // waits. Not run when context is gone by then.
    void afterTold(const QObject* context, std::function<void()> then);

    // Nothing announced waits to go out, nor went out within the last forMs.
    bool quiet(int forMs = 0) const { return pending_.isEmpty() && (!lastAt_.isValid() || lastAt_.elapsed() >= forMs); }
    // What went out last, as the screen reader reads it; empty before the first.
    QString lastAnnouncement() const { return spoken_; }
    // The notification itself (hidden), whose showing carries each announcement.
    QWidget* voice() const { return voice_; }

signals:
    // An announcement went out, with the text the screen reader reads.
    void announced(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void flush();
    void speak();
    void runWaiting();

    struct Waiting {
        QPointer<const QObject> context;
        std::function<void()> then;
    };

    QPointer<QWidget> window_;
    QTimer flushTimer_;
    QElapsedTimer activatedAt_;
    QElapsedTimer waitingSince_;
    QWidget* bar_ = nullptr;
    QWidget* voice_ = nullptr;
    QStringList pending_;
    QString spoken_;
    QString lastSentence_;
    QElapsedTimer lastAt_;
    std::vector<Waiting> waiting_;
};
