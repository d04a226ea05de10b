// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <QString>

#include "arena/KolvoArena.h"

// What a new game changes before its names are in: the state and every control that
// ResetGame touches.
struct KolvoArena::TableSnapshot {
    GameState state;
    rules::DecisionLog decisions; // what the review judges of the game given up or kept
    int gameId = 0;
    bool rolling = false;
    bool rollerEnabled = false;
    QString rollerText;
    std::array<QString, GameState::kMaxPlayers + 1> names{};
    std::array<QString, GameState::kMaxPlayers + 1> sums{};
    std::array<QString, GameState::kCategories + 1> scores{};
    std::array<bool, GameState::kCategories + 1> ticked{};
    std::array<bool, GameState::kCategories + 1> enabled{};
    std::array<bool, GameState::kDice> held{};
    std::array<QString, GameState::kDice> dieTips{};
};
