// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QRect>
#include <QRgb>
#include <QStringView>

// The main window's design: every control's place, size, text and look, in pixels of
// the client area (below the menu bar). Nothing else in the code repeats these numbers.
namespace arena {

inline constexpr QStringView kCaption = u"Kolvo 2003";
// The window's icon, which the dice also show before a turn's first roll.
inline constexpr QStringView kBlankDie = u":/images/icon-arena.png";
inline constexpr int kClientWidth = 432;
inline constexpr int kClientHeight = 322;
inline constexpr QRgb kBlue = qRgb(0, 0, 255);
inline constexpr QRgb kYellow = qRgb(255, 255, 0);

inline constexpr double kCheckBoxPointSize = 8.25; // check boxes and the roll button
inline constexpr double kLabelPointSize = 9.75;    // every label

enum class Align { Left, Centre };

struct LabelDesign {
    QStringView name;
    QStringView caption;
    QRect rect;
    Align align = Align::Left;
    QStringView toolTip; // empty: none
};

// Labels that only show their caption.
inline constexpr LabelDesign kPlainLabels[] = {
    {u"Label2", u"Spelare", QRect(168, 8, 81, 17), Align::Left, u""},
    {u"Label3", u"Poäng", QRect(336, 8, 61, 17), Align::Left, u""},
    {u"Label1", u"Nu kastar", QRect(128, 208, 113, 25), Align::Centre, u""},
};
// Labels the game writes to, each built from its own entry.
inline constexpr LabelDesign kSpelareTur{u"lblSpelareTur", u"", QRect(128, 232, 113, 41), Align::Centre,
                                         u"Visar vilken spelare som är i tur att kasta"};
inline constexpr LabelDesign kHighscoreHolder{u"lblHighscoreHolder", u"Högsta poäng", QRect(256, 208, 137, 17),
                                              Align::Centre, u""};
inline constexpr LabelDesign kRekordHållareNamn{u"RekordHållareNamn", u"", QRect(256, 228, 105, 17), Align::Left,
                                                u"Rekordhållarens namn"};
inline constexpr LabelDesign kRekordhållare{u"Rekordhållare", u"", QRect(364, 228, 29, 17), Align::Centre,
                                            u"Rekordhållarens poäng"};

inline constexpr QStringView kRollerName = u"Roller";
inline constexpr QStringView kRollerCaption = u"Kasta";
inline constexpr QRect kRoller(344, 280, 81, 33);

inline constexpr QStringView kLineName = u"Line1";
inline constexpr QRect kLine(0, 0, 404, 1); // a one-pixel rule along the top edge

inline constexpr QStringView kTimerName = u"Timer1";
inline constexpr int kTimerInterval = 100; // ms

// Category check boxes ScoreVal(1..15) and their score labels Score(1..15). The index
// is the category number; Chans (15) stands on the 14th row, above Kolvo (14).
struct CategoryRow {
    int index = 0;
    QStringView caption;
    int top = 0;
};
inline constexpr CategoryRow kCategoryRows[] = {
    {1, u"Ettor", 8},     {2, u"Tvåor", 24},    {3, u"Treor", 40},    {4, u"Fyror", 56},   {5, u"Femmor", 72},
    {6, u"Sexor", 88},    {7, u"Par", 104},     {8, u"Två par", 120}, {9, u"Triss", 136},  {10, u"Fyrtal", 152},
    {11, u"Lillan", 168}, {12, u"Storan", 184}, {13, u"Kåk", 200},    {15, u"Chans", 216}, {14, u"Kolvo", 232},
};
inline constexpr int kScoreValLeft = 12;
inline constexpr int kScoreValWidth = 70;
inline constexpr int kScoreLeft = 88;
inline constexpr int kScoreWidth = 33;
inline constexpr int kRowHeight = 17;

// Player table lblPlayer(1..6) and lblSum(1..6); the sixth row is 26 pixels below the fifth.
inline constexpr int kPlayerRowTops[] = {32, 56, 80, 104, 128, 154};
inline constexpr int kPlayerLeft = 168;
inline constexpr int kPlayerWidth = 153;
inline constexpr int kSumLeft = 336;
inline constexpr int kSumWidth = 61;

// Dice DicePic(0..4).
inline constexpr int kDiceTop = 280;
inline constexpr int kDiceLefts[] = {128, 168, 208, 248, 288};
inline constexpr int kDiceDesignSize = 33;
inline constexpr QStringView kDiceDesignToolTip = u"Håll/släpp med klick";

// Yellow frames drawn on the background at load, by opposite corners (both inclusive).
inline constexpr QRect kFrames[] = {
    QRect(QPoint(10, 6), QPoint(123, 251)),    // category boxes and scores
    QRect(QPoint(166, 6), QPoint(399, 173)),   // player table
    QRect(QPoint(126, 206), QPoint(243, 275)), // player in turn
    QRect(QPoint(254, 206), QPoint(395, 247)), // record
    QRect(QPoint(126, 278), QPoint(323, 315)), // dice
};
inline constexpr QRect kDiceFrame = kFrames[4];
// What a window beside the board never covers: the category boxes, the dice and Kasta.
inline constexpr QRect kCategoryFrame = kFrames[0];

// Menu tree. Spelarnummer(i) starts a game for i players.
inline constexpr QStringView kFileMenuName = u"mnuFile";
inline constexpr QStringView kFileMenuCaption = u"&Fil";
inline constexpr QStringView kExitName = u"mnuExit";
inline constexpr QStringView kExitCaption = u"&Exit";
inline constexpr QStringView kNewGameMenuName = u"mnuNewGame";
inline constexpr QStringView kNewGameMenuCaption = u"&Nytt spel";
inline constexpr QStringView kPlayerCountCaptions[] = {
    u"&En spelare", u"&Två spelare", u"T&re spelare", u"&Fyra spelare", u"Fe&m spelare", u"Se&x spelare",
};
inline constexpr QStringView kHelpName = u"mnuHelp";
inline constexpr QStringView kHelpCaption = u"&Hjälp";

} // namespace arena
