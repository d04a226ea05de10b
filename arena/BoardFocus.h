// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <QPointer>

#include "arena/GameTable.h"

class Announcer;
class QWidget;

// Where the main window's keyboard focus goes when the game, not the player, moves it, and
// when. A screen reader reads the control the focus lands on at once, and the sentence that
// tells the move only after it: a roll button disabled by the third roll, or a category box
// written, would hand the focus on before the roll or the write is heard. Such a control
// first hands the focus to the board's client area, which a screen reader reads as nothing
// and which takes no Tab; the focus goes on from there once the announcer has told what the
// move said: to the first free box after a person's third roll, to the roll button as a turn
// begins.
class BoardFocus : public QObject {
public:
    // holder: the client area, which owns this; roller: the roll button, the first control in
    // the focus order.
    BoardFocus(QWidget& holder, QWidget& roller, Announcer& announcer, const GameTable& table);

    // Before the board is painted for a change of the table.
    void beforePaint(GameTable::Changes what);
    // After it is painted.
    void afterPaint(GameTable::Changes what);

private:
    void hold();
    bool holding() const; // the client area holds the focus
    QWidget* focused() const;

    QPointer<QWidget> holder_;
    QPointer<QWidget> roller_;
    Announcer& announcer_;
    const GameTable& table_;
};
