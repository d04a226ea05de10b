// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class PictureBox;

namespace ui {

// Presents a picture box to assistive technology as a checkable button, as a die is: its
// name is the box's accessible name, it is checked (and pressed) while its border is on,
// it tells the change of that state, and its press action, like its toggle action, is a
// click: the box emits clicked() from the event loop, as for the mouse. Qt 6.4 has no
// toggle-button role on AT-SPI; Orca reads such a button as a push button by its name.
void presentAsToggle(PictureBox& box);

} // namespace ui
