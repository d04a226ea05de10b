// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <optional>
#include <QObject>
#include <QTimer>

#include "rules/Strategy.h"

class KolvoArena;
namespace rules {
class TableProvider;
}

// The computer players of one game. Each of their moves is one press of the window's own
// handlers (Roller_Click, then the animation on Timer1; DicePic_Click; a click on a category
// box), made a pause after the board last changed, so a person can follow it. A step planned
// in one game is dropped as soon as that game ends, another begins or the program exits.
class ComputerTurn : public QObject {
    Q_OBJECT
public:
    // Between a change on the board and the computer's next move: about half a second.
    static constexpr int kPauseMs = 500;

    ComputerTurn(KolvoArena& arena, rules::TableProvider& tables, rules::Strength strength);

    rules::Strength strength() const { return strength_; }
    // A move is waiting for its pause or for the solver's table.
    bool pending() const { return pause_.isActive() || waitingForTable_; }
    // The computer's next move, at once: what the pause ends in.
    void step();
    // The board is as it was before a new game was given up: the next move is planned again.
    void resume() { boardChanged(); }

private:
    struct Decision {
        bool score = false;    // choose a category now, or
        std::uint8_t kept = 0; // hold these dice (bit i: die i) and roll again
        int category = 0;
    };

    void boardChanged();
    bool stale() const;
    bool inTurn() const;
    void decide();
    double draw();
    void showThinking(bool thinking);

    KolvoArena& arena_;
    rules::TableProvider& tables_;
    rules::Strength strength_ = rules::Strength::Perfect;
    int gameId_ = 0;
    bool dropped_ = false; // the program is ending
    bool waitingForTable_ = false;
    QTimer pause_;
    std::optional<Decision> decision_; // for the dice on the table, taken once per roll
};
