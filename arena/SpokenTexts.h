// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

#include "rules/GameFlow.h"

// What a player who cannot see hears of the game, one short Swedish sentence per event of the
// flow, worded from the state alone: the same words for a person's turn and a computer's.
namespace texts {

// "Spelet börjar. Spelare: Ada, Bo och Datorn 1. Ada kastar först." and, the first time in a
// run, how to roll.
QString gameStarts(const GameState& state, bool withHowTo);
// "Kast 2 av 3: 2, 3, 3 hålls, 5, 6": the dice settled, held ones marked.
QString rollSettled(const GameState& state);
// "Tärning 3: 5, hålls" or "Tärning 3: 5, släppt".
QString holdChanged(const GameState& state, int die);
// "Ada skrev Treor: 9 poäng. Bonus: 50 poäng. Nu kastar Bo." or "Ada strök Kolvo. Nu kastar Bo."
// Said once the turn has passed; writer is the player who wrote.
QString written(const GameState& state, int writer, int category, const rules::Written& what);
// "Spelet är slut. Ada vann med 230 poäng. Bo 200 poäng." and a new record when there is one.
QString gameEnds(const GameState& state, bool newRecord);
// "Kast 2 av 3: …" or, before the turn's first roll, "Ada kastar: inget kast ännu."
QString diceNow(const GameState& state);
// "Adas protokoll: fria är Ettor, Par och Chans. Övre summa 45 av 63. Summa 120."
QString sheetNow(const GameState& state, int player);

} // namespace texts
