// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <span>

#include "rules/GameState.h"

// The turn flow over a game's state: a game's start, a roll's beginning and settling, holds,
// writing a category, the turn passing on, the game's end and its winner. The window calls
// these and paints what they changed; it decides nothing of the game itself.
namespace rules {

inline constexpr int kRollsPerTurn = 3;

// A new game of `players` (1..6): every sheet and name empty, all dice free without faces,
// player 1 in turn. A roll still tumbling is dropped: its ticks would roll the new game's dice.
void startGame(GameState& state, int players);

// From the first roll until the game ends.
bool gameRunning(const GameState& state);
// Every player of the game has used all fifteen categories.
bool gameOver(const GameState& state);
// The first turn of a game: player 1 in turn and every sheet empty.
bool firstTurn(const GameState& state);
// Among equal totals the lowest player number wins; 0 before any game.
int winner(const GameState& state);

// Rolls made in the turn so far, 0..3, tumbling ones included.
int rollsMade(const GameState& state);
// The turn's rolls are not spent, and the game is on.
bool mayRoll(const GameState& state);
// Rolls the player in turn may still make on the dice lying still, 0..3: the advice, the
// computer and the review judge the dice with this many rolls left.
int rollsLeft(const GameState& state);

// A press of the roll button. Counts the roll; the third one spends the turn's rolls. The
// dice tumble from the first press on; a press while they tumble counts a roll but does
// not begin another tumble. HasRolled is left alone: it turns true only when a tumble
// settles, so nothing can be held or written on dice of the previous turn.
struct RollBegun {
    int count = 0; // 1..3, as the roll button shows it
    bool startsTumble = false;
    bool lastOfTurn = false;
};
RollBegun beginRoll(GameState& state);

// A tick of the tumble: the free dice show the faces drawn (one per die, 1..6).
void tumble(GameState& state, std::span<const int, GameState::kDice> faces);
// The tumble has ended on the faces the dice show: they may be held and written on.
void settleRoll(GameState& state);

// Holds a free die or frees a held one; nothing before a turn's dice have settled.
// Returns whether the die changed.
bool toggleHold(GameState& state, int die);

// A category the player in turn may write now: free on their sheet, and the dice settled.
bool categoryFree(const GameState& state, int player, int category);
bool mayWrite(const GameState& state, int category);

struct Written {
    int points = 0;     // 0: the category was given up
    int bonus = 0;      // earned with this category
    int nextPlayer = 0; // 1..6, in turn once the turn has passed
    bool gameOver = false;
};
// Writes the dice's points for the category onto the sheet of the player in turn, with the
// bonus they earn and the new total. The turn passes with passTurn.
Written write(GameState& state, int category);

// The next player's turn: dice free and without faces, no roll made.
void passTurn(GameState& state);

} // namespace rules
