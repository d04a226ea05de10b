// SPDX-License-Identifier: GPL-3.0-or-later
#include "arena/ComputerTurn.h"

#include <QApplication>

#include "arena/GameTable.h"
#include "platform/Random.h"
#include "rules/GameFlow.h"
#include "rules/Solver.h"
#include "rules/SolverCache.h"

ComputerTurn::ComputerTurn(GameTable& table, rules::SolverTableProvider& solver, RandomSource& random,
                           rules::Strength strength, Pace pace)
    : QObject(&table), table_(table), solver_(solver), random_(random), strength_(strength), pace_(pace),
      gameId_(table.gameId())
{
    pause_.setSingleShot(true);
    pause_.setTimerType(Qt::PreciseTimer); // a write is seen for its whole second, never less
    connect(&pause_, &QTimer::timeout, this, &ComputerTurn::step);
    connect(&table_, &GameTable::changed, this, &ComputerTurn::boardChanged);
    connect(&solver_, &rules::SolverTableProvider::tableReady, this, [this] {
        if (!std::exchange(waitingForTable_, false))
            return;
        emit thinking(false);
        boardChanged({});
    });
    solver_.request(); // while the people take their first turns
}

bool ComputerTurn::stale() const
{
    return table_.gameId() != gameId_;
}

bool ComputerTurn::inTurn() const
{
    const GameState& s = table_.state();
    return s.NumPlayers > 0 && table_.isComputer(table_.playerInTurn()) && !rules::gameOver(s);
}

void ComputerTurn::wait(int ms)
{
    pause_.setInterval(ms);
    pause_.start();
}

void ComputerTurn::boardChanged(GameTable::Changes what)
{
    if (stale()) {
        pause_.stop();
        if (std::exchange(waitingForTable_, false))
            emit thinking(false);
        return;
    }
    // A roll in progress ends in one more change; the pause starts from there. A written
    // category is seen for longer before the turn passes.
    if (what.testFlag(GameTable::Written) && table_.isComputer(table_.playerInTurn()))
        wait(writtenShownMs(pace_)); // from the moment it is written
    else if (!inTurn() || table_.rolling() || waitingForTable_)
        pause_.stop();
    else if (!pause_.isActive())
        wait(pauseMs(pace_));
}

void ComputerTurn::step()
{
    const Mover me = Mover::computerOf(gameId_);
    if (stale() || table_.rolling())
        return;
    const bool turnBegins = inTurn() && rules::rollsMade(table_.state()) == 0;
    if (QApplication::activeModalWidget() || (turnBegins && busy_ && busy_())) {
        // A box waits for a person's answer (the help, or whether to give the game up): the
        // board stays as it is until the box has gone, as it would for a person. A turn
        // begins once the words that ended the last are taken in.
        pause_.start();
        return;
    }
    if (table_.turnWritten()) {
        table_.passTurn(me);
        return;
    }
    if (!inTurn())
        return;
    const GameState& s = table_.state();
    if (!s.HasRolled) {
        decision_.reset();
        marked_ = false;
        table_.roll(me);
        return;
    }
    if (!solver_.ready()) {
        // The window goes on; the move is made when the table is there.
        waitingForTable_ = true;
        emit thinking(true);
        solver_.request();
        return;
    }
    if (std::exchange(waitingForTable_, false)) // ready before its announcement came
        emit thinking(false);
    if (!decision_)
        decide();
    if (decision_->write) {
        const int category = decision_->category;
        if (!std::exchange(marked_, true)) {
            // Its choice stays in sight for a pause before it is written.
            table_.mark(me, category);
            pause_.start();
            return;
        }
        decision_.reset();
        marked_ = false;
        table_.write(me, category);
        return;
    }
    for (int i = 0; i < GameState::kDice; ++i) {
        const bool want = decision_->kept & (1u << i);
        if (want == s.DiceFree[std::size_t(i)]) { // held when free is false
            table_.hold(me, i);
            return; // one die a move, so each hold can be seen
        }
    }
    decision_.reset();
    table_.roll(me);
}

void ComputerTurn::decide()
{
    const GameState& s = table_.state();
    const int player = table_.playerInTurn();
    const rules::TurnPlan plan(*solver_.table(), rules::sheetPositionOf(s, player));
    // Perfect play draws nothing, so it leaves the dice's sequence alone.
    decision_ = rules::chooseMove(rules::choicesFor(plan, rules::diceOf(s), rules::rollsLeft(s)),
                                  rules::temperatureOf(strength_), [this] { return double(random_.next()); });
    if (decision_->write && decision_->category == 0) {
        // Only a sheet no game can make has no values; the first free row ends the turn.
        int free = 1;
        while (free < GameState::kCategories && !rules::categoryFree(s, player, free))
            ++free;
        decision_->category = free;
    }
}
