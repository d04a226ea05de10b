// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <QObject>
#include <QTimer>

#include "arena/SeatPlan.h"
#include "arena/GameTable.h"
#include "rules/Strategy.h"

class RandomSource;
namespace rules {
class SolverTableProvider;
}

// The computer players of one game, in their seats at the game table. Each of their moves is
// a call on the table, as a person's click or key is, made a pause after the table last
// changed, so a person can follow it. Its write stays on the board for at least a second
// before it passes the turn. It reads the table's state and knows no window. A step planned
// in one game is refused by the table once another has begun or the program exits.
class ComputerTurn : public QObject {
    Q_OBJECT
public:
    // Between a change on the board and the computer's next move, by pace. At "Normal" about
    // half a second; "Snabb" plays a turn in about two seconds, the rolls' animation kept.
    static constexpr int pauseMs(Pace pace) { return pace == Pace::Fast ? 90 : pace == Pace::Slow ? 1000 : 500; }
    // How long a written category stays on the board before the turn passes: over a second
    // at every pace, so that a person sees it whatever moment they look.
    static constexpr int writtenShownMs(Pace pace) { return pauseMs(pace) > 1200 ? pauseMs(pace) : 1200; }

    ComputerTurn(GameTable& table, rules::SolverTableProvider& tables, RandomSource& random, rules::Strength strength,
                 Pace pace = Pace::Normal);

    rules::Strength strength() const { return strength_; }
    Pace pace() const { return pace_; }
    // A move is waiting for its pause or for the solver's table.
    bool pending() const { return pause_.isActive() || waitingForTable_; }
    // The game it was seated in.
    int gameId() const { return gameId_; }
    // The computer's next move, at once: what the pause ends in.
    void step();
    // What else the first move of its turn waits for, as every move waits for a box to go:
    // the words that end the turn before (a person's write), which a screen reader is to
    // take in before the computer's dice tumble.
    void waitWhile(std::function<bool()> busy) { busy_ = std::move(busy); }
    // The board is as it was before a new game was given up: the next move is planned again.
    void resume()
    {
        marked_ = false; // the mark went with the cancelled game's table
        boardChanged({});
    }

signals:
    // The computer waits for the solver's table before its move, or has stopped waiting.
    void thinking(bool waiting);

private:
    void boardChanged(GameTable::Changes what);
    void wait(int ms);
    bool stale() const;
    bool inTurn() const;
    void decide();

    GameTable& table_;
    rules::SolverTableProvider& solver_;
    RandomSource& random_;
    rules::Strength strength_ = rules::Strength::Perfect;
    Pace pace_ = Pace::Normal;
    int gameId_ = 0;
    bool waitingForTable_ = false;
    QTimer pause_;
    std::optional<rules::Move> decision_; // for the dice on the table, taken once per roll
    bool marked_ = false;                 // the category it writes is marked on the board
    std::function<bool()> busy_;
};
