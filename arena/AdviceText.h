// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QList>
#include <QString>

#include "rules/Solver.h"
#include "ui/CoachPanel.h"

namespace rules {
class SolverTableProvider;
}

namespace texts {

// The coach's advice for a player's situation, in Swedish: either the best choice and the
// two next best, best first, each with its expected final score ("270,1"), or, with no
// rows, a note that says why there is nothing to rank.
struct Advice {
    QString heading; // whose advice
    QString note;
    QList<CoachPanel::Row> rows;
};

// rollsLeft 0..3 (see rules::rollsLeft); 3: not rolled yet.
Advice adviceText(const rules::SolverTable& table, const GameState& state, int player, int rollsLeft);

// The advice for the player in turn, their own sheet taken as a game of one, or why there is
// none yet (no game, the table still read or worked out, the dice rolling).
Advice coachAdvice(const rules::SolverTableProvider& tables, const GameState& state);

// The widest a row's move can be: what a panel of advice must make room for.
QString widestAdvice();

} // namespace texts
