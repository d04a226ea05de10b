// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace ui {

// Moves a window that shows beside the game next to the game window's frame, not over it:
// to its right, else to its left, below or above it, wherever it first fits on the screen.
// The view has its size already.
void placeBeside(QWidget& view, const QWidget& window);

} // namespace ui
