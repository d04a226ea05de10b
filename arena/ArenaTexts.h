// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringView>

#include "platform/Text.h"

// The main window's own texts, word for word. A text with a blank to fill is one
// sentence with %1 (and %2), filled by one arg() call, so a name holding "%2" shows
// exactly as typed.
namespace texts {

// The program's title: message boxes without a title of their own, and the
// application under which the record is stored.
inline constexpr QStringView kTitle = u"Kolvo";

inline constexpr Text kDieFree{"Board", QT_TRANSLATE_NOOP("Board", "Håll/släpp tärning med musklick")};
// A die for a screen reader: its number and face, and whether it is held or still rolling.
inline constexpr Text kDieName{"Board", QT_TRANSLATE_NOOP("Board", "Tärning %1: %2")};
inline constexpr Text kDieNoFace{"Board", QT_TRANSLATE_NOOP("Board", "ingen")};
inline constexpr Text kDieHeldMark{"Board", QT_TRANSLATE_NOOP("Board", ", hålls")};
// Its face is not the roll's yet.
inline constexpr Text kDieRollingMark{"Board", QT_TRANSLATE_NOOP("Board", ", rullar")};
inline QString dieName(int number, int face, bool held, bool rolling)
{
    const QString shown = face >= 1 && face <= 6 ? QString::number(face) : kDieNoFace.toString();
    return kDieName.arg(QString::number(number), shown)
        + (held          ? kDieHeldMark
               : rolling ? kDieRollingMark
                         : Text())
              .toString();
}
inline constexpr Text kDieHeld{"Board", QT_TRANSLATE_NOOP("Board", "Tärningen hålls")};
inline constexpr Text kRollCount{"Board", QT_TRANSLATE_NOOP("Board", "Kast %1 av 3")};
inline constexpr Text kRollerNewGame{"Board", QT_TRANSLATE_NOOP("Board", "Kasta")};
inline constexpr Text kRollerNextTurn{"Board", QT_TRANSLATE_NOOP("Board", "Tryck")};
// A player's total as its label shows it: empty until a category has scored.
inline QString sumCaption(int total)
{
    return total > 0 ? QString::number(total) : QString();
}

inline constexpr Text kNamePrompt{"Board", QT_TRANSLATE_NOOP("Board", "Vad heter spelare nr %1 ?")};

inline constexpr Text kScratch{"Board", QT_TRANSLATE_NOOP("Board", "Vill Du offra %1 ?")};
inline constexpr Text kBonusMessage{"Board", QT_TRANSLATE_NOOP("Board", "Gratulerar ! Du har fått 50 poäng i bonus !")};

inline constexpr Text kWinner{"Board", QT_TRANSLATE_NOOP("Board", "Vinner gör %1\r\nmed poängen: %2")};
inline constexpr Text kWinnerTitle{"Board", QT_TRANSLATE_NOOP("Board", "Segrare")};
inline constexpr Text kGameOver{"Board", QT_TRANSLATE_NOOP("Board", "Spelet är slut")};
inline constexpr Text kNewRecord{"Board", QT_TRANSLATE_NOOP("Board", "Nytt rekord !!")};
inline constexpr Text kNewRecordTitle{"Board", QT_TRANSLATE_NOOP("Board", "Högsta poäng")};
inline constexpr Text kRecordNotSaved{
    "Board", QT_TRANSLATE_NOOP("Board", "Rekordet kunde inte sparas och finns inte kvar nästa gång.\r\n%1")};

inline constexpr Text kHelp{
    "Board",
    QT_TRANSLATE_NOOP("Board",
                      "Välj antalet spelare i menyn Nytt Spel !\r\n"
                      "Välj poäng genom att markera aktuell checkbox.\r\n"
                      "Håll/släpp tärning genom att klicka på aktuell tärning.\r\n"
                      "Du kan slå tärningen 3 gånger, men Du kan sätta poängen när Du vill.\r\n"
                      "Tips ! Om Du tar 3 av varje av nummer 1-6 kan Du få en bonus på 50 poäng.")};
inline constexpr Text kHelpTitle{"Board", QT_TRANSLATE_NOOP("Board", "Kolvo Hjälp")};

// Score hints: the category's hint name, then the candidate. "Två Par" has a capital
// P here, unlike its box. A hint has room for a name a box has not.
inline constexpr Text kHint{"Board", QT_TRANSLATE_NOOP("Board", "%1 = %2")};
inline constexpr Text kHintNames[] = {{},
                                      {"Hint", QT_TRANSLATE_NOOP("Hint", "Ettor")},
                                      {"Hint", QT_TRANSLATE_NOOP("Hint", "Tvåor")},
                                      {"Hint", QT_TRANSLATE_NOOP("Hint", "Treor")},
                                      {"Hint", QT_TRANSLATE_NOOP("Hint", "Fyror")},
                                      {"Hint", QT_TRANSLATE_NOOP("Hint", "Femmor")},
                                      {"Hint", QT_TRANSLATE_NOOP("Hint", "Sexor")},
                                      {"Hint", QT_TRANSLATE_NOOP("Hint", "Par")},
                                      {"Hint", QT_TRANSLATE_NOOP("Hint", "Två Par")},
                                      {"Hint", QT_TRANSLATE_NOOP("Hint", "Triss")},
                                      {"Hint", QT_TRANSLATE_NOOP("Hint", "Fyrtal")},
                                      {"Hint", QT_TRANSLATE_NOOP("Hint", "Lillan")},
                                      {"Hint", QT_TRANSLATE_NOOP("Hint", "Storan")},
                                      {"Hint", QT_TRANSLATE_NOOP("Hint", "Kåk")},
                                      {"Hint", QT_TRANSLATE_NOOP("Hint", "Kolvo")},
                                      {"Hint", QT_TRANSLATE_NOOP("Hint", "Chans")}};

// Each player's sheet, in the tool tip of the player's name and total.
inline constexpr Text kSheetRow{"Board", QT_TRANSLATE_NOOP("Board", "%1 %2")};
inline constexpr Text kSheetUpper{"Board", QT_TRANSLATE_NOOP("Board", "Övre %1/%2")};
inline constexpr Text kSheetBonus{"Board", QT_TRANSLATE_NOOP("Board", "Bonus %1")};
inline constexpr Text kSheetTotal{"Board", QT_TRANSLATE_NOOP("Board", "Summa %1")};

// The roll button before any game: how to begin.
inline constexpr Text kHowToBegin{
    "Board",
    QT_TRANSLATE_NOOP("Board",
                      "Välj Nytt spel och antalet spelare för att börja, eller Nytt spel, Mot datorn för "
                      "ett spel mot datorn.")};
// The keys, told to screen readers by the roll button.
inline constexpr Text kKeys{
    "Board",
    QT_TRANSLATE_NOOP(
        "Board",
        "Kastar tärningarna som inte hålls. Mellanslag eller Enter kastar, tangenterna 1 till 5 "
        "håller och släpper tärningarna, Tab går till kategorierna, mellanslag väljer en kategori, "
        "F1 visar hjälpen, F2 visar eller döljer tipsen om bästa drag och F3 protokollet med spelanalysen.")};

// The coach's panel, shown and hidden with F2 or its menu item. Its advice itself is
// worded by AdviceText.cpp.
inline constexpr Text kCoachMenuCaption{"Board", QT_TRANSLATE_NOOP("Board", "&Tips")};
inline constexpr QStringView kCoachMenuName = u"mnuTips";
inline constexpr Text kCoachTitle{"Coach", QT_TRANSLATE_NOOP("Coach", "Kolvo Tips")};
inline constexpr Text kCoachFor{"Coach", QT_TRANSLATE_NOOP("Coach", "Tips för %1")};
inline constexpr Text kCoachPlayerNumber{"Coach", QT_TRANSLATE_NOOP("Coach", "spelare nr %1")};
inline constexpr Text kCoachMoveHeader{"Coach", QT_TRANSLATE_NOOP("Coach", "Drag")};
inline constexpr Text kCoachValueHeader{"Coach", QT_TRANSLATE_NOOP("Coach", "Förväntat slutresultat")};
inline constexpr Text kCoachSolving{
    "Coach",
    QT_TRANSLATE_NOOP(
        "Coach",
        "Tipsen räknas fram, det tar några sekunder första gången. Spela vidare: de visas här när de är klara.")};
inline constexpr Text kCoachLoading{"Coach", QT_TRANSLATE_NOOP("Coach", "Tipsen läses in.")};
inline constexpr Text kCoachNoGame{"Coach",
                                   QT_TRANSLATE_NOOP("Coach", "Välj antalet spelare i menyn Nytt spel först.")};
inline constexpr Text kCoachRolling{"Coach", QT_TRANSLATE_NOOP("Coach", "Tärningarna rullar.")};

// "Fil → Ljud": the sound on (ticked) or off, kept between runs.
inline constexpr Text kSoundMenuCaption{"Board", QT_TRANSLATE_NOOP("Board", "&Ljud")};
inline constexpr QStringView kSoundMenuName = u"mnuSound";
// "Fil → Tangenter och tillägg…": every key, and what the program adds to the game.
inline constexpr Text kKeysMenuCaption{"Board", QT_TRANSLATE_NOOP("Board", "Tangenter &och tillägg…")};
inline constexpr QStringView kKeysMenuName = u"mnuKeys";
inline constexpr Text kKeysTitle{"Board", QT_TRANSLATE_NOOP("Board", "Kolvo Tangenter och tillägg")};

// Before a game in progress is thrown away; OK throws it away.
inline constexpr Text kDiscardForNewGame{
    "Board", QT_TRANSLATE_NOOP("Board", "Ett spel pågår. Vill Du avbryta det och börja ett nytt ?")};
inline constexpr Text kDiscardForExit{"Board",
                                      QT_TRANSLATE_NOOP("Board", "Ett spel pågår. Vill Du avsluta Kolvo ändå ?")};

// Sound files, looked up in the program directory.
inline constexpr QStringView kRollSound = u"Roll.wav";
inline constexpr QStringView kScratchSound = u"glass.wav";
inline constexpr QStringView kBonusSound = u"claps.wav";
inline constexpr QStringView kGameOverSound = u"clap.wav";
inline constexpr QStringView kRecordSound = u"Congratulations.mid";

// The record in the per-user store.
inline constexpr QStringView kStoreApplication = kTitle;
inline constexpr QStringView kStoreSection = u"KolvoHighscore";
inline constexpr QStringView kScoreKey = u"Score";
inline constexpr QStringView kScoreDefault = u"0";
inline constexpr QStringView kNameKey = u"Name";
inline constexpr QStringView kNameDefault = u"Nobody";

} // namespace texts

