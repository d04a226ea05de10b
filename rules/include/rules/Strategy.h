// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

#include "rules/Solver.h"

// How a computer player chooses among the solver's ranked choices. Perfect play takes the
// best every time; the weaker strengths draw a choice with a chance that falls off
// exponentially with the expected final points it gives up (a softmax over expected final
// scores), so small slips are common and large blunders rare.
namespace rules {

enum class Strength { Beginner, Medium, Hard, Perfect };
inline constexpr Strength kStrengths[] = {Strength::Beginner, Strength::Medium, Strength::Hard, Strength::Perfect};

// The softmax temperature of a strength, in points of expected final score; 0 for perfect
// play. Calibrated by bench/strength_bench.cpp against the mean final score each strength
// is meant to reach.
double temperatureOf(Strength strength);

// The index taken among choices whose expected final scores are given best first, at the
// temperature, for a draw in [0, 1). Temperature 0 (or less) takes index 0.
std::size_t chooseAmong(std::span<const double> expectedFinals, double temperature, double draw);

// A player's move in a turn: keep some dice and roll the others again, or write a category.
struct Move {
    bool write = false;
    std::uint8_t kept = 0; // a roll: bit i set, die i (0-based) stays
    int category = 0;      // a write: 1..15; 0 when the choices rank nothing
    int points = 0;        // what the category gives
};

// The move a player choosing at this temperature makes (0: always the best). draw() gives a
// number in [0, 1) and is asked only for a choice drawn at a temperature above 0, so perfect
// play leaves a sequence of random numbers alone. The computer players and the benchmarks
// that calibrate their strengths both play through this.
Move chooseMove(const Choices& choices, double temperature, const std::function<double()>& draw);

} // namespace rules
