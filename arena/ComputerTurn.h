// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <optional>
#include <QObject>
#include <QTimer>

#include "arena/ComputerSeats.h"
#include "rules/Strategy.h"

class KolvoArena;
class RandomSource;
namespace rules {
class TableProvider;
}

// The computer players of one game, in their seats. Each of their moves goes through the
// window's player face, as a person's click or key does (rollAsPlayer, holdAsPlayer,
// writeAsPlayer), made a pause after the board last changed, so a person can follow it. It
// reads the game's state and touches no control of the window. A step planned in one game
// is dropped as soon as that game ends, another begins or the program exits.
class ComputerTurn : public QObject {
    Q_OBJECT
public:
    // Between a change on the board and the computer's next move, by pace. At "Normal" about
    // half a second; "Snabb" plays a turn in about two seconds, the rolls' animation kept.
    static constexpr int pauseMs(Pace pace) { return pace == Pace::Fast ? 90 : pace == Pace::Slow ? 1000 : 500; }

    ComputerTurn(KolvoArena& seat, rules::TableProvider& tables, RandomSource& random, rules::Strength strength,
                 Pace pace = Pace::Normal);

    rules::Strength strength() const { return strength_; }
    Pace pace() const { return pace_; }
    // A move is waiting for its pause or for the solver's table.
    bool pending() const { return pause_.isActive() || waitingForTable_; }
    // The computer's next move, at once: what the pause ends in.
    void step();
    // The board is as it was before a new game was given up: the next move is planned again.
    void resume()
    {
        marked_ = false; // the mark went with the cancelled game's table
        boardChanged();
    }

signals:
    // The computer waits for the solver's table before its move, or has stopped waiting.
    void thinking(bool waiting);

private:
    void boardChanged();
    bool stale() const;
    bool inTurn() const;
    void decide();

    KolvoArena& seat_;
    rules::TableProvider& tables_;
    RandomSource& random_;
    rules::Strength strength_ = rules::Strength::Perfect;
    Pace pace_ = Pace::Normal;
    int gameId_ = 0;
    bool dropped_ = false; // the program is ending
    bool waitingForTable_ = false;
    QTimer pause_;
    std::optional<rules::Move> decision_; // for the dice on the table, taken once per roll
    bool marked_ = false;                 // the category it writes is marked on the board
};
