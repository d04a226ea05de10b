// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cmath>
#include <functional>
#include <cstdint>
#include <random>
#include <vector>

#include "rules/GameFlow.h"
#include "rules/Solver.h"
#include "rules/Strategy.h"

// Seeded solitaire games with the rules alone: every hold and category chosen among the
// solver's ranking by the computer players' softmax at a temperature (0: always the best).
namespace solo {

struct MeanScore {
    double mean = 0;
    double standardError = 0;
};

// One game's final score, every move chosen as the computer players choose theirs.
inline int playGame(const rules::SolverTable& table, double temperature, std::mt19937& generator)
{
    std::uniform_int_distribution<int> face(1, 6);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const std::function<double()> draw = [&] { return unit(generator); };
    rules::SheetPosition position;
    for (int turn = 0; turn < GameState::kCategories; ++turn) {
        const rules::TurnPlan plan(table, position);
        rules::Dice dice;
        for (int& d : dice)
            d = face(generator);
        for (int rollsLeft = rules::kRollsPerTurn - 1;; --rollsLeft) {
            const rules::Move move = rules::chooseMove(rules::choicesFor(plan, dice, rollsLeft), temperature, draw);
            if (move.write) {
                position.write(move.category, move.points);
                break;
            }
            for (int i = 0; i < GameState::kDice; ++i)
                if (!(move.kept & (1u << i)))
                    dice[std::size_t(i)] = face(generator);
        }
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
