// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

// Shows a failure that the program only reports (a sound that could not be played) in
// a non-modal box: the application's name as title, plain text, no icon, OK. Returns at once.
//
// At most one such box is open in the whole program at any time: a failure that comes
// while one is open, or waiting to open, is dropped. A box never opens over a modal
// box of the game: while one is up the failure waits, and opens once no modal box is
// left. An open box does not keep the program running. User-interface thread only.
void showFailureBox(const QString& text);
