// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <vector>
#include <QImage>
#include <QPointer>

#include "rules/DecisionLog.h"
#include "arena/ComputerSeats.h"
#include "arena/TableTexts.h"
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
class CoachPanel;
class ComputerTurn;
namespace rules {
class TableProvider;
}
namespace ui {
class ScoreTable;
struct SheetContent;
} // namespace ui

// The main game window. It owns the game state; its handlers read the event, call the
// turn flow (rules/GameFlow.h) and paint what changed. Face value v of the chosen dice
// style comes from facePicture(v). A person's clicks and keys and a computer's seat
// (ComputerTurn) act through the same face: rollAsPlayer, holdAsPlayer, writeAsPlayer.
// Its files: KolvoArena.cpp builds the window and takes its keys; one file per concern
// holds the handlers: Rolling (the only one that runs the roll's timer), Turns, Scoring,
// EndGame, StartUp (load, exit, help, sound), Guard (what a new game or the exit must not
// lose), Coach, Table (the score sheet's window and the review's log) and Computer (the
// form of a game against the computer, and its seats).
class KolvoArena : public GameWindow {
    Q_OBJECT
public:
    KolvoArena(const Services& services, FacePictureSource facePicture, QWidget* parent = nullptr);
    ~KolvoArena() override;

    GameState state;
    QString AppDir;                // the program's directory, ending in "/"; set at load
    std::int32_t TickCount = 0;    // ticks of the running roll animation
    bool IgnoreScoreClick = false; // the program un-ticks a box: that is no player's choice

    // Controls, by their design names; arrays keep their design index ranges
    // (unused slots are null).
    QPushButton* Roller = nullptr;
    QTimer* Timer1 = nullptr;
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
    QAction* mnuTips = nullptr;
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

    // What a player's input does, a person's or a computer's: a press of the roll button
    // while it can be pressed, a click on a die, a click on a category box.
    void rollAsPlayer();
    void holdAsPlayer(int die);
    void writeAsPlayer(int category);
    // Marks the category box a player is about to write, as the focus ring would, with no
    // focus moved and no hint shown; the write clears it.
    void markChoice(int category);
    bool diceRolling() const { return state.Rolling; }

    // F2 and "Fil → Tips": shows or hides the coach's panel beside the window.
    // While shown it follows the game with the advice for the player in turn; the first
    // showing starts reading or working out the coach's table in the background.
    void toggleCoachPanel();
    CoachPanel* coachPanel() const { return coachPanel_; }

    // The session is ending (its manager asked the program to save): from now on closing
    // the window asks nothing.
    void sessionEnding() { closeUnasked_ = true; }

    // The window's icon: the blank die shown before a turn's first roll.
    const QImage& blankDie() const { return blankDie_; }

    // "Mot datorn…": the form for a game against the computer, then the people's names; the
    // game starts as a player count does, with the computers' seats after the people's.
    // Avbryt anywhere leaves the game on the board as it was.
    void mnuComputer_Click();
    QAction* mnuComputer = nullptr;
    // Whether a computer plays seat player (1..6) in the game under way.
    bool isComputer(int player) const;
    // The computer playing the game under way, if any.
    ComputerTurn* computer() const;
    // The solver's table for the coach, the review and the computers, made at the first need.
    rules::TableProvider& tableProvider();

    // Tells a screen reader, unasked, what just happened on the board.
    Announcer& announcer() const { return *announcer_; }

    // Counts the games begun in this window: a step planned in one game is stale in the next.
    int gameId() const { return gameId_; }

    // F3 and "Fil → Protokoll": every player's sheet and the review of their decisions, in a
    // window beside this one that follows the game (KolvoArenaTable.cpp).
    QAction* mnuScoreTable = nullptr;
    void showScoreTable(bool shown);
    ui::ScoreTable* scoreTable() const { return scoreTable_; }
    // Every hold and category of the game so far, as the review judges them.
    rules::DecisionLog decisionLog;

signals:
    // What a view of the game shows has changed: a roll began or ended, a die was held or
    // released, a score was written and the turn passed, or a game began or ended.
    void gameChanged();

private:
    SettingsStore::SaveResult saveRecord(const QString& total, const QString& name);
    void buildControls();
    void buildTimer();
    void buildMenus();
    void setDieHeld(int i, bool held);
    void showRollCount(int count);
    void stopRolling();
    void resumeRolling();
    void describeDie(int i);
    void describeTurn();
    void paintTable();
    void keyPressEvent(QKeyEvent* event) override;
    void putBackUntakenTick(std::int16_t Index);
    void describePlayerSheet(int player);
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool discardConfirmed(QStringView question);
    void refreshCoachPanel();
    // What a new game changes before its names are in: put back as it was when a name
    // prompt is cancelled.
    struct Snapshot {
        GameState state;
        rules::DecisionLog decisions;
        int gameId = 0;
        std::int32_t tickCount = 0;
    };
    void restore(const Snapshot& before);

    Services services_;
    FacePictureSource facePicture_;
    QImage blankDie_;

    rules::TableProvider* solverTable_ = nullptr; // made at the first need (tableProvider)
    CoachPanel* coachPanel_ = nullptr;            // made at the first showing
    Announcer* announcer_ = nullptr;
    bool closeUnasked_ = false; // the exit was confirmed, or the session is ending
    bool placed_ = false;
    bool howToTold_ = false;       // the keys are told as the first game of the run begins
    bool scoreClickTaken_ = false; // the player's category click under way reached RecordScore
    int gameId_ = 0;

    // The score-sheet window and its review.
    void buildScoreTableMenu();
    void refreshScoreTable();
    void fillScoreTable();
    void logHoldDecision();
    void logCategoryDecision(std::int16_t Index);
    ui::ScoreTable* scoreTable_ = nullptr;
    texts::SheetPlace lastWritten_; // marked on the score sheet until the next roll
    void seatComputers(const SeatPlan& seats);
    // While a computer is in turn a person's clicks and keys on the board do nothing; the
    // computer acts through the player's face directly.
    bool personLocked() const;
    std::bitset<GameState::kMaxPlayers + 1> computerSeats_;
    QPointer<ComputerTurn> computer_;
    ComputerGameChoice lastComputerGame_;
};
