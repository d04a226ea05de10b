// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <vector>
#include <QImage>
#include <QPointer>

#include "arena/SeatPlan.h"
#include "arena/GameTable.h"
#include "rules/GameState.h"
#include "platform/Services.h"
#include "platform/SettingsStore.h"
#include "ui/GameWindow.h"

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;
class PictureBox;
class Announcer;
class BoardFocus;
class ComputerTurn;
class SideWindowHost;

// The main game window. Its handlers keep the design's names and order: each turns a
// person's click or key into a call on the game table (arena/GameTable.h), which every
// player, person or computer, sits at; paintBoard paints the board from the table's state.
// Face value v of the chosen dice style comes from facePicture(v). The windows beside it
// (the coach, the score sheet, the keys window) are hosted by SideWindowHost.
// Its files: KolvoArena.cpp builds the window, takes its keys and paints the board; one
// file per concern holds the handlers: Rolling, Turns, Scoring, EndGame, StartUp (load,
// exit, help, sound), Guard (what a new game or the exit must not lose) and Computer (the
// form of a game against the computer, and its seats).
class KolvoArena : public GameWindow {
    Q_OBJECT
public:
    KolvoArena(const Services& services, FacePictureSource facePicture, QWidget* parent = nullptr);
    ~KolvoArena() override;

    QString AppDir;                // the program's directory, ending in "/"; set at load
    bool IgnoreScoreClick = false; // the program un-ticks a box: that is no player's choice

    // Controls, by their design names; arrays keep their design index ranges
    // (unused slots are null).
    QPushButton* Roller = nullptr;
    QTimer* Timer1 = nullptr; // the table's: it runs the dice's tumble
    std::array<PictureBox*, GameState::kDice> DicePic{};
    std::array<QCheckBox*, GameState::kCategories + 1> ScoreVal{};   // 1..15
    std::array<QLabel*, GameState::kCategories + 1> Score{};         // 1..15
    std::array<QLabel*, GameState::kMaxPlayers + 1> lblPlayer{};     // 1..6
    std::array<QLabel*, GameState::kMaxPlayers + 1> lblSum{};        // 1..6
    std::array<QAction*, GameState::kMaxPlayers + 1> Spelarnummer{}; // 1..6
    QLabel* lblSpelareTur = nullptr;
    QLabel* lblHighscoreHolder = nullptr;
    QLabel* RekordHållareNamn = nullptr;
    QLabel* Rekordhållare = nullptr;
    QMenu* mnuFile = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuNewGame = nullptr;
    QAction* mnuHelp = nullptr;
    QAction* mnuComputer = nullptr;
    PictureBox* Backdrop = nullptr; // the client area with its persistent background

    // Start-up and menus.
    void Form_Load() override;
    void mnuExit_Click();
    void mnuHelp_Click();

    // Rolling and holding.
    void Roller_Click();
    void Timer1_Timer();
    void DicePic_Click(std::int16_t Index);

    // New game and turns.
    void SpelarNummer_Click(std::int16_t Index, const SeatPlan& seats = {});
    void ResetGame();
    void NextPlayer();
    void ShowPlayerSheet();

    // Scoring.
    void ShowScoreHints();
    void ScoreVal_Click(std::int16_t Index);
    void RecordScore(std::int16_t Index);
    void GameFinish();
    void EndGame();
    void LoadHighScore();

    void PlaySound(const QString& WavName);

    // "Mot datorn…": the form for a game against the computer, then the people's names; the
    // game starts as a player count does, with the computers' seats after the people's.
    // Avbryt anywhere leaves the game on the board as it was.
    void mnuComputer_Click();

    // The game every player sits at.
    GameTable& table() const { return *table_; }
    // The coach, the score sheet, the keys window and the solver's table.
    SideWindowHost& sideWindows() const { return *sideWindows_; }
    // The computer playing the game under way, if any.
    ComputerTurn* computer() const;

    // The session is ending (its manager asked the program to save): from now on closing
    // the window asks nothing.
    void sessionEnding() { closeUnasked_ = true; }

    // The window's icon: the blank die shown before a turn's first roll.
    const QImage& blankDie() const { return blankDie_; }

    // Tells a screen reader, unasked, what just happened on the board.
    Announcer& announcer() const { return *announcer_; }

private:
    const GameState& state() const;
    SettingsStore::SaveResult saveRecord(const QString& total, const QString& name);
    void buildControls();
    void buildMenus();
    void tableChanged(GameTable::Changes what);
    void paintBoard();
    void paintDice(bool faces);
    void describeDie(int i);
    void describeTurn();
    void describePlayerSheet(int player);
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool discardConfirmed(const Text& question);
    bool giveUpConfirmed(int category);
    void seatComputers(const SeatPlan& seats);

    Services services_;
    FacePictureSource facePicture_;
    QImage blankDie_;
    GameTable* table_ = nullptr;
    SideWindowHost* sideWindows_ = nullptr;
    Announcer* announcer_ = nullptr;
    BoardFocus* focus_ = nullptr; // where the focus goes when the game moves it
    bool closeUnasked_ = false;   // the exit was confirmed, or the session is ending
    bool placed_ = false;
    bool howToTold_ = false; // the keys are told as the first game of the run begins
    QPointer<ComputerTurn> computer_;
    ComputerGameChoice lastComputerGame_;
};
