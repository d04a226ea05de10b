// SPDX-License-Identifier: GPL-3.0-or-later
#include "arena/ComputerTurn.h"

#include <QApplication>

#include "arena/KolvoArena.h"
#include "platform/Random.h"
#include "rules/GameFlow.h"
#include "rules/Solver.h"
#include "rules/SolverCache.h"

ComputerTurn::ComputerTurn(KolvoArena& seat, rules::TableProvider& tables, RandomSource& random,
                           rules::Strength strength, Pace pace)
    : QObject(&seat), seat_(seat), tables_(tables), random_(random), strength_(strength), pace_(pace),
      gameId_(seat.gameId())
{
    pause_.setSingleShot(true);
    pause_.setInterval(pauseMs(pace));
    connect(&pause_, &QTimer::timeout, this, &ComputerTurn::step);
    connect(&seat_, &KolvoArena::gameChanged, this, &ComputerTurn::boardChanged);
    connect(&seat_, &GameWindow::exitRequested, this, [this] {
        dropped_ = true;
        boardChanged();
    });
    connect(&tables_, &rules::TableProvider::tableReady, this, [this] {
        if (!std::exchange(waitingForTable_, false))
            return;
        emit thinking(false);
        boardChanged();
    });
    tables_.request(); // while the people take their first turns
}

bool ComputerTurn::stale() const
{
    return dropped_ || seat_.gameId() != gameId_;
}

bool ComputerTurn::inTurn() const
{
    const GameState& s = seat_.state;
    return s.NumPlayers > 0 && seat_.isComputer(s.CurrentPlayer + 1) && !rules::gameOver(s);
}

void ComputerTurn::boardChanged()
{
    if (stale()) {
        pause_.stop();
        if (std::exchange(waitingForTable_, false))
            emit thinking(false);
        deleteLater();
        return;
    }
    // A roll in progress ends in one more change; the pause starts from there.
    if (!inTurn() || seat_.diceRolling() || waitingForTable_)
        pause_.stop();
    else if (!pause_.isActive())
        pause_.start();
}

void ComputerTurn::step()
{
    if (stale() || !inTurn() || seat_.diceRolling())
        return;
    if (QApplication::activeModalWidget()) {
        // A box waits for a person's answer (the help, or whether to give the game up): the
        // board stays as it is until the box has gone, as it would for a person.
        pause_.start();
        return;
    }
    const GameState& s = seat_.state;
    if (!s.HasRolled) {
        decision_.reset();
        marked_ = false;
        seat_.rollAsPlayer();
        return;
    }
    if (!tables_.ready()) {
        // The window goes on; the move is made when the table is there.
        waitingForTable_ = true;
        emit thinking(true);
        tables_.request();
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
            seat_.markChoice(category);
            pause_.start();
            return;
        }
        decision_.reset();
        marked_ = false;
        seat_.writeAsPlayer(category);
        return;
    }
    for (int i = 0; i < GameState::kDice; ++i) {
        const bool want = decision_->kept & (1u << i);
        if (want == s.DiceFree[std::size_t(i)]) { // held when free is false
            seat_.holdAsPlayer(i);
            return; // one die a move, so each hold can be seen
        }
    }
    decision_.reset();
    seat_.rollAsPlayer();
}

void ComputerTurn::decide()
{
    const GameState& s = seat_.state;
    const int player = s.CurrentPlayer + 1;
    const rules::TurnPlan plan(*tables_.table(), rules::sheetPositionOf(s, player));
    const int rollsLeft = rules::kRollsPerTurn - rules::rollsDoneOf(s);
    // Perfect play draws nothing, so it leaves the dice's sequence alone.
    decision_ = rules::chooseMove(rules::choicesFor(plan, rules::diceOf(s), rollsLeft), rules::temperatureOf(strength_),
                                  [this] { return double(random_.next()); });
    if (decision_->write && decision_->category == 0) {
        // Only a sheet no game can make has no values; the first free row ends the turn.
        int free = 1;
        while (free < GameState::kCategories && !rules::categoryFree(s, player, free))
            ++free;
        decision_->category = free;
    }
}
