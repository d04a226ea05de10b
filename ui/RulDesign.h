// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QRect>
#include <QStringView>

#include "platform/Text.h"

// The set-up window's design, in pixels of the client area. Nothing else in the code
// repeats these numbers.
namespace rul {

// Four blanks, "Tärningsval", thirty blanks, "KOLVO FÖR SEX SPELARE".
inline constexpr Text kCaption{
    "Setup", QT_TRANSLATE_NOOP("Setup", "    Tärningsval                              KOLVO FÖR SEX SPELARE")};
inline constexpr int kClientWidth = 209;
inline constexpr int kClientHeight = 323;
inline constexpr QStringView kIcon = u":/images/icon-kolvo.png";

// "MS Sans Serif" bold, 8.25 point, for the label and the buttons.
inline constexpr double kPointSize = 8.25;
inline constexpr bool kBold = true;

// The label sizes itself to its text; only its top-left corner is binding.
inline constexpr QStringView kInfoName = u"TärningsInfo";
inline constexpr Text kInfoCaption{"Setup", QT_TRANSLATE_NOOP("Setup", " Välj tärning.")};
inline constexpr QRect kInfo(64, 48, 75, 13);

// DiceStyle1..6: button N picks style N, the sheet's column N - 1. DiceStyle6 stands
// at the x of Pico(5), the others 8 pixels right of the Pico box above them.
struct ButtonDesign {
    QStringView name;
    QStringView caption;
    QRect rect;
};
inline constexpr ButtonDesign kStyleButtons[] = {
    {u"DiceStyle1", u"1", QRect(16, 72, 17, 17)},  {u"DiceStyle2", u"2", QRect(48, 72, 17, 17)},
    {u"DiceStyle3", u"3", QRect(80, 72, 17, 17)},  {u"DiceStyle4", u"4", QRect(112, 72, 17, 17)},
    {u"DiceStyle5", u"5", QRect(144, 72, 17, 17)}, {u"DiceStyle6", u"6", QRect(168, 72, 17, 17)},
};
// What a screen reader says of style button N (%1): what it does and how the keys work.
inline constexpr Text kStyleButtonName{"Setup", QT_TRANSLATE_NOOP("Setup", "Tärningsstil %1")};
inline constexpr Text kStyleButtonDescription{
    "Setup",
    QT_TRANSLATE_NOOP("Setup", "Väljer tärningar i stil %1. Tabb går till nästa stil, mellanslag eller Enter väljer.")};

// The face sheet: 6 x 6 cells of 32 x 32 pixels, column = style, row = face value - 1.
// Its box sizes itself to the picture plus a one-pixel border.
inline constexpr QStringView kHolderName = u"Diceholder";
inline constexpr QStringView kHolderPicture = u":/images/faces.png";
inline constexpr QRect kHolder(8, 96, 194, 194);
inline constexpr int kCell = 32;
inline constexpr int kStyles = 6;
inline constexpr int kFaces = 6;

// The sign that leads on; it sizes itself to its picture plus a one-pixel border.
// Once shown it has the keyboard focus, and Enter or Space presses it.
inline constexpr QStringView kForwardName = u"Forward";
inline constexpr QStringView kForwardPicture = u":/images/forward.png";
inline constexpr QRect kForward(56, 296, 75, 22);
inline constexpr Text kForwardToolTip{"Setup", QT_TRANSLATE_NOOP("Setup", "Tryck här när all inmatning är klar")};
inline constexpr Text kForwardAccessibleName{"Setup", QT_TRANSLATE_NOOP("Setup", "Vidare")};
inline constexpr Text kForwardDescription{
    "Setup",
    QT_TRANSLATE_NOOP("Setup", "Tryck här när all inmatning är klar. Mellanslag eller Enter går vidare till spelet.")};

// Pico(k) shows face value k + 1; each has a one-pixel border, so Pico(2), two
// pixels narrower than the rest, draws only 30 of a cell's 32 columns.
inline constexpr QStringView kPicoName = u"Pico(%1)";
inline constexpr QRect kPico[] = {
    QRect(8, 8, 34, 34),   QRect(40, 8, 34, 34),  QRect(72, 8, 32, 34),
    QRect(104, 8, 34, 34), QRect(136, 8, 34, 34), QRect(168, 8, 34, 34),
};

} // namespace rul
