// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <QImage>
#include <QPointer>

#include "arena/ComputerSeats.h"
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
class ComputerTurn;
namespace rules {
class TableProvider;
}

// The main game window. It owns the game state; its handlers read the event, change
// the state and refresh the controls. Face value v of the chosen dice style comes
// from facePicture(v). Its files: KolvoArena.cpp builds the window, and one file per
// concern holds the handlers (Rolling, Turns, Scoring, EndGame, StartUp, Coach).
class KolvoArena : public GameWindow {
    Q_OBJECT
public:
    KolvoArena(const Services& services, FacePictureSource facePicture, QWidget* parent = nullptr);
    ~KolvoArena() override;

    GameState state;

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
    void EvaluateDice();
    void ShowScoreHints();
    void ScoreVal_Click(std::int16_t Index);
    void RecordScore(std::int16_t Index);
    void GameFinish();
    void EndGame();
    void LoadHighScore();

    void PlaySound(const QString& WavName);

    // F2: the coach's advice for the current player's situation, in a box titled
    // "Kolvo Tips". The first time, while the table is being made, a box says so and
    // shows the advice when it is ready.
    void showAdvice();

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
    // The solver's table for the coach and the computers, asked for at the first need.
    rules::TableProvider& tableProvider();

    // Counts the games begun in this window: a step planned in one game is stale in the next.
    int gameId() const { return gameId_; }

signals:
    // What a view of the game shows has changed: a roll began or ended, a die was held or
    // released, a score was written and the turn passed, or a game began or ended.
    void gameChanged();

private:
    friend class ComputerTurn; // presses the handlers a person's input reaches

    SettingsStore::SaveResult saveRecord(const QString& total, const QString& name);
    void buildControls();
    void buildMenus();
    void setDieHeld(int i, bool held);
    void showRollCount();
    void describeDie(int i);
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void putBackUntakenTick(std::int16_t Index);
    void describePlayerSheet(int player);
    void showEvent(QShowEvent* event) override;

    Services services_;
    FacePictureSource facePicture_;
    QImage blankDie_;
    QString adviceNow() const;

    rules::TableProvider* coach_ = nullptr; // made at the first request
    bool adviceWaiting_ = false;
    bool placed_ = false;
    bool scoreClickTaken_ = false; // the player's category click under way reached RecordScore
    int gameId_ = 0;

    void seatComputers(const SeatPlan& seats);
    // While a computer is in turn a person's clicks and keys on the board do nothing;
    // the computer's own presses pass.
    bool personLocked() const;
    std::bitset<GameState::kMaxPlayers + 1> computerSeats_;
    bool computerActing_ = false;
    QPointer<ComputerTurn> computer_;
    ComputerGameChoice lastComputerGame_;
};
