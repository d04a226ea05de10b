// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QToolTip>

#include "arena/ArenaTexts.h"
#include "arena/ComputerTurn.h"
#include "arena/KolvoArena.h"
#include "arena/SpokenTexts.h"
#include "ui/Announcer.h"
#include "platform/Dialogs.h"
#include "rules/GameFlow.h"
#include "ui/FocusRing.h"
#include "ui/PictureBox.h"

void KolvoArena::SpelarNummer_Click(std::int16_t Index, const SeatPlan& seats)
{
    if (Index < 1 || Index > GameState::kMaxPlayers)
        return;
    if (rules::gameRunning(state) && !seats.discardConfirmed && !discardConfirmed(texts::kDiscardForNewGame))
        return;
    // Avbryt in a name prompt cancels the new game: the table is put back as it was.
    const Snapshot before{state, decisionLog, gameId_, TickCount};
    state.NumPlayers = Index;
    ResetGame();
    for (int i = 1; i <= state.NumPlayers; ++i) {
        const std::optional<QString> name = seats.names[std::size_t(i)]
            ? seats.names[std::size_t(i)]
            : services_.dialogs->askText(texts::kNamePrompt.arg(QString::number(i)), texts::kTitle.toString());
        if (!name) {
            restore(before);
            if (computer_)
                computer_->resume(); // its pause may have run out while the prompt was open
            return;
        }
        state.Names[std::size_t(i)] = *name;
        lblPlayer[i]->setText(*name);
    }
    lblSpelareTur->setText(state.Names[1]);
    Roller->setText(texts::kRollerNewGame.toString());
    for (int p = 1; p <= GameState::kMaxPlayers; ++p)
        describePlayerSheet(p);
    seatComputers(seats);
    describeTurn();
    Roller->setFocus(); // every turn starts at the roll button
    announcer().announce(texts::gameStarts(state, !std::exchange(howToTold_, true)));
    emit gameChanged();
}

void KolvoArena::ResetGame()
{
    stopRolling();
    // HasRolled is false from here on, so none of the box changes below is taken as a choice.
    rules::startGame(state, state.NumPlayers);
    for (int p = 1; p <= GameState::kMaxPlayers; ++p) {
        lblSum[p]->setText(QString());
        lblPlayer[p]->setText(QString());
        for (int c = 1; c <= GameState::kCategories; ++c) {
            Score[c]->setText(QString());
            ScoreVal[c]->setEnabled(true);
            ScoreVal[c]->setChecked(false);
        }
    }
    Roller->setEnabled(true);
    for (int i = 0; i < GameState::kDice; ++i)
        setDieHeld(i, false);
    showRollCount(0); // shows while the name prompts are open
    ui::clearRingMark(Backdrop);
    decisionLog.clear();
    lastWritten_ = {};
    ++gameId_;
}

void KolvoArena::NextPlayer()
{
    stopRolling();
    rules::passTurn(state);
    Roller->setEnabled(true);
    const QImage& blank = blankDie();
    for (int i = 0; i < GameState::kDice; ++i) {
        setDieHeld(i, false);
        DicePic[i]->setPicture(blank);
    }
    lblSpelareTur->setText(state.Names[std::size_t(state.CurrentPlayer + 1)]);
    Roller->setText(texts::kRollerNextTurn.toString());
    ShowPlayerSheet();
    describeTurn();
    Roller->setFocus();
    emit gameChanged();
}

void KolvoArena::describeTurn()
{
    // The keys were told once, as the game began; at the roll button a screen reader hears
    // only whose turn it is when it is not the person's own.
    QToolTip::hideText(); // a hint that is up belongs to the turn it was asked for in
    const int p = state.CurrentPlayer + 1;
    Roller->setAccessibleDescription(isComputer(p) ? texts::kComputerInTurn.arg(state.Names[std::size_t(p)])
                                                   : QString());
}

void KolvoArena::ShowPlayerSheet()
{
    const int p = state.CurrentPlayer + 1;
    for (int c = 1; c <= GameState::kCategories; ++c) {
        ScoreVal[c]->setEnabled(true);
        ScoreVal[c]->setChecked(false);
        Score[c]->setText(QString());
        if (!rules::categoryFree(state, p, c)) {
            Score[c]->setText(QString::number(state.Points[p][c]));
            ScoreVal[c]->setChecked(true);
            ScoreVal[c]->setEnabled(false);
        }
    }
}
