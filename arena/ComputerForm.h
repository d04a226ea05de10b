// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>

#include "arena/SeatPlan.h"

class Dialogs;

// "Mot datorn…": how many people and computers, the computers' strength and pace, then the
// people's names. `last` is what the form offers, and becomes what was chosen on OK, also
// when a name prompt is cancelled after it. Nothing when anything is cancelled.
std::optional<SeatPlan> askComputerGame(Dialogs& dialogs, ComputerGameChoice& last);
