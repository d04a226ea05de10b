// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <span>
#include <QStringView>

#include "rules/GameState.h"

namespace rules {

inline constexpr int kBonusThreshold = 63;
inline constexpr int kBonusPoints = 50;

// The bonus that points written into an upper row earn when the upper rows held
// upperBefore: the 50 come once, with the score that reaches the threshold.
constexpr int upperBonus(int upperBefore, int points)
{
    return upperBefore < kBonusThreshold && upperBefore + points >= kBonusThreshold ? kBonusPoints : 0;
}

// Sum of a player's upper-section rows (1..6), leaving out the rows not used yet.
int upperSum(const GameState& state, int player);

// The bonus a player earns now that a score is written: the 50 once the upper rows reach
// the threshold, unless the sheet has it already.
int bonusDue(const GameState& state, int player);

// True when every player of the game has used all fifteen categories.
bool allCategoriesUsed(const GameState& state);

// The value of a label: its leading decimal number, 0 when it has none. Saturates
// instead of overflowing, so an absurd stored record is simply unbeatable.
std::int64_t leadingNumber(QStringView caption);

// Player number (1-based) with the highest total; among equal totals the lowest number.
int winnerAmong(std::span<const std::int64_t> totals);

} // namespace rules
