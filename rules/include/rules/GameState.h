// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cstdint>
#include <QString>

namespace rules {

// Everything that describes a game in progress. A plain value: the turn flow (GameFlow.h)
// changes it, the main window owns it and paints it.
struct GameState {
    static constexpr int kDice = 5;
    static constexpr int kCategories = 15;
    static constexpr int kMaxPlayers = 6;
    static constexpr int kBonusRow = 16;
    static constexpr int kTotalRow = 17;
    static constexpr std::int16_t kFree = 100; // no candidate can be 100: the largest is 50

    std::int16_t NumPlayers = 0;
    std::int16_t CurrentPlayer = 0;
    std::int16_t RollCount = 0;
    bool HasRolled = false;
    bool Rolling = false; // the dice tumble; the window's animation sets and clears it

    std::array<bool, kDice> DiceFree{};          // 0..4
    std::array<std::int16_t, kDice> DiceValue{}; // 0..4; 0 = no face yet this turn
    std::array<std::int16_t, 7> FaceCount{};     // 1..6; [0] unused

    std::int16_t valEttor = 0;
    std::int16_t valTvaor = 0;
    std::int16_t valTreor = 0;
    std::int16_t valFyror = 0;
    std::int16_t valFemmor = 0;
    std::int16_t valSexor = 0;
    std::int16_t valPar = 0;
    std::int16_t valTvaPar = 0;
    std::int16_t valTriss = 0;
    std::int16_t valFyrtal = 0;
    std::int16_t valKak = 0;
    std::int16_t valLillan = 0;
    std::int16_t valStoran = 0;
    std::int16_t valChans = 0;
    std::int16_t valKolvo = 0;

    // Points[player 1..6][row 1..17]; index 0 of either dimension is unused.
    // Rows 1..15 hold a category's points or kFree, 16 the bonus, 17 the total.
    std::array<std::array<std::int16_t, 18>, 7> Points{};

    // Names[player 1..6], as the players gave them; the window's captions show them.
    std::array<QString, kMaxPlayers + 1> Names{};

    bool operator==(const GameState&) const = default;
};

} // namespace rules

// The state's name as the rest of the program and outside checks know it.
using rules::GameState;
