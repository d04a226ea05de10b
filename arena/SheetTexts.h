// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <bitset>
#include <QString>
#include <QStringList>
#include <QStringView>

#include "platform/Text.h"
#include "rules/DecisionLog.h"

namespace ui {
struct ChartContent;
struct SheetContent;
} // namespace ui

// The texts of the score-sheet window "Protokoll" and its game review.
namespace texts {

inline constexpr Text kTableTitle{"Sheet", QT_TRANSLATE_NOOP("Sheet", "Protokoll")};
inline constexpr Text kTableMenuCaption{"Sheet", QT_TRANSLATE_NOOP("Sheet", "&Protokoll")};

inline constexpr Text kUpperRow{"Sheet", QT_TRANSLATE_NOOP("Sheet", "Övre summa")};
inline constexpr Text kBonusRow{"Sheet", QT_TRANSLATE_NOOP("Sheet", "Bonus")};
inline constexpr Text kTotalRow{"Sheet", QT_TRANSLATE_NOOP("Sheet", "Summa")};
inline constexpr Text kReviewRow{"Sheet", QT_TRANSLATE_NOOP("Sheet", "Spelanalys")};
inline constexpr QStringView kUpperOf = u"%1/%2";

// One sentence per category, by category number, for the rows of the sheet.
inline constexpr Text kCategoryExplained[] = {
    {},
    {"Sheet", QT_TRANSLATE_NOOP("Sheet", "Ettor ger summan av alla tärningar som visar en etta.")},
    {"Sheet", QT_TRANSLATE_NOOP("Sheet", "Tvåor ger summan av alla tärningar som visar en tvåa.")},
    {"Sheet", QT_TRANSLATE_NOOP("Sheet", "Treor ger summan av alla tärningar som visar en trea.")},
    {"Sheet", QT_TRANSLATE_NOOP("Sheet", "Fyror ger summan av alla tärningar som visar en fyra.")},
    {"Sheet", QT_TRANSLATE_NOOP("Sheet", "Femmor ger summan av alla tärningar som visar en femma.")},
    {"Sheet", QT_TRANSLATE_NOOP("Sheet", "Sexor ger summan av alla tärningar som visar en sexa.")},
    {"Sheet",
     QT_TRANSLATE_NOOP("Sheet", "Par är två tärningar med samma värde och ger deras summa, det högsta paret räknas.")},
    {"Sheet", QT_TRANSLATE_NOOP("Sheet", "Två par är två par med olika värden och ger summan av de fyra tärningarna.")},
    {"Sheet", QT_TRANSLATE_NOOP("Sheet", "Triss är tre tärningar med samma värde och ger summan av de tre.")},
    {"Sheet", QT_TRANSLATE_NOOP("Sheet", "Fyrtal är fyra tärningar med samma värde och ger summan av de fyra.")},
    {"Sheet", QT_TRANSLATE_NOOP("Sheet", "Lillan är 1, 2, 3, 4 och 5 och ger alltid 15 poäng.")},
    {"Sheet", QT_TRANSLATE_NOOP("Sheet", "Storan är 2, 3, 4, 5 och 6 och ger alltid 20 poäng.")},
    {"Sheet",
     QT_TRANSLATE_NOOP("Sheet",
                       "Kåk är tre lika och två lika av ett annat värde och ger summan av alla fem tärningarna.")},
    {"Sheet", QT_TRANSLATE_NOOP("Sheet", "Kolvo är fem tärningar med samma värde och ger alltid 50 poäng.")},
    {"Sheet", QT_TRANSLATE_NOOP("Sheet", "Chans tar vilka tärningar som helst och ger summan av alla fem.")}};
inline constexpr Text kUpperExplained{
    "Sheet", QT_TRANSLATE_NOOP("Sheet", "Summan av Ettor till Sexor; når den 63 får Du en bonus på 50 poäng.")};
inline constexpr Text kBonusExplained{
    "Sheet", QT_TRANSLATE_NOOP("Sheet", "50 poäng när Ettor till Sexor tillsammans ger minst 63.")};
inline constexpr Text kTotalExplained{"Sheet",
                                      QT_TRANSLATE_NOOP("Sheet", "Alla poäng på protokollet, bonusen medräknad.")};
inline constexpr Text kReviewExplained{
    "Sheet",
    QT_TRANSLATE_NOOP("Sheet",
                      "Hur många poäng spelarens val kostade mot det bästa spelet, räknat i förväntat slutresultat.")};

inline constexpr Text kPossible{"Sheet", QT_TRANSLATE_NOOP("Sheet", "möjligt med tärningarna på bordet")};
inline constexpr Text kGivenUp{"Sheet", QT_TRANSLATE_NOOP("Sheet", "struken")};
inline constexpr Text kJustWritten{"Sheet", QT_TRANSLATE_NOOP("Sheet", "nyss skriven")};
inline constexpr Text kInTurn{"Sheet", QT_TRANSLATE_NOOP("Sheet", "i tur")};
inline constexpr Text kWinnerMark{"Sheet", QT_TRANSLATE_NOOP("Sheet", "vinnare")};

inline constexpr Text kNoGameYet{
    "Sheet", QT_TRANSLATE_NOOP("Sheet", "Inget spel ännu. Välj antalet spelare i menyn Nytt spel.")};
inline constexpr Text kNowRolling{"Sheet", QT_TRANSLATE_NOOP("Sheet", "Nu kastar: %1")};
inline constexpr Text kGameWon{"Sheet", QT_TRANSLATE_NOOP("Sheet", "Spelet är slut. Vinnare: %1 med %2 poäng.")};

inline constexpr Text kReviewHeading{"Sheet", QT_TRANSLATE_NOOP("Sheet", "Spelanalys")};
inline constexpr Text kReviewWorking{
    "Sheet",
    QT_TRANSLATE_NOOP(
        "Sheet", "Spelanalysen räknas fram, det tar några sekunder första gången. Den visas här när den är klar.")};
inline constexpr Text kReviewNotYet{
    "Sheet", QT_TRANSLATE_NOOP("Sheet", "Spelanalysen visas när en spelare har spelat klart en tur.")};
inline constexpr Text kReviewNoTurn{"Sheet", QT_TRANSLATE_NOOP("Sheet", "%1: ingen tur spelad ännu.")};
inline constexpr Text kReviewPlayer{"Sheet", QT_TRANSLATE_NOOP("Sheet", "%1: %2 poäng förlorade mot bästa spel, %3.")};
inline constexpr Text kReviewPlayerDone{
    "Sheet", QT_TRANSLATE_NOOP("Sheet", "%1: %2 poäng förlorade mot bästa spel under spelet, %3.")};
inline constexpr Text kReviewCostlyNone{"Sheet", QT_TRANSLATE_NOOP("Sheet", "inget val kostade mer än 1 poäng")};
inline constexpr Text kReviewCostlyOne{"Sheet", QT_TRANSLATE_NOOP("Sheet", "ett val kostade mer än 1 poäng")};
inline constexpr Text kReviewCostlyMany{"Sheet", QT_TRANSLATE_NOOP("Sheet", "%1 val kostade mer än 1 poäng")};
inline constexpr Text kReviewCell{"Sheet", QT_TRANSLATE_NOOP("Sheet", "%1 poäng förlorade mot bästa spel, %2")};
inline constexpr Text kLessonsHeading{"Sheet", QT_TRANSLATE_NOOP("Sheet", "Det som kostade mest:")};
inline constexpr Text kRestHeading{
    "Sheet", QT_TRANSLATE_NOOP("Sheet", "Övriga val som kostade mer än 1 poäng, i den ordning de gjordes:")};
inline constexpr Text kSpokenLesson{"Sheet", QT_TRANSLATE_NOOP("Sheet", "%1, lärdom %2 av %3: %4")};

inline constexpr Text kChartName{"Sheet", QT_TRANSLATE_NOOP("Sheet", "Väntat slutresultat tur för tur")};
inline constexpr Text kChartXTitle{"Sheet", QT_TRANSLATE_NOOP("Sheet", "Tur")};
inline constexpr Text kChartYTitle{"Sheet", QT_TRANSLATE_NOOP("Sheet", "Väntat slutresultat")};
inline constexpr Text kChartReference{"Sheet", QT_TRANSLATE_NOOP("Sheet", "Perfekt spel %1")};
inline constexpr Text kChartIntro{
    "Sheet",
    QT_TRANSLATE_NOOP(
        "Sheet",
        "Varje spelares väntade slutresultat efter varje tur, med perfekt spel därifrån. Perfekt spel från början "
        "väntar %1 poäng.")};
inline constexpr Text kChartPlayer{"Sheet", QT_TRANSLATE_NOOP("Sheet", "%1: %2 %3, lägst %4 %5, senast %6 %7.")};
inline constexpr Text kChartLosses{"Sheet", QT_TRANSLATE_NOOP("Sheet", "Största förluster: %1.")};
inline constexpr Text kChartLoss{"Sheet", QT_TRANSLATE_NOOP("Sheet", "tur %1 (%2)")};
inline constexpr Text kBeforeFirstTurn{"Sheet", QT_TRANSLATE_NOOP("Sheet", "före första turen")};
inline constexpr Text kAfterTurn{"Sheet", QT_TRANSLATE_NOOP("Sheet", "efter tur %1")};

// How many dice, in words: "ingen", "en", … "fem".
inline constexpr Text kCountWords[]
    = {{"Sheet", QT_TRANSLATE_NOOP("Sheet", "ingen")}, {"Sheet", QT_TRANSLATE_NOOP("Sheet", "en")},
       {"Sheet", QT_TRANSLATE_NOOP("Sheet", "två")},   {"Sheet", QT_TRANSLATE_NOOP("Sheet", "tre")},
       {"Sheet", QT_TRANSLATE_NOOP("Sheet", "fyra")},  {"Sheet", QT_TRANSLATE_NOOP("Sheet", "fem")}};
// The categories by number, as the sheet, the review, the coach and the spoken game name
// them: in Swedish as their boxes show them. A box has room for a short name only; another
// language may name them in full here.
inline constexpr Text kCategoryNames[] = {
    {},
    {"Sheet", QT_TRANSLATE_NOOP("Sheet", "Ettor")},
    {"Sheet", QT_TRANSLATE_NOOP("Sheet", "Tvåor")},
    {"Sheet", QT_TRANSLATE_NOOP("Sheet", "Treor")},
    {"Sheet", QT_TRANSLATE_NOOP("Sheet", "Fyror")},
    {"Sheet", QT_TRANSLATE_NOOP("Sheet", "Femmor")},
    {"Sheet", QT_TRANSLATE_NOOP("Sheet", "Sexor")},
    {"Sheet", QT_TRANSLATE_NOOP("Sheet", "Par")},
    {"Sheet", QT_TRANSLATE_NOOP("Sheet", "Två par")},
    {"Sheet", QT_TRANSLATE_NOOP("Sheet", "Triss")},
    {"Sheet", QT_TRANSLATE_NOOP("Sheet", "Fyrtal")},
    {"Sheet", QT_TRANSLATE_NOOP("Sheet", "Lillan")},
    {"Sheet", QT_TRANSLATE_NOOP("Sheet", "Storan")},
    {"Sheet", QT_TRANSLATE_NOOP("Sheet", "Kåk")},
    {"Sheet", QT_TRANSLATE_NOOP("Sheet", "Kolvo")},
    {"Sheet", QT_TRANSLATE_NOOP("Sheet", "Chans")},
};
// A category's name, by category number 1..15.
Text categoryCaption(int category);
// A number of points as the review shows it: one decimal, the decimal sign of the language
// shown (a comma in Swedish).
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
