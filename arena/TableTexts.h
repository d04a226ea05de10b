// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <bitset>
#include <QString>
#include <QStringList>
#include <QStringView>

#include "rules/DecisionLog.h"

namespace ui {
struct ChartContent;
struct SheetContent;
} // namespace ui

// The texts of the score-sheet window "Protokoll" and its game review.
namespace texts {

inline constexpr QStringView kTableTitle = u"Protokoll";
inline constexpr QStringView kTableMenuCaption = u"&Protokoll";

inline constexpr QStringView kUpperRow = u"Övre summa";
inline constexpr QStringView kBonusRow = u"Bonus";
inline constexpr QStringView kTotalRow = u"Summa";
inline constexpr QStringView kReviewRow = u"Spelanalys";
inline constexpr QStringView kUpperOf = u"%1/%2";

// One sentence per category, by category number, for the rows of the sheet.
inline constexpr QStringView kCategoryExplained[] = {
    u"",
    u"Ettor ger summan av alla tärningar som visar en etta.",
    u"Tvåor ger summan av alla tärningar som visar en tvåa.",
    u"Treor ger summan av alla tärningar som visar en trea.",
    u"Fyror ger summan av alla tärningar som visar en fyra.",
    u"Femmor ger summan av alla tärningar som visar en femma.",
    u"Sexor ger summan av alla tärningar som visar en sexa.",
    u"Par är två tärningar med samma värde och ger deras summa, det högsta paret räknas.",
    u"Två par är två par med olika värden och ger summan av de fyra tärningarna.",
    u"Triss är tre tärningar med samma värde och ger summan av de tre.",
    u"Fyrtal är fyra tärningar med samma värde och ger summan av de fyra.",
    u"Lillan är 1, 2, 3, 4 och 5 och ger alltid 15 poäng.",
    u"Storan är 2, 3, 4, 5 och 6 och ger alltid 20 poäng.",
    u"Kåk är tre lika och två lika av ett annat värde och ger summan av alla fem tärningarna.",
    u"Kolvo är fem tärningar med samma värde och ger alltid 50 poäng.",
    u"Chans tar vilka tärningar som helst och ger summan av alla fem.",
};
inline constexpr QStringView kUpperExplained = u"Summan av Ettor till Sexor; når den 63 får Du en bonus på 50 poäng.";
inline constexpr QStringView kBonusExplained = u"50 poäng när Ettor till Sexor tillsammans ger minst 63.";
inline constexpr QStringView kTotalExplained = u"Alla poäng på protokollet, bonusen medräknad.";
inline constexpr QStringView kReviewExplained
    = u"Hur många poäng spelarens val kostade mot det bästa spelet, räknat i förväntat slutresultat.";

inline constexpr QStringView kPossible = u"möjligt med tärningarna på bordet";
inline constexpr QStringView kGivenUp = u"struken";
inline constexpr QStringView kJustWritten = u"nyss skriven";
inline constexpr QStringView kInTurn = u"i tur";
inline constexpr QStringView kWinnerMark = u"vinnare";

inline constexpr QStringView kNoGameYet = u"Inget spel ännu. Välj antalet spelare i menyn Nytt spel.";
inline constexpr QStringView kNowRolling = u"Nu kastar: %1";
inline constexpr QStringView kGameWon = u"Spelet är slut. Vinnare: %1 med %2 poäng.";

inline constexpr QStringView kReviewHeading = u"Spelanalys";
inline constexpr QStringView kReviewWorking
    = u"Spelanalysen räknas fram, det tar några sekunder första gången. Den visas här när den är klar.";
inline constexpr QStringView kReviewNotYet = u"Spelanalysen visas när en spelare har spelat klart en tur.";
inline constexpr QStringView kReviewNoTurn = u"%1: ingen tur spelad ännu.";
inline constexpr QStringView kReviewPlayer = u"%1: %2 poäng förlorade mot bästa spel, %3.";
inline constexpr QStringView kReviewPlayerDone = u"%1: %2 poäng förlorade mot bästa spel under spelet, %3.";
inline constexpr QStringView kReviewCostlyNone = u"inget val kostade mer än 1 poäng";
inline constexpr QStringView kReviewCostlyOne = u"ett val kostade mer än 1 poäng";
inline constexpr QStringView kReviewCostlyMany = u"%1 val kostade mer än 1 poäng";
inline constexpr QStringView kReviewCell = u"%1 poäng förlorade mot bästa spel, %2";
inline constexpr QStringView kLessonsHeading = u"Det som kostade mest:";
inline constexpr QStringView kRestHeading = u"Övriga val som kostade mer än 1 poäng, i den ordning de gjordes:";
inline constexpr QStringView kSpokenLesson = u"%1, lärdom %2 av %3: %4";

inline constexpr QStringView kChartName = u"Väntat slutresultat tur för tur";
inline constexpr QStringView kChartXTitle = u"Tur";
inline constexpr QStringView kChartYTitle = u"Väntat slutresultat";
inline constexpr QStringView kChartReference = u"Perfekt spel %1";
inline constexpr QStringView kChartIntro
    = u"Varje spelares väntade slutresultat efter varje tur, med perfekt spel därifrån. Perfekt spel från början "
      u"väntar %1 poäng.";
inline constexpr QStringView kChartPlayer = u"%1: %2 %3, lägst %4 %5, senast %6 %7.";
inline constexpr QStringView kChartLosses = u"Största förluster: %1.";
inline constexpr QStringView kChartLoss = u"tur %1 (%2)";
inline constexpr QStringView kBeforeFirstTurn = u"före första turen";
inline constexpr QStringView kAfterTurn = u"efter tur %1";

// How many dice, in words: "ingen", "en", … "fem".
inline constexpr QStringView kCountWords[] = {u"ingen", u"en", u"två", u"tre", u"fyra", u"fem"};
// A category's caption as its box shows it, by category number 1..15.
QStringView categoryCaption(int category);
// A number of points as the review shows it: one decimal, a decimal comma.
QString pointsDecimal(double value);
// "−4,2" for a loss, "0,0" for none.
QString lossFigure(double lost);
QString costlyPhrase(int costly);
// "Tur 7, efter kast 1: du höll 6 6 och kastade om tre, väntat slutresultat 231,4; bäst var att
// hålla 6 6 6 4 och kasta om en, 235,6 (−4,2 poäng)". A computer's choice is told of it by
// name ("Datorn 1 höll …"), a person's to them.
QString decisionLine(const rules::Decision& decision, const rules::Verdict& verdict, QStringView computerName = {});
// Why a costly choice cost what it did, in one sentence from the verdict's reason: "Femmor
// hade fört dig till 58 av 63 mot bonusen; Fyrtal kan fyllas senare." Empty without one.
QString reasonLine(const rules::Decision& decision, const rules::Verdict& verdict, QStringView computerName = {});

// A category on a player's sheet: the one written last, marked until the next roll.
struct SheetPlace {
    int player = 0; // 0: none
    int category = 0;
};

// Everything the score sheet's window shows of a game: every player's sheet, the points the
// dice on the table would give, and the review of the decisions the log has verdicts on.
// reviewed: the solver's table is there, so the verdicts are complete.
// A player's sheet in lines: the categories used with their points, the upper sum towards the
// bonus, the bonus and the total. Empty for a seat not in the game.
QString playerSheet(const GameState& state, int player);

// Seats 1..6 a computer plays.
using Seats = std::bitset<GameState::kMaxPlayers + 1>;
ui::SheetContent sheetContent(const GameState& state, const rules::DecisionLog& log, bool reviewed,
                              SheetPlace justWritten = {}, const Seats& computers = {});

// Every player's expected final score after each turn, the costly choices ringed where they
// fell (the costliest labelled with what they cost), perfect play's score across; and all of
// it in words for a screen reader. Without the solver's table (reviewed false) only a note.
ui::ChartContent reviewChart(const GameState& state, const rules::DecisionLog& log, bool reviewed);

// The review as a screen reader hears it, one utterance at a time: for the player (0: every
// player) the summary, then each of the costliest choices with its reason ("Anna, lärdom 1
// av 3: Tur 4, …"). While there is no review yet, the note that says so.
QStringList spokenLessons(const GameState& state, const rules::DecisionLog& log, bool reviewed, const Seats& computers,
                          int player);

} // namespace texts