// Games against the computer, from "Nytt spel".
namespace texts {

inline constexpr Text kComputerMenu{"Computer", QT_TRANSLATE_NOOP("Computer", "Mot &datorn…")};
inline constexpr QStringView kComputerMenuName = u"mnuComputer";
inline constexpr Text kComputerTitle{"Computer", QT_TRANSLATE_NOOP("Computer", "Mot datorn")};
inline constexpr Text kComputerPeople{"Computer", QT_TRANSLATE_NOOP("Computer", "&Människor:")};
inline constexpr Text kComputerComputers{"Computer", QT_TRANSLATE_NOOP("Computer", "&Datorer:")};
inline constexpr Text kComputerStrength{"Computer", QT_TRANSLATE_NOOP("Computer", "&Styrka:")};
// In the order of rules::Strength.
inline constexpr Text kStrengthNames[] = {{"Computer", QT_TRANSLATE_NOOP("Computer", "Nybörjare")},
                                          {"Computer", QT_TRANSLATE_NOOP("Computer", "Medel")},
                                          {"Computer", QT_TRANSLATE_NOOP("Computer", "Svår")},
                                          {"Computer", QT_TRANSLATE_NOOP("Computer", "Perfekt")}};
// What a strength means and its mean final score, as bench/strength_bench measures it; the
// form offers each strength as its name and that.
inline constexpr Text kStrengthSummary{"Computer", QT_TRANSLATE_NOOP("Computer", "%1, cirka %2 poäng i snitt")};
inline constexpr Text kStrengthChoice{"Computer", QT_TRANSLATE_NOOP("Computer", "%1: %2")};
inline constexpr Text kStrengthMeanings[]
    = {{"Computer", QT_TRANSLATE_NOOP("Computer", "gör ofta misstag")},
       {"Computer", QT_TRANSLATE_NOOP("Computer", "spelar bra men inte felfritt")},
       {"Computer", QT_TRANSLATE_NOOP("Computer", "missar sällan")},
       {"Computer", QT_TRANSLATE_NOOP("Computer", "gör alltid det bästa draget")}};
inline constexpr int kStrengthMeans[] = {194, 222, 238, 248};
inline constexpr Text kComputerPace{"Computer", QT_TRANSLATE_NOOP("Computer", "&Tempo:")};
// In the order of Pace.
inline constexpr Text kPaceNames[] = {{"Computer", QT_TRANSLATE_NOOP("Computer", "Snabb")},
                                      {"Computer", QT_TRANSLATE_NOOP("Computer", "Normal")},
                                      {"Computer", QT_TRANSLATE_NOOP("Computer", "Långsam")}};
inline constexpr Text kPaceMeanings[] = {
    {"Computer", QT_TRANSLATE_NOOP("Computer", "en tur på ett par sekunder")},
    {"Computer", QT_TRANSLATE_NOOP("Computer", "en halv sekund mellan dragen")},
    {"Computer", QT_TRANSLATE_NOOP("Computer", "en sekund mellan dragen, lätt att följa")},
};
// The computer players' names, numbered among the computers.
inline constexpr Text kComputerName{"Computer", QT_TRANSLATE_NOOP("Computer", "Datorn %1")};
// On the roll button, for the mouse and screen readers, while a computer waits for its table.
// At the roll button, for a screen reader, while a computer plays.
inline constexpr Text kComputerInTurn{"Computer", QT_TRANSLATE_NOOP("Computer", "%1 spelar, vänta.")};
inline constexpr Text kComputerThinking{
    "Computer",
    QT_TRANSLATE_NOOP("Computer", "Datorn tänker: dess drag räknas fram, det tar några sekunder första gången.")};

} // namespace texts
