// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "arena/ArenaTexts.h"
#include "arena/ComputerTurn.h"
#include "arena/KolvoArena.h"
#include "arena/TableSnapshot.h"
#include "platform/Dialogs.h"
#include "ui/PictureBox.h"

void KolvoArena::SpelarNummer_Click(std::int16_t Index, const SeatPlan& seats)
{
    if (Index < 1 || Index > GameState::kMaxPlayers)
        return;
    if (gameRunning() && !seats.discardConfirmed && !discardConfirmed(texts::kDiscardForNewGame))
        return;
    // Avbryt in a name prompt cancels the new game: the table is put back as it was.
    const TableSnapshot before = snapshot();
    state.NumPlayers = Index;
    ResetGame();
    for (int i = 1; i <= state.NumPlayers; ++i) {
        if (seats.names[std::size_t(i)]) {
            lblPlayer[i]->setText(*seats.names[std::size_t(i)]);
            continue;
        }
        const QString prompt = texts::kNamePrompt.arg(QString::number(i));
        const std::optional<QString> name = services_.dialogs->askText(prompt, texts::kTitle.toString());
        if (!name) {
            restore(before);
            if (computer_)
                computer_->resume(); // its pause may have run out while the prompt was open
            return;
        }
        lblPlayer[i]->setText(*name);
    }
    lblSpelareTur->setText(lblPlayer[1]->text());
    Roller->setText(texts::kRollerNewGame.toString());
    for (int p = 1; p <= GameState::kMaxPlayers; ++p)
        describePlayerSheet(p);
    Roller->setFocus(); // every turn starts at the roll button
    seatComputers(seats);
    emit gameChanged();
}

void KolvoArena::ResetGame()
{
    // An animation still running would roll and score the new game's dice.
    Timer1->stop();
    state.TickCount = 0;

    // With HasRolled false none of the box changes below is taken as a choice.
    state.HasRolled = false;
    for (int p = 1; p <= GameState::kMaxPlayers; ++p) {
        lblSum[p]->setText(QString());
        lblPlayer[p]->setText(QString());
        for (int c = 1; c <= GameState::kCategories; ++c) {
            state.Points[p][c] = GameState::kFree;
            Score[c]->setText(QString());
            ScoreVal[c]->setEnabled(true);
            ScoreVal[c]->setChecked(false);
        }
    }
    for (int p = 1; p <= GameState::kMaxPlayers; ++p) {
        state.Points[p][GameState::kBonusRow] = 0;
        state.Points[p][GameState::kTotalRow] = 0;
    }
    Roller->setEnabled(true);
    state.RollCount = 0;
    for (int i = 0; i < GameState::kDice; ++i) {
        state.DiceValue[i] = 0;
        setDieHeld(i, false);
    }
    showRollCount(); // shows while the name prompts are open
    state.CurrentPlayer = 0;
    decisionLog.clear();
    ++gameId_;
}

void KolvoArena::NextPlayer()
{
    // An animation still running would roll the next player's dice and give an extra roll.
    Timer1->stop();
    state.TickCount = 0;

    if (state.CurrentPlayer >= state.NumPlayers - 1)
        state.CurrentPlayer = 0;
    else
        ++state.CurrentPlayer;
    Roller->setEnabled(true);
    state.HasRolled = false;
    state.RollCount = 0;
    const QImage& blank = blankDie();
    for (int i = 0; i < GameState::kDice; ++i) {
        state.DiceValue[i] = 0;
        setDieHeld(i, false);
        DicePic[i]->setPicture(blank);
    }
    lblSpelareTur->setText(lblPlayer[state.CurrentPlayer + 1]->text());
    Roller->setText(texts::kRollerNextTurn.toString());
    ShowPlayerSheet();
    Roller->setFocus();
    emit gameChanged();
}

void KolvoArena::ShowPlayerSheet()
{
    const int p = state.CurrentPlayer + 1;
    for (int c = 1; c <= GameState::kCategories; ++c) {
        ScoreVal[c]->setEnabled(true);
        ScoreVal[c]->setChecked(false);
        Score[c]->setText(QString());
        if (state.Points[p][c] != GameState::kFree) {
            Score[c]->setText(QString::number(state.Points[p][c]));
            ScoreVal[c]->setChecked(true);
            ScoreVal[c]->setEnabled(false);
        }
    }
}
