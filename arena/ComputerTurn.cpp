// SPDX-License-Identifier: GPL-3.0-or-later
#include "arena/ComputerTurn.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>

#include "arena/ArenaTexts.h"
#include "arena/KolvoArena.h"
#include "platform/Random.h"
#include "rules/ScoreSheet.h"
#include "rules/Solver.h"
#include "rules/SolverCache.h"

ComputerTurn::ComputerTurn(KolvoArena& arena, rules::TableProvider& tables, rules::Strength strength)
    : QObject(&arena), arena_(arena), tables_(tables), strength_(strength), gameId_(arena.gameId())
{
    pause_.setSingleShot(true);
    pause_.setInterval(kPauseMs);
    connect(&pause_, &QTimer::timeout, this, &ComputerTurn::step);
    connect(&arena_, &KolvoArena::gameChanged, this, &ComputerTurn::boardChanged);
    connect(&arena_, &GameWindow::exitRequested, this, [this] {
        dropped_ = true;
        boardChanged();
    });
    connect(&tables_, &rules::TableProvider::tableReady, this, [this] {
        if (!std::exchange(waitingForTable_, false))
            return;
        showThinking(false);
        boardChanged();
    });
    tables_.request(); // while the people take their first turns
}

bool ComputerTurn::stale() const
{
    return dropped_ || arena_.gameId() != gameId_;
}

bool ComputerTurn::inTurn() const
{
    const GameState& s = arena_.state;
    return s.NumPlayers > 0 && arena_.isComputer(s.CurrentPlayer + 1) && !rules::allCategoriesUsed(s);
}

void ComputerTurn::boardChanged()
{
    if (stale()) {
        pause_.stop();
        if (std::exchange(waitingForTable_, false))
            showThinking(false);
        deleteLater();
        return;
    }
    // A roll in progress ends in one more change; the pause starts from there.
    if (!inTurn() || arena_.Timer1->isActive() || waitingForTable_)
        pause_.stop();
    else if (!pause_.isActive())
        pause_.start();
}

void ComputerTurn::step()
{
    if (stale() || !inTurn() || arena_.Timer1->isActive())
        return;
    if (QApplication::activeModalWidget()) {
        // A box waits for a person's answer (the help, or whether to give the game up): the
        // board stays as it is until the box has gone, as it would for a person.
        pause_.start();
        return;
    }
    const GameState& s = arena_.state;
    if (!s.HasRolled) {
        decision_.reset();
        if (arena_.Roller->isEnabled())
            arena_.Roller_Click();
        return;
    }
    if (!tables_.ready()) {
        // The window goes on; the move is made when the table is there.
        waitingForTable_ = true;
        showThinking(true);
        tables_.request();
        return;
    }
    if (std::exchange(waitingForTable_, false)) // ready before its announcement came
        showThinking(false);
    if (!decision_)
        decide();
    if (decision_->score) {
        const int category = decision_->category;
        decision_.reset();
        arena_.computerActing_ = true;
        arena_.ScoreVal[category]->click(); // ticks the box and notifies, as a person's click does
        arena_.computerActing_ = false;
        return;
    }
    for (int i = 0; i < GameState::kDice; ++i) {
        const bool want = decision_->kept & (1u << i);
        if (want == s.DiceFree[std::size_t(i)]) { // held when free is false
            arena_.DicePic_Click(std::int16_t(i));
            return; // one die a move, so each hold can be seen
        }
    }
    decision_.reset();
    arena_.Roller_Click();
}

void ComputerTurn::decide()
{
    const GameState& s = arena_.state;
    const rules::TurnPlan plan(*tables_.table(), rules::sheetPositionOf(s, s.CurrentPlayer + 1));
    const rules::Dice dice = rules::diceOf(s);
    const int rollsDone = rules::rollsDoneOf(s);
    const auto categories = plan.rankCategories(dice);
    if (categories.empty()) {
        // Only a sheet no game can make has no values; the first free row ends the turn.
        int free = 1;
        while (free < GameState::kCategories && s.Points[s.CurrentPlayer + 1][free] != GameState::kFree)
            ++free;
        decision_ = Decision{.score = true, .kept = 0, .category = free};
        return;
    }
    if (rollsDone < 3) {
        const rules::HoldChoice hold = rules::chooseHold(plan.rankHolds(dice, 3 - rollsDone), strength_, draw());
        if (hold.keptCount < GameState::kDice) {
            decision_ = Decision{.score = false, .kept = hold.kept, .category = 0};
            return;
        }
    }
    const rules::CategoryChoice choice = rules::chooseCategory(categories, strength_, draw());
    decision_ = Decision{.score = true, .kept = 0, .category = choice.category};
}

double ComputerTurn::draw()
{
    // Perfect play draws nothing, so it leaves the dice's sequence alone.
    return rules::drawsFor(strength_) ? double(arena_.services_.random->next()) : 0.0;
}

void ComputerTurn::showThinking(bool thinking)
{
    QPushButton* roller = arena_.Roller;
    roller->setToolTip(thinking ? texts::kComputerThinking.toString() : QString());
    roller->setAccessibleDescription((thinking ? texts::kComputerThinking : texts::kKeys).toString());
}
