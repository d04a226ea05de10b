// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/GameFlow.h"

#include <algorithm>
#include <vector>

#include "rules/Evaluation.h"
#include "rules/ScoreSheet.h"
#include "rules/Solver.h"

namespace rules {

namespace {

void clearDice(GameState& state)
{
    state.Rolling = false;
    state.HasRolled = false;
    state.RollCount = 0;
    state.DiceFree.fill(true);
    state.DiceValue.fill(0);
}

// Who comes after the player in turn, counted from 0 as CurrentPlayer is.
std::int16_t nextInTurn(const GameState& state)
{
    return std::int16_t(state.CurrentPlayer + 1 >= state.NumPlayers ? 0 : state.CurrentPlayer + 1);
}

bool anyCategoryUsed(const GameState& state)
{
    for (int p = 1; p <= state.NumPlayers; ++p)
        if (sheetPositionOf(state, p).used != 0)
            return true;
    return false;
}

} // namespace

void startGame(GameState& state, int players)
{
    state.NumPlayers = std::int16_t(std::clamp(players, 1, GameState::kMaxPlayers));
    // Every seat is cleared, the unused ones too: no name or score of an earlier game remains.
    for (int p = 1; p <= GameState::kMaxPlayers; ++p) {
        auto& sheet = state.Points[std::size_t(p)];
        std::fill(sheet.begin() + 1, sheet.begin() + GameState::kCategories + 1, GameState::kFree);
        sheet[GameState::kBonusRow] = 0;
        sheet[GameState::kTotalRow] = 0;
        state.Names[std::size_t(p)].clear();
    }
    clearDice(state);
    state.CurrentPlayer = 0;
}

bool gameOver(const GameState& state)
{
    return state.NumPlayers > 0 && allCategoriesUsed(state);
}

bool gameRunning(const GameState& state)
{
    if (state.NumPlayers == 0 || gameOver(state))
        return false;
    return rollsMade(state) > 0 || anyCategoryUsed(state);
}

bool firstTurn(const GameState& state)
{
    return state.NumPlayers > 0 && state.CurrentPlayer == 0 && !anyCategoryUsed(state);
}

int winner(const GameState& state)
{
    if (state.NumPlayers == 0)
        return 0;
    std::vector<std::int64_t> totals;
    for (int p = 1; p <= state.NumPlayers; ++p)
        totals.push_back(state.Points[std::size_t(p)][GameState::kTotalRow]);
    return winnerAmong(totals);
}

int rollsMade(const GameState& state)
{
    if (state.RollCount > 0)
        return state.RollCount;
    // The third roll sets the count back to 0 at once; its dice tumble or lie still then.
    return state.Rolling || state.HasRolled ? kRollsPerTurn : 0;
}

bool mayRoll(const GameState& state)
{
    return state.NumPlayers > 0 && !gameOver(state) && rollsMade(state) < kRollsPerTurn;
}

int rollsLeft(const GameState& state)
{
    return kRollsPerTurn - rollsDoneOf(state);
}

RollBegun beginRoll(GameState& state)
{
    RollBegun begun;
    begun.startsTumble = !state.Rolling;
    state.Rolling = true;
    begun.count = ++state.RollCount;
    if (state.RollCount == kRollsPerTurn) {
        state.RollCount = 0;
        state.HasRolled = false;
        begun.lastOfTurn = true;
    }
    return begun;
}

void tumble(GameState& state, std::span<const int, GameState::kDice> faces)
{
    for (std::size_t i = 0; i < std::size_t(GameState::kDice); ++i)
        if (state.DiceFree[i]) // a held die keeps its face
            state.DiceValue[i] = std::int16_t(faces[i]);
}

void settleRoll(GameState& state)
{
    state.Rolling = false;
    state.HasRolled = true;
    EvaluateDice(state);
}

bool toggleHold(GameState& state, int die)
{
    if (!state.HasRolled || die < 0 || die >= GameState::kDice)
        return false;
    state.DiceFree[std::size_t(die)] = !state.DiceFree[std::size_t(die)];
    return true;
}

bool categoryFree(const GameState& state, int player, int category)
{
    return player >= 1 && player <= GameState::kMaxPlayers && category >= 1 && category <= GameState::kCategories
        && state.Points[std::size_t(player)][std::size_t(category)] == GameState::kFree;
}

bool mayWrite(const GameState& state, int category)
{
    return state.HasRolled && categoryFree(state, state.CurrentPlayer + 1, category);
}

Written write(GameState& state, int category)
{
    const int p = state.CurrentPlayer + 1;
    auto& sheet = state.Points[std::size_t(p)];
    Written w;
    w.points = CandidateOf(state, category);
    SheetPosition position = sheetPositionOf(state, p);
    // A sheet keeps its bonus once earned: the row says so even where the sum would not.
    w.bonus = sheet[GameState::kBonusRow] != 0 ? 0 : position.write(category, w.points);
    sheet[std::size_t(category)] = std::int16_t(w.points);
    sheet[GameState::kBonusRow] = std::int16_t(sheet[GameState::kBonusRow] + w.bonus);
    sheet[GameState::kTotalRow] = std::int16_t(sheet[GameState::kTotalRow] + w.points + w.bonus);
    w.nextPlayer = nextInTurn(state) + 1;
    w.gameOver = gameOver(state);
    return w;
}

void passTurn(GameState& state)
{
    state.CurrentPlayer = nextInTurn(state);
    clearDice(state);
}

} // namespace rules
