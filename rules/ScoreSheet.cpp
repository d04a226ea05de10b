// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/ScoreSheet.h"

#include <limits>

namespace rules {

int upperSum(const GameState& state, int player)
{
    int sum = 0;
    for (int c = 1; c <= 6; ++c)
        if (state.Points[player][c] != GameState::kFree)
            sum += state.Points[player][c];
    return sum;
}

int bonusDue(const GameState& state, int player)
{
    if (state.Points[std::size_t(player)][GameState::kBonusRow] != 0)
        return 0;
    return upperBonus(0, upperSum(state, player));
}

bool allCategoriesUsed(const GameState& state)
{
    for (int p = 1; p <= state.NumPlayers; ++p)
        for (int c = 1; c <= GameState::kCategories; ++c)
            if (state.Points[p][c] == GameState::kFree)
                return false;
    return true;
}

std::int64_t leadingNumber(QStringView caption)
{
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    std::int64_t value = 0;
    for (QChar ch : caption) {
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
            break;
        const int digit = ch.unicode() - '0';
        if (value > (kMax - digit) / 10)
            return kMax;
        value = value * 10 + digit;
    }
    return value;
}

int winnerAmong(std::span<const std::int64_t> totals)
{
    int winner = 1;
    for (std::size_t i = 1; i < totals.size(); ++i)
        if (totals[i] > totals[static_cast<std::size_t>(winner - 1)])
            winner = static_cast<int>(i) + 1;
    return winner;
}

} // namespace rules
