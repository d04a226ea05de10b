// SPDX-License-Identifier: GPL-3.0-or-later
// The computer players' strengths, measured: seeded solitaire games played with the rules
// alone at each strength, the mean final score with its standard error against the goal of
// that strength; and the time one decision takes with the table loaded.
//
//   strength_bench                 the benchmarks, then 40 000 games per strength
//   strength_bench --scan          the mean final score over a range of temperatures, the
//                                  measurement the temperatures in rules/Strategy.cpp come from
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>

#include "rules/ScoreSheet.h"
#include "rules/Solver.h"
#include "rules/Strategy.h"

namespace {

const rules::SolverTable& wholeTable()
{
    static const rules::SolverTable table = *rules::SolverTable::solve();
    return table;
}

struct Measured {
    double mean = 0;
    double standardError = 0;
};

template <typename Choice> Choice choose(const std::vector<Choice>& ranked, double temperature, double draw)
{
    std::vector<double> values;
    values.reserve(ranked.size());
    for (const Choice& c : ranked)
        values.push_back(c.expectedFinal);
    return ranked[rules::chooseAmong(values, temperature, draw)];
}

// A game as a computer player plays its own sheet: the hold after each roll, scoring at once
// when the hold taken keeps all five, and the category; every choice by the strategy's softmax
// at the temperature (rules::chooseHold and chooseCategory at a strength are exactly this at
// the strength's temperature).
int playGame(const rules::SolverTable& table, double temperature, std::mt19937& generator)
{
    std::uniform_int_distribution<int> face(1, 6);
    std::uniform_real_distribution<double> draw(0.0, 1.0);
    rules::SheetPosition position;
    for (int turn = 0; turn < GameState::kCategories; ++turn) {
        const rules::TurnPlan plan(table, position);
        rules::Dice dice;
        for (int& d : dice)
            d = face(generator);
        for (int rollsLeft = 2; rollsLeft >= 1; --rollsLeft) {
            const rules::HoldChoice hold = choose(plan.rankHolds(dice, rollsLeft), temperature, draw(generator));
            if (hold.keptCount == GameState::kDice)
                break;
            for (int i = 0; i < GameState::kDice; ++i)
                if (!(hold.kept & (1u << i)))
                    dice[std::size_t(i)] = face(generator);
        }
        const rules::CategoryChoice choice = choose(plan.rankCategories(dice), temperature, draw(generator));
        if (choice.category <= 6) {
            position.points += rules::upperBonus(position.upperSum, choice.pointsNow);
            position.upperSum += choice.pointsNow;
        }
        position.points += choice.pointsNow;
        position.used |= rules::CategoryMask(1u << (choice.category - 1));
    }
    return position.points;
}

Measured measure(double temperature, int games, std::uint32_t seed)
{
    std::mt19937 generator(seed);
    double sum = 0;
    double sumOfSquares = 0;
    for (int g = 0; g < games; ++g) {
        const double points = playGame(wholeTable(), temperature, generator);
        sum += points;
        sumOfSquares += points * points;
    }
    Measured m;
    m.mean = sum / games;
    m.standardError = std::sqrt((sumOfSquares - sum * m.mean) / (games - 1) / games);
    return m;
}

// A sheet in the middle of a game, its second roll: what one decision of a computer costs.
void BM_ComputerDecision(benchmark::State& st)
{
    const auto& table = wholeTable();
    const rules::SheetPosition position{0b100'0101'0101, 27, 74};
    const rules::Dice dice{6, 6, 2, 5, 6};
    double d = 0.37;
    for (auto _ : st) {
        const rules::TurnPlan plan(table, position);
        benchmark::DoNotOptimize(rules::chooseHold(plan.rankHolds(dice, 2), rules::Strength::Medium, d).kept);
        benchmark::DoNotOptimize(rules::chooseCategory(plan.rankCategories(dice), rules::Strength::Medium, d));
    }
}
BENCHMARK(BM_ComputerDecision)->Unit(benchmark::kMicrosecond);

struct Goal {
    rules::Strength strength;
    const char* name;
    double low;
    double high;
};
constexpr Goal kGoals[] = {
    {rules::Strength::Beginner, "Nybörjare", 185, 205},
    {rules::Strength::Medium, "Medel", 215, 228},
    {rules::Strength::Hard, "Svår", 235, 242},
    {rules::Strength::Perfect, "Perfekt", 248.44 - 0.5, 248.44 + 0.5},
};

} // namespace

int main(int argc, char** argv)
{
    const bool scan = argc > 1 && std::strcmp(argv[1], "--scan") == 0;
    if (scan) {
        constexpr int kScanGames = 2000;
        for (double t : {0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1.0, 1.1, 1.2, 1.4, 1.6, 1.8, 2.0, 2.2, 2.5, 3.0}) {
            const Measured m = measure(t, kScanGames, 7u);
            std::printf("temperature %5.2f: mean %.2f ± %.2f over %d games\n", t, m.mean, m.standardError, kScanGames);
        }
        return 0;
    }

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    constexpr int kGames = 40000; // a standard error near 0.2, well inside the perfect goal's half point
    bool pass = true;
    for (const Goal& goal : kGoals) {
        const Measured m = measure(rules::temperatureOf(goal.strength), kGames, 20240613u);
        const bool within = m.mean >= goal.low && m.mean <= goal.high;
        pass = pass && within;
        std::printf("%-10s temperature %4.2f: mean %.2f ± %.2f over %d games, goal %.2f–%.2f: %s\n", goal.name,
                    rules::temperatureOf(goal.strength), m.mean, m.standardError, kGames, goal.low, goal.high,
                    within ? "PASS" : "FAIL");
    }
    return pass ? 0 : 1;
}
