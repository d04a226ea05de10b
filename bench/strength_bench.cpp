// SPDX-License-Identifier: GPL-3.0-or-later
// The computer players' strengths, measured: seeded solitaire games played with the rules
// alone at each strength, the mean final score with its standard error against the goal of
// that strength; and the time one decision takes with the table loaded.
//
//   strength_bench                 the benchmarks, then 40 000 games per strength
//   strength_bench --scan          the mean final score over a range of temperatures, the
//                                  measurement the temperatures in rules/Strategy.cpp come from
#include <functional>
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>

#include "SoloGames.h"
#include "rules/Solver.h"
#include "rules/Strategy.h"

namespace {

const rules::SolverTable& wholeTable()
{
    static const rules::SolverTable table = *rules::SolverTable::solve();
    return table;
}

solo::MeanScore measure(double temperature, int games, std::uint32_t seed)
{
    return solo::meanScore(wholeTable(), temperature, games, seed);
}

// A sheet in the middle of a game, its second roll: what one decision of a computer costs.
void BM_ComputerDecision(benchmark::State& st)
{
    const auto& table = wholeTable();
    const rules::SheetPosition position{0b100'0101'0101, 27, 74};
    const rules::Dice dice{6, 6, 2, 5, 6};
    const std::function<double()> draw = [] { return 0.37; };
    const double temperature = rules::temperatureOf(rules::Strength::Medium);
    for (auto _ : st) {
        const rules::TurnPlan plan(table, position);
        benchmark::DoNotOptimize(rules::chooseMove(rules::choicesFor(plan, dice, 2), temperature, draw).kept);
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
            const solo::MeanScore m = measure(t, kScanGames, 7u);
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
        const solo::MeanScore m = measure(rules::temperatureOf(goal.strength), kGames, 20240613u);
        const bool within = m.mean >= goal.low && m.mean <= goal.high;
        pass = pass && within;
        std::printf("%-10s temperature %4.2f: mean %.2f ± %.2f over %d games, goal %.2f–%.2f: %s\n", goal.name,
                    rules::temperatureOf(goal.strength), m.mean, m.standardError, kGames, goal.low, goal.high,
                    within ? "PASS" : "FAIL");
    }
    return pass ? 0 : 1;
}
