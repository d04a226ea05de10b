// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

#include "rules/GameState.h"

namespace rules {

// Works out from DiceValue what each of the fifteen categories would score now.
void ClearEvaluation(GameState& state);
void CountFaces(GameState& state);
void EvaluateDice(GameState& state);                            // ClearEvaluation, CountFaces, then the rules in order
std::int16_t CandidateOf(const GameState& state, int category); // 1..15 -> its candidate

} // namespace rules

// The evaluation as the main window and outside checks call it.
using rules::CandidateOf;
using rules::EvaluateDice;
