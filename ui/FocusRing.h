// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace ui {

// The ring's width; it lies just outside the focused control.
inline constexpr int kFocusRingWidth = 2;

// From now on, whichever control of window has the keyboard focus is framed by a
// ring kFocusRingWidth pixels wide just outside it, of dashes alternately black and
// white: one of the two stands out on any background (the blue window, the grey one,
// the white title picture, a die of any style), and the dashes tell it apart from the
// solid border of a held die. The ring follows the control when it moves, resizes or
// hides, shows only while the window is active, lies above the control's siblings and
// takes no clicks. A widget that takes no focus of its own is not framed when given it. Call it once per window, after
// or before its controls are made.
void installFocusRing(QWidget& window);

// The same ring around a control without the focus, until cleared: what another player is
// about to choose. The focus stays where it is, and no tool tip shows. One mark at a time
// among a parent's children.
void markWithRing(QWidget* control);
void clearRingMark(QWidget* parent);

} // namespace ui
