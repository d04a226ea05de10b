// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <bitset>
#include <optional>
#include <QString>

#include "rules/GameState.h"
#include "rules/Strategy.h"

// How long a computer player pauses between its moves.
enum class Pace { Fast, Normal, Slow };

// The seats of a game settled before it starts: a name for each seat not to be asked for,
// and which seats a computer plays, at what strength. Empty for an ordinary game.
struct SeatPlan {
    std::array<std::optional<QString>, GameState::kMaxPlayers + 1> names{}; // 1..6
    std::bitset<GameState::kMaxPlayers + 1> computer;                       // 1..6
    rules::Strength strength = rules::Strength::Medium;
    Pace pace = Pace::Normal;
    int players = 0;               // in a game against the computer, people and computers
    bool discardConfirmed = false; // the running game's players agreed to give it up
};

// What the "Mot datorn" form asked last, offered again the next time within the run.
struct ComputerGameChoice {
    int people = 1;
    int computers = 1;
    rules::Strength strength = rules::Strength::Medium;
    Pace pace = Pace::Normal;
};
