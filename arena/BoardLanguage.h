// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <functional>

#include "rules/GameState.h"

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QPushButton;
class QWidget;
class GameTable;
class PictureBox;
class SettingsStore;
class SideWindowHost;

// The main window in the language the player chooses.
namespace arena {

// What of the main window shows words, by the design's names, with the game table it paints and
// the host of the windows beside it.
struct BoardView {
    QWidget* window = nullptr;
    QMenu* mnuFile = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuNewGame = nullptr;
    const std::array<QAction*, GameState::kMaxPlayers + 1>* Spelarnummer = nullptr;
    QAction* mnuComputer = nullptr;
    QAction* mnuHelp = nullptr;
    const std::array<QCheckBox*, GameState::kCategories + 1>* ScoreVal = nullptr;
    const std::array<QLabel*, GameState::kMaxPlayers + 1>* lblPlayer = nullptr;
    const std::array<QLabel*, GameState::kMaxPlayers + 1>* lblSum = nullptr;
    QLabel* lblSpelareTur = nullptr;
    QLabel* lblHighscoreHolder = nullptr;
    QLabel* RekordHållareNamn = nullptr;
    QLabel* Rekordhållare = nullptr;
    const std::array<PictureBox*, GameState::kDice>* DicePic = nullptr;
    QPushButton* Roller = nullptr;
    const GameTable* table = nullptr;
    SideWindowHost* sideWindows = nullptr;
    std::function<void()> paint; // the board painted from the table's state, its hints included
};

// "Fil → Språk / Language", above Exit, and the board following the language from then on:
// at each change retranslateBoard. Once per board; a second call does nothing.
void addLanguageMenu(const BoardView& board, SettingsStore& settings);

// Every text of the board worded anew in the language shown now, from the design's tables and
// the table's state: the menus, the labels' captions and tool tips, the category boxes and
// their hints, the dice, the roll button, each player's sheet in its tool tip, and the windows
// beside the board (SideWindowHost::retranslate). The game is left as it is; what the players
// typed (their names) stays as typed.
void retranslateBoard(const BoardView& board);

} // namespace arena
