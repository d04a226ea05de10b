// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QRect>
#include <QRgb>
#include <QStringView>

#include "platform/Text.h"

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
    Text caption;
    QRect rect;
    Align align = Align::Left;
    Text toolTip; // empty: none
};

// Labels that only show their caption.
inline constexpr LabelDesign kPlainLabels[] = {
    {u"Label2", {"Board", QT_TRANSLATE_NOOP("Board", "Spelare")}, QRect(168, 8, 81, 17), Align::Left, {}},
    {u"Label3", {"Board", QT_TRANSLATE_NOOP("Board", "Poäng")}, QRect(336, 8, 61, 17), Align::Left, {}},
    {u"Label1", {"Board", QT_TRANSLATE_NOOP("Board", "Nu kastar")}, QRect(128, 208, 113, 25), Align::Centre, {}},
};
// Labels the game writes to, each built from its own entry.
inline constexpr LabelDesign kSpelareTur{
    u"lblSpelareTur",
    {},
    QRect(128, 232, 113, 41),
    Align::Centre,
    {"Board", QT_TRANSLATE_NOOP("Board", "Visar vilken spelare som är i tur att kasta")}};
inline constexpr LabelDesign kHighscoreHolder{u"lblHighscoreHolder",
                                              {"Board", QT_TRANSLATE_NOOP("Board", "Högsta poäng")},
                                              QRect(256, 208, 137, 17),
                                              Align::Centre,
                                              {}};
inline constexpr LabelDesign kRekordHållareNamn{u"RekordHållareNamn",
                                                {},
                                                QRect(256, 228, 105, 17),
                                                Align::Left,
                                                {"Board", QT_TRANSLATE_NOOP("Board", "Rekordhållarens namn")}};
inline constexpr LabelDesign kRekordhållare{u"Rekordhållare",
                                            {},
                                            QRect(364, 228, 29, 17),
                                            Align::Centre,
                                            {"Board", QT_TRANSLATE_NOOP("Board", "Rekordhållarens poäng")}};

inline constexpr QStringView kRollerName = u"Roller";
inline constexpr Text kRollerCaption{"Board", QT_TRANSLATE_NOOP("Board", "Kasta")};
inline constexpr QRect kRoller(344, 280, 81, 33);

inline constexpr QStringView kLineName = u"Line1";
inline constexpr QRect kLine(0, 0, 404, 1); // a one-pixel rule along the top edge

inline constexpr QStringView kTimerName = u"Timer1";
inline constexpr int kTimerInterval = 100; // ms

// Category check boxes ScoreVal(1..15) and their score labels Score(1..15). The index
// is the category number; Chans (15) stands on the 14th row, above Kolvo (14).
struct CategoryRow {
    int index = 0;
    Text caption;
    int top = 0;
};
inline constexpr CategoryRow kCategoryRows[] = {
    {1, {"Board", QT_TRANSLATE_NOOP("Board", "Ettor")}, 8},
    {2, {"Board", QT_TRANSLATE_NOOP("Board", "Tvåor")}, 24},
    {3, {"Board", QT_TRANSLATE_NOOP("Board", "Treor")}, 40},
    {4, {"Board", QT_TRANSLATE_NOOP("Board", "Fyror")}, 56},
    {5, {"Board", QT_TRANSLATE_NOOP("Board", "Femmor")}, 72},
    {6, {"Board", QT_TRANSLATE_NOOP("Board", "Sexor")}, 88},
    {7, {"Board", QT_TRANSLATE_NOOP("Board", "Par")}, 104},
    {8, {"Board", QT_TRANSLATE_NOOP("Board", "Två par")}, 120},
    {9, {"Board", QT_TRANSLATE_NOOP("Board", "Triss")}, 136},
    {10, {"Board", QT_TRANSLATE_NOOP("Board", "Fyrtal")}, 152},
    {11, {"Board", QT_TRANSLATE_NOOP("Board", "Lillan")}, 168},
    {12, {"Board", QT_TRANSLATE_NOOP("Board", "Storan")}, 184},
    {13, {"Board", QT_TRANSLATE_NOOP("Board", "Kåk")}, 200},
    {15, {"Board", QT_TRANSLATE_NOOP("Board", "Chans")}, 216},
    {14, {"Board", QT_TRANSLATE_NOOP("Board", "Kolvo")}, 232},
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
inline constexpr Text kDiceDesignToolTip{"Board", QT_TRANSLATE_NOOP("Board", "Håll/släpp med klick")};

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
inline constexpr Text kFileMenuCaption{"Board", QT_TRANSLATE_NOOP("Board", "&Fil")};
inline constexpr QStringView kExitName = u"mnuExit";
inline constexpr Text kExitCaption{"Board", QT_TRANSLATE_NOOP("Board", "&Exit")};
inline constexpr QStringView kNewGameMenuName = u"mnuNewGame";
inline constexpr Text kNewGameMenuCaption{"Board", QT_TRANSLATE_NOOP("Board", "&Nytt spel")};
inline constexpr Text kPlayerCountCaptions[]
    = {{"Board", QT_TRANSLATE_NOOP("Board", "&En spelare")},  {"Board", QT_TRANSLATE_NOOP("Board", "&Två spelare")},
       {"Board", QT_TRANSLATE_NOOP("Board", "T&re spelare")}, {"Board", QT_TRANSLATE_NOOP("Board", "&Fyra spelare")},
       {"Board", QT_TRANSLATE_NOOP("Board", "Fe&m spelare")}, {"Board", QT_TRANSLATE_NOOP("Board", "Se&x spelare")}};
inline constexpr QStringView kHelpName = u"mnuHelp";
inline constexpr Text kHelpCaption{"Board", QT_TRANSLATE_NOOP("Board", "&Hjälp")};

} // namespace arena
