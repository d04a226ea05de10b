// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <vector>

#include "ui/HelpWindow.h"

namespace texts {

// What a strength (index in rules::Strength's order) means, with its mean final score.
QString strengthSummary(std::size_t strength);

// "Fil → Tangenter och tillägg…": every key, and what the program adds to the game, in the
// order the window shows them.
std::vector<ui::HelpRow> keysAndAdditions();

} // namespace texts
