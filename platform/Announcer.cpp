// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace {

constexpr char kRoleProperty[] = "kolvoAnnouncerRole";
constexpr char kTextProperty[] = "kolvoAnnouncement";

// The status bar and the notification in it: a role of their own, and for the
// notification the announcement as its name.
class AnnouncerPart : public QAccessibleWidget {
public:
    AnnouncerPart(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? widget()->property(kTextProperty).toString() : QString();
    }
};

QAccessibleInterface* announcerParts(const QString&, QObject* object)
{
    const QVariant role = object ? object->property(kRoleProperty) : QVariant();
    if (!role.isValid() || !object->isWidgetType())
        return nullptr;
    return new AnnouncerPart(static_cast<QWidget*>(object), static_cast<QAccessible::Role>(role.toInt()));
}

// A hidden, zero-sized widget that never takes the focus. Its role is set before anything
// asks for its accessible interface: Qt keeps the first one made.
QWidget* hiddenPart(QWidget* parent, QAccessible::Role role, const QString& name)
{
    auto* part = new QWidget(parent);
    part->setProperty(kRoleProperty, static_cast<int>(role));
    part->setObjectName(name);
    part->setFocusPolicy(Qt::NoFocus);
    part->setGeometry(0, 0, 0, 0);
    part->hide();
    return part;
}

bool endsSentence(const QString& s)
{
    return s.endsWith(u'.') || s.endsWith(u'!') || s.endsWith(u'?');
}

} // namespace

Announcer::Announcer(QWidget* window) : QObject(window), window_(window)
{
    flushTimer_.setSingleShot(true);
    connect(&flushTimer_, &QTimer::timeout, this, &Announcer::flush);
    window->installEventFilter(this);
    // Factories installed later are asked first: this one comes before the widgets' own.
    QAccessible::installFactory(announcerParts);
    bar_ = hiddenPart(window, QAccessible::StatusBar, QStringLiteral("announcerBar"));
    voice_ = hiddenPart(bar_, QAccessible::Notification, QStringLiteral("announcerVoice"));
}

void Announcer::announce(const QString& sentence)
{
    const QString s = sentence.trimmed();
    if (s.isEmpty())
        return;
    pending_.append(s);
    if (!flushTimer_.isActive())
        flushTimer_.start(0);
}

void Announcer::afterTold(const QObject* context, std::function<void()> then)
{
    if (pending_.isEmpty()) {
        then();
        return;
    }
    waiting_.push_back({context, std::move(then)});
}

bool Announcer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_ && event->type() == QEvent::WindowActivate) {
        activatedAt_.start();
        if (!pending_.isEmpty())
            flushTimer_.start(kSettleMs);
    }
    return QObject::eventFilter(watched, event);
}

void Announcer::flush()
{
    if (pending_.isEmpty() || !window_)
        return;
    const QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != window_) {
        flushTimer_.start(kActivationWaitMs); // the window's activation after the box restarts it
        return;
    }
    if (!window_->isActiveWindow()) {
        if (!waitingSince_.isValid())
            waitingSince_.start();
        if (window_->isVisible() && waitingSince_.elapsed() < kActivationWaitMs) {
            flushTimer_.start(int(kActivationWaitMs - waitingSince_.elapsed()));
            return;
        }
    } else if (activatedAt_.isValid() && activatedAt_.elapsed() < kSettleMs) {
        flushTimer_.start(int(kSettleMs - activatedAt_.elapsed()));
        return;
    }
    waitingSince_.invalidate();
    speak();
}

void Announcer::speak()
{
    const bool recent = lastAt_.isValid() && lastAt_.elapsed() < kRepeatWindowMs;
    QStringList told;
    for (const QString& s : std::as_const(pending_)) {
        if (told.contains(s) || (recent && s == lastSentence_))
            continue;
        told.append(s);
    }
    pending_.clear();
    if (told.isEmpty())
        return runWaiting();
    lastSentence_ = told.last();
    lastAt_.start();
    for (QString& s : told) {
        // A sentence without its stop would run into the next one when read.
        if (&s != &told.last() && !endsSentence(s))
            s += u'.';
    }
    spoken_ = told.join(u' ');
    voice_->setProperty(kTextProperty, spoken_);
    QAccessibleEvent shown(voice_, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
    emit announced(spoken_);
    runWaiting();
}

void Announcer::runWaiting()
{
    // What runs may announce and wait again, or open a box with an event loop of its own.
    for (const Waiting& w : std::exchange(waiting_, {}))
        if (w.context)
            w.then();
}
