// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class KolvoArena;
class SettingsStore;

// The main window in the language the player chooses.
namespace arena {

// "Fil → Språk / Language", above Exit, and the board following the language from then on:
// at each change retranslateBoard. Once per board; a second call does nothing.
void addLanguageMenu(KolvoArena& board, SettingsStore& settings);

// Every text of the board worded anew in the language shown now, from the design's tables and
// the table's state: the menus, the labels' captions and tool tips, the category boxes and
// their hints, the dice, the roll button, each player's sheet in its tool tip, and the windows
// beside the board (SideWindowHost::retranslate). The game is left as it is; what the players
// typed (their names) stays as typed.
void retranslateBoard(KolvoArena& board);

} // namespace arena
