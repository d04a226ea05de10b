// SPDX-License-Identifier: GPL-3.0-or-later
// The solver's rankings for the end-to-end tests, which read a computer player's moves off
// the board and need to know whether each was the best. Solves the whole-game table, prints
// "ready", then answers one line per question:
//   <used mask> <upper sum> <points> <five faces> <rolls left 0..2>
// with every hold (its kept faces sorted, "-" for none, and its expected final score) when
// rolls are left, then every category (its number and expected final score), then "end".
#include <algorithm>
#include <cstdio>
#include <iostream>
#include <string>

#include "rules/Solver.h"

int main()
{
    const auto table = rules::SolverTable::solve();
    if (!table)
        return 1;
    std::cout << "ready" << std::endl;
    rules::SheetPosition position;
    rules::Dice dice{};
    int rollsLeft = 0;
    while (std::cin >> position.used >> position.upperSum >> position.points >> dice[0] >> dice[1] >> dice[2] >> dice[3]
           >> dice[4] >> rollsLeft) {
        const rules::TurnPlan plan(*table, position);
        if (rollsLeft > 0)
            for (const rules::HoldChoice& h : plan.rankHolds(dice, rollsLeft)) {
                std::string kept;
                for (int i = 0; i < GameState::kDice; ++i)
                    if (h.kept & (1u << i))
                        kept += char('0' + dice[std::size_t(i)]);
                std::sort(kept.begin(), kept.end());
                std::printf("hold %s %.9f\n", kept.empty() ? "-" : kept.c_str(), h.expectedFinal);
            }
        for (const rules::CategoryChoice& c : plan.rankCategories(dice))
            std::printf("category %d %.9f\n", c.category, c.expectedFinal);
        std::printf("end\n");
        std::fflush(stdout);
    }
    return 0;
}
