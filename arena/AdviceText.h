// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

#include "rules/Solver.h"

namespace texts {

// The coach's advice for a player's situation, in Swedish, several lines: the best choice,
// then the two next best, each with its expected final score. rollsDone 0..3 (see
// rules::rollsDoneOf).
QString adviceText(const rules::SolverTable& table, const GameState& state, int player, int rollsDone);

} // namespace texts
