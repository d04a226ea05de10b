// SPDX-License-Identifier: GPL-3.0-or-later
// A running game is never thrown away unasked, and a new game the player cancels
// leaves the table as it was.
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

#include "arena/ArenaTexts.h"
#include "arena/KolvoArena.h"
#include "arena/TableSnapshot.h"
#include "platform/Dialogs.h"
#include "rules/ScoreSheet.h"
#include "ui/PictureBox.h"

bool KolvoArena::gameRunning() const
{
    if (state.NumPlayers == 0 || rules::allCategoriesUsed(state))
        return false;
    // The third roll clears RollCount and HasRolled while its dice still tumble.
    if (Timer1->isActive() || state.HasRolled || state.RollCount > 0)
        return true;
    for (int p = 1; p <= state.NumPlayers; ++p)
        for (int c = 1; c <= GameState::kCategories; ++c)
            if (state.Points[p][c] != GameState::kFree)
                return true;
    return false;
}

bool KolvoArena::discardConfirmed(QStringView question)
{
    return services_.dialogs->message(question.toString(), DialogButtons::OkCancel, texts::kTitle.toString())
        == DialogAnswer::Ok;
}

void KolvoArena::closeEvent(QCloseEvent* event)
{
    // The close control asks. The exit command has asked already before the program
    // closes the window, and the session's end must not wait for an answer. (Qt delivers
    // the window system's close and the program's own alike, as not spontaneous.)
    if (!closeUnasked_ && gameRunning() && !discardConfirmed(texts::kDiscardForExit)) {
        event->ignore();
        return;
    }
    GameWindow::closeEvent(event);
}

KolvoArena::TableSnapshot KolvoArena::snapshot() const
{
    TableSnapshot s{.state = state,
                    .decisions = decisionLog,
                    .gameId = gameId_,
                    .rolling = Timer1->isActive(),
                    .rollerEnabled = Roller->isEnabled(),
                    .rollerText = Roller->text()};
    for (int p = 1; p <= GameState::kMaxPlayers; ++p) {
        s.names[p] = lblPlayer[p]->text();
        s.sums[p] = lblSum[p]->text();
    }
    for (int c = 1; c <= GameState::kCategories; ++c) {
        s.scores[c] = Score[c]->text();
        s.ticked[c] = ScoreVal[c]->isChecked();
        s.enabled[c] = ScoreVal[c]->isEnabled();
    }
    for (int i = 0; i < GameState::kDice; ++i) {
        s.held[i] = DicePic[i]->hasBorder();
        s.dieTips[i] = DicePic[i]->toolTip();
    }
    return s;
}

void KolvoArena::restore(const TableSnapshot& before)
{
    state = before.state;
    decisionLog = before.decisions;
    gameId_ = before.gameId;
    if (before.rolling)
        Timer1->start(); // the tick count came back with the state
    Roller->setEnabled(before.rollerEnabled);
    Roller->setText(before.rollerText);
    for (int p = 1; p <= GameState::kMaxPlayers; ++p) {
        lblPlayer[p]->setText(before.names[p]);
        lblSum[p]->setText(before.sums[p]);
    }
    for (int c = 1; c <= GameState::kCategories; ++c) {
        // Putting a tick back is no choice of the player's.
        const QSignalBlocker quiet(ScoreVal[c]);
        ScoreVal[c]->setChecked(before.ticked[c]);
        ScoreVal[c]->setEnabled(before.enabled[c]);
        Score[c]->setText(before.scores[c]);
    }
    // Before any game the dice are neither free nor held: their looks come back as seen.
    for (int i = 0; i < GameState::kDice; ++i) {
        DicePic[i]->setBorder(before.held[i]);
        DicePic[i]->setToolTip(before.dieTips[i]);
        describeDie(i);
    }
}
