// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QRect>
#include <QStringView>

#include "platform/Text.h"

// The start-up window's design, in pixels of the client area.
namespace intro {

inline constexpr Text kCaption{"Intro", QT_TRANSLATE_NOOP("Intro", "    Kolvo Introduktion")};
inline constexpr int kClientWidth = 512;
inline constexpr int kClientHeight = 217;
inline constexpr QStringView kIcon = u":/images/icon-kolvo.png";

// Drawn from the top-left corner; one pixel row lower than the client area, so the
// bottom row shows the window colour.
inline constexpr QStringView kPicture = u":/images/title.png";

// The only control; it lies over the picture and has the keyboard focus.
inline constexpr QStringView kOrderName = u"Order";
inline constexpr Text kOrderCaption{"Intro", QT_TRANSLATE_NOOP("Intro", "Till inmatningar")};
inline constexpr QRect kOrder(8, 160, 73, 33);
inline constexpr Text kOrderDescription{
    "Intro", QT_TRANSLATE_NOOP("Intro", "Går vidare till tärningsvalet. Enter eller mellanslag trycker på knappen.")};

} // namespace intro
