// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringView>

#include "arena/SheetTexts.h"
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

// The standings, asked for by a key (F7): every player's name and total, and whose turn it is.
inline constexpr Text kStandings{"Spoken", QT_TRANSLATE_NOOP("Spoken", "Ställning: %1.")};
inline constexpr Text kStandingsRow{"Spoken", QT_TRANSLATE_NOOP("Spoken", "%1 %2 poäng")};
inline constexpr Text kPersonInTurn{"Spoken", QT_TRANSLATE_NOOP("Spoken", " %1 har turen.")};
inline constexpr Text kComputerPlays{"Spoken", QT_TRANSLATE_NOOP("Spoken", " %1 har turen och spelar.")};
inline constexpr Text kNoGameRunning{"Spoken", QT_TRANSLATE_NOOP("Spoken", "Inget spel pågår.")};
// "Ställning: Ada 45 poäng, Bo 30 poäng och Datorn 1 52 poäng. Ada har turen."; after the
// end, the end's own words; before any game, how to begin one.
QString standings(const GameState& state, const Seats& computers, bool ended);

// What the main window says of itself when a screen reader comes to it: before any game
// how to begin one, while the dice roll that they do, and otherwise nothing.
QString windowDescription(const GameState& state);

} // namespace texts
