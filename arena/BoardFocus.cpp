// SPDX-License-Identifier: GPL-3.0-or-later
#include "arena/BoardFocus.h"

#include <QWidget>

#include "platform/Announcer.h"

namespace {

// The first control after `from` in the focus order that Tab would reach.
QWidget* nextForTab(QWidget& from)
{
    for (QWidget* w = from.nextInFocusChain(); w && w != &from; w = w->nextInFocusChain())
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(from.window())
            && w->window() == from.window())
            return w;
    return nullptr;
}

} // namespace

BoardFocus::BoardFocus(QWidget& holder, QWidget& roller, Announcer& announcer, const GameTable& table)
    : QObject(&holder), holder_(&holder), roller_(&roller), announcer_(announcer), table_(table)
{
    // Before any game the roll button is disabled and the focus would land on the first
    // category box, read after the window's own words on how to begin: it waits here.
    hold();
}

QWidget* BoardFocus::focused() const
{
    // The window's own focus child: while a box of the program is up, the application's
    // focus is in the box, and the window's comes back to this one.
    return holder_ ? holder_->window()->focusWidget() : nullptr;
}

bool BoardFocus::holding() const
{
    return holder_ && focused() == holder_;
}

void BoardFocus::hold()
{
    holder_->setFocus(Qt::OtherFocusReason);
}

void BoardFocus::beforePaint(GameTable::Changes what)
{
    QWidget* now = focused();
    if (!now || !holder_)
        return;
    // The third roll disables the roll button; a write disables its box, and the next
    // player's sheet may disable the one the focus is on.
    const bool rollCloses = (what & GameTable::RollBegan) && !table_.rollOpen() && now == roller_;
    const bool boxWritten = (what & GameTable::Written) && now != roller_ && now->parentWidget() == holder_;
    if (rollCloses || boxWritten)
        hold();
}

void BoardFocus::afterPaint(GameTable::Changes what)
{
    if ((what & GameTable::Settled) && holding() && !table_.isComputer(table_.playerInTurn())) {
        // The person chooses a category now: the focus goes to the first free box once the
        // roll is heard, unless the person has moved it meanwhile.
        announcer_.afterTold(this, [this] {
            if (QWidget* box = holding() ? nextForTab(*holder_) : nullptr)
                box->setFocus(Qt::OtherFocusReason);
        });
    }
    if (what & (GameTable::Seated | GameTable::Passed)) {
        // Every turn starts at the roll button, once the write that ended the last is heard.
        announcer_.afterTold(this, [this] {
            if (roller_)
                roller_->setFocus(Qt::OtherFocusReason);
        });
    }
}
