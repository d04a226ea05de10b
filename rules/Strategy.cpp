// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/Strategy.h"

#include <cmath>
#include <vector>

namespace rules {

double temperatureOf(Strength strength)
{
    // Read off `strength_bench --scan` (mean final score against temperature, 2 000 games a
    // point: 0.5 gives 240.0, 0.6 237.6, 1.0 222.5, 1.8 197.0, 2.0 189.6), each near the middle
    // of its strength's goal; `strength_bench` checks them on 40 000 games each.
    switch (strength) {
    case Strength::Beginner:
        return 1.85;
    case Strength::Medium:
        return 1.0;
    case Strength::Hard:
        return 0.55;
    case Strength::Perfect:
        break;
    }
    return 0.0;
}

std::size_t chooseAmong(std::span<const double> expectedFinals, double temperature, double draw)
{
    if (expectedFinals.size() < 2 || !(temperature > 0))
        return 0;
    // Weights relative to the best, so the largest is 1 and nothing overflows.
    std::vector<double> weights(expectedFinals.size());
    double total = 0;
    for (std::size_t i = 0; i < expectedFinals.size(); ++i) {
        weights[i] = std::exp((expectedFinals[i] - expectedFinals[0]) / temperature);
        total += weights[i];
    }
    double mark = draw * total;
    for (std::size_t i = 0; i < weights.size(); ++i) {
        if (mark < weights[i])
            return i;
        mark -= weights[i];
    }
    return weights.size() - 1; // rounding at draws next to 1
}

namespace {
template <typename Choice> std::size_t indexAt(const std::vector<Choice>& ranked, double temperature, double draw)
{
    std::vector<double> values;
    values.reserve(ranked.size());
    for (const Choice& c : ranked)
        values.push_back(c.expectedFinal);
    return chooseAmong(values, temperature, draw);
}

} // namespace

Move chooseMove(const Choices& choices, double temperature, const std::function<double()>& draw)
{
    const auto drawn = [&] { return temperature > 0 ? draw() : 0.0; };
    if (!choices.holds.empty()) {
        const HoldChoice& hold = choices.holds[indexAt(choices.holds, temperature, drawn())];
        if (hold.keptCount < GameState::kDice)
            return {.write = false, .kept = hold.kept, .category = 0, .points = 0};
    }
    if (choices.categories.empty())
        return {.write = true, .kept = 0, .category = 0, .points = 0};
    const CategoryChoice& c = choices.categories[indexAt(choices.categories, temperature, drawn())];
    return {.write = true, .kept = 0, .category = c.category, .points = c.pointsNow};
}

} // namespace rules
