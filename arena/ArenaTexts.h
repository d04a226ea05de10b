// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringView>

// The main window's own texts, word for word. A text with a blank to fill is one
// sentence with %1 (and %2), filled by one arg() call, so a name holding "%2" shows
// exactly as typed.
namespace texts {

// The program's title: message boxes without a title of their own, and the
// application under which the record is stored.
inline constexpr QStringView kTitle = u"Kolvo";

inline constexpr QStringView kDieFree = u"Håll/släpp tärning med musklick";
// A die for a screen reader: its number and face, and whether it is held or still rolling.
inline constexpr QStringView kDieName = u"Tärning %1: %2";
inline constexpr QStringView kDieNoFace = u"ingen";
inline constexpr QStringView kDieHeldMark = u", hålls";
inline constexpr QStringView kDieRollingMark = u", rullar"; // its face is not the roll's yet
inline QString dieName(int number, int face, bool held, bool rolling)
{
    const QString shown = face >= 1 && face <= 6 ? QString::number(face) : kDieNoFace.toString();
    return kDieName.arg(QString::number(number), shown)
        + (held          ? kDieHeldMark
               : rolling ? kDieRollingMark
                         : QStringView())
              .toString();
}
inline constexpr QStringView kDieHeld = u"Tärningen hålls";
inline constexpr QStringView kRollCount = u"Kast %1 av 3";
inline constexpr QStringView kRollerNewGame = u"Kasta";
inline constexpr QStringView kRollerNextTurn = u"Tryck";
// A player's total as its label shows it: empty until a category has scored.
inline QString sumCaption(int total)
{
    return total > 0 ? QString::number(total) : QString();
}

inline constexpr QStringView kNamePrompt = u"Vad heter spelare nr %1 ?";

inline constexpr QStringView kScratch = u"Vill Du offra %1 ?";
inline constexpr QStringView kBonusMessage = u"Gratulerar ! Du har fått 50 poäng i bonus !";

inline constexpr QStringView kWinner = u"Vinner gör %1\r\nmed poängen: %2";
inline constexpr QStringView kWinnerTitle = u"Segrare";
inline constexpr QStringView kGameOver = u"Spelet är slut";
inline constexpr QStringView kNewRecord = u"Nytt rekord !!";
inline constexpr QStringView kNewRecordTitle = u"Högsta poäng";
inline constexpr QStringView kRecordNotSaved = u"Rekordet kunde inte sparas och finns inte kvar nästa gång.\r\n%1";

inline constexpr QStringView kHelp = u"Välj antalet spelare i menyn Nytt Spel !\r\n"
                                     u"Välj poäng genom att markera aktuell checkbox.\r\n"
                                     u"Håll/släpp tärning genom att klicka på aktuell tärning.\r\n"
                                     u"Du kan slå tärningen 3 gånger, men Du kan sätta poängen när Du vill.\r\n"
                                     u"Tips ! Om Du tar 3 av varje av nummer 1-6 kan Du få en bonus på 50 poäng.";
inline constexpr QStringView kHelpTitle = u"Kolvo Hjälp";

// Score hints: the category's hint name, then the candidate. "Två Par" has a capital
// P here, unlike its box.
inline constexpr QStringView kHint = u"%1 = %2";
inline constexpr QStringView kHintNames[] = {
    u"",        u"Ettor", u"Tvåor",  u"Treor",  u"Fyror",  u"Femmor", u"Sexor", u"Par",
    u"Två Par", u"Triss", u"Fyrtal", u"Lillan", u"Storan", u"Kåk",    u"Kolvo", u"Chans",
};

// Each player's sheet, in the tool tip of the player's name and total.
inline constexpr QStringView kSheetRow = u"%1 %2";
inline constexpr QStringView kSheetUpper = u"Övre %1/%2";
inline constexpr QStringView kSheetBonus = u"Bonus %1";
inline constexpr QStringView kSheetTotal = u"Summa %1";

// The keys, told to screen readers by the roll button.
// The roll button before any game: how to begin.
inline constexpr QStringView kHowToBegin
    = u"Välj Nytt spel och antalet spelare för att börja, eller Nytt spel, Mot datorn för ett spel mot datorn.";
inline constexpr QStringView kKeys
    = u"Kastar tärningarna som inte hålls. Mellanslag eller Enter kastar, tangenterna 1 till 5 "
      u"håller och släpper tärningarna, Tab går till kategorierna, mellanslag väljer en kategori, "
      u"F1 visar hjälpen, F2 visar eller döljer tipsen om bästa drag och F3 protokollet med spelanalysen.";

// The coach's panel, shown and hidden with F2 or its menu item. Its advice itself is
// worded by AdviceText.cpp.
inline constexpr QStringView kCoachMenuCaption = u"&Tips";
inline constexpr QStringView kCoachMenuName = u"mnuTips";
inline constexpr QStringView kCoachTitle = u"Kolvo Tips";
inline constexpr QStringView kCoachFor = u"Tips för %1";
inline constexpr QStringView kCoachPlayerNumber = u"spelare nr %1";
inline constexpr QStringView kCoachMoveHeader = u"Drag";
inline constexpr QStringView kCoachValueHeader = u"Förväntat slutresultat";
inline constexpr QStringView kCoachSolving
    = u"Tipsen räknas fram, det tar några sekunder första gången. Spela vidare: de visas här när de är klara.";
inline constexpr QStringView kCoachLoading = u"Tipsen läses in.";
inline constexpr QStringView kCoachNoGame = u"Välj antalet spelare i menyn Nytt spel först.";
inline constexpr QStringView kCoachRolling = u"Tärningarna rullar.";

// "Fil → Ljud": the sound on (ticked) or off, kept between runs.
inline constexpr QStringView kSoundMenuCaption = u"&Ljud";
inline constexpr QStringView kSoundMenuName = u"mnuSound";
// "Fil → Tangenter och tillägg…": every key, and what the program adds to the game.
inline constexpr QStringView kKeysMenuCaption = u"Tangenter &och tillägg…";
inline constexpr QStringView kKeysMenuName = u"mnuKeys";
inline constexpr QStringView kKeysTitle = u"Kolvo Tangenter och tillägg";

// Before a game in progress is thrown away; OK throws it away.
inline constexpr QStringView kDiscardForNewGame = u"Ett spel pågår. Vill Du avbryta det och börja ett nytt ?";
inline constexpr QStringView kDiscardForExit = u"Ett spel pågår. Vill Du avsluta Kolvo ändå ?";

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

inline constexpr QStringView kComputerMenu = u"Mot &datorn…";
inline constexpr QStringView kComputerMenuName = u"mnuComputer";
inline constexpr QStringView kComputerTitle = u"Mot datorn";
inline constexpr QStringView kComputerPeople = u"&Människor:";
inline constexpr QStringView kComputerComputers = u"&Datorer:";
inline constexpr QStringView kComputerStrength = u"&Styrka:";
// In the order of rules::Strength.
inline constexpr QStringView kStrengthNames[] = {u"Nybörjare", u"Medel", u"Svår", u"Perfekt"};
// What a strength means and its mean final score, as bench/strength_bench measures it; the
// form offers each strength as its name and that.
inline constexpr QStringView kStrengthSummary = u"%1, cirka %2 poäng i snitt";
inline constexpr QStringView kStrengthChoice = u"%1: %2";
inline constexpr QStringView kStrengthMeanings[]
    = {u"gör ofta misstag", u"spelar bra men inte felfritt", u"missar sällan", u"gör alltid det bästa draget"};
inline constexpr int kStrengthMeans[] = {194, 222, 238, 248};
inline constexpr QStringView kComputerPace = u"&Tempo:";
// In the order of Pace.
inline constexpr QStringView kPaceNames[] = {u"Snabb", u"Normal", u"Långsam"};
inline constexpr QStringView kPaceMeanings[] = {
    u"en tur på ett par sekunder",
    u"en halv sekund mellan dragen",
    u"en sekund mellan dragen, lätt att följa",
};
// The computer players' names, numbered among the computers.
inline constexpr QStringView kComputerName = u"Datorn %1";
// On the roll button, for the mouse and screen readers, while a computer waits for its table.
// At the roll button, for a screen reader, while a computer plays.
inline constexpr QStringView kComputerInTurn = u"%1 spelar, vänta.";
inline constexpr QStringView kComputerThinking
    = u"Datorn tänker: dess drag räknas fram, det tar några sekunder första gången.";

} // namespace texts
