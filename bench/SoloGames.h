// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "rules/ScoreSheet.h"
#include "rules/Solver.h"
#include "rules/Strategy.h"

// Seeded solitaire games with the rules alone: every hold and category chosen among the
// solver's ranking by the computer players' softmax at a temperature (0: always the best).
namespace solo {

struct MeanScore {
    double mean = 0;
    double standardError = 0;
};

template <typename Choice> Choice choose(const std::vector<Choice>& ranked, double temperature, std::mt19937& generator)
{
    if (!(temperature > 0)) // perfect play draws nothing, so the dice's sequence is the same at any strength
        return ranked.front();
    std::vector<double> values;
    values.reserve(ranked.size());
    for (const Choice& c : ranked)
        values.push_back(c.expectedFinal);
    return ranked[rules::chooseAmong(values, temperature, std::uniform_real_distribution<double>(0.0, 1.0)(generator))];
}

// One game's final score. A hold that keeps all five scores at once.
inline int playGame(const rules::SolverTable& table, double temperature, std::mt19937& generator)
{
    std::uniform_int_distribution<int> face(1, 6);
    rules::SheetPosition position;
    for (int turn = 0; turn < GameState::kCategories; ++turn) {
        const rules::TurnPlan plan(table, position);
        rules::Dice dice;
        for (int& d : dice)
            d = face(generator);
        for (int rollsLeft = 2; rollsLeft >= 1; --rollsLeft) {
            const rules::HoldChoice hold = choose(plan.rankHolds(dice, rollsLeft), temperature, generator);
            if (hold.keptCount == GameState::kDice)
                break;
            for (int i = 0; i < GameState::kDice; ++i)
                if (!(hold.kept & (1u << i)))
                    dice[std::size_t(i)] = face(generator);
        }
        const rules::CategoryChoice choice = choose(plan.rankCategories(dice), temperature, generator);
        if (choice.category <= 6) {
            position.points += rules::upperBonus(position.upperSum, choice.pointsNow);
            position.upperSum += choice.pointsNow;
        }
        position.points += choice.pointsNow;
        position.used |= rules::CategoryMask(1u << (choice.category - 1));
    }
    return position.points;
}

inline MeanScore meanScore(const rules::SolverTable& table, double temperature, int games, std::uint32_t seed)
{
    std::mt19937 generator(seed);
    double sum = 0;
    double sumOfSquares = 0;
    for (int g = 0; g < games; ++g) {
        const double points = playGame(table, temperature, generator);
        sum += points;
        sumOfSquares += points * points;
    }
    MeanScore m;
    m.mean = sum / games;
    m.standardError = std::sqrt((sumOfSquares - sum * m.mean) / (games - 1) / games);
    return m;
}

} // namespace solo
