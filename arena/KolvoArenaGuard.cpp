// SPDX-License-Identifier: GPL-3.0-or-later
// A running game is never thrown away unasked, and a new game the player cancels
// leaves the table as it was.
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <vector>

#include "arena/ArenaDesign.h"
#include "arena/ArenaTexts.h"
#include "arena/KolvoArena.h"
#include "platform/Dialogs.h"
#include "rules/GameFlow.h"
#include "ui/PictureBox.h"

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
    if (!closeUnasked_ && rules::gameRunning(state) && !discardConfirmed(texts::kDiscardForExit)) {
        event->ignore();
        return;
    }
    GameWindow::closeEvent(event);
}

void KolvoArena::restore(const Snapshot& before)
{
    state = before.state;
    decisionLog = before.decisions;
    gameId_ = before.gameId;
    TickCount = before.tickCount;
    resumeRolling();
    paintTable();
}

void KolvoArena::paintTable()
{
    // Everything a new game changes, painted from the state alone.
    const bool inGame = state.NumPlayers > 0;
    const int rolls = rules::rollsMade(state);
    Roller->setEnabled(rules::mayRoll(state));
    if (rolls > 0)
        showRollCount(rolls);
    else
        Roller->setText(
            (!inGame || rules::firstTurn(state) ? texts::kRollerNewGame : texts::kRollerNextTurn).toString());
    for (int p = 1; p <= GameState::kMaxPlayers; ++p) {
        lblPlayer[p]->setText(state.Names[p]);
        const std::int16_t total = state.Points[p][GameState::kTotalRow];
        // The sum shows from the first category that scored; a give-up writes no sum.
        lblSum[p]->setText(total > 0 ? QString::number(total) : QString());
    }
    {
        // Putting a tick back is no choice of the player's.
        std::vector<QSignalBlocker> quiet;
        for (int c = 1; c <= GameState::kCategories; ++c)
            quiet.emplace_back(ScoreVal[c]);
        if (inGame) {
            ShowPlayerSheet();
        } else {
            for (int c = 1; c <= GameState::kCategories; ++c) {
                ScoreVal[c]->setEnabled(true);
                ScoreVal[c]->setChecked(false);
                Score[c]->setText(QString());
            }
        }
    }
    // Before any game the dice are neither free nor held: their looks come back as designed.
    for (int i = 0; i < GameState::kDice; ++i) {
        if (inGame) {
            setDieHeld(i, !state.DiceFree[i]);
        } else {
            DicePic[i]->setBorder(false);
            DicePic[i]->setToolTip(arena::kDiceDesignToolTip.toString());
            describeDie(i);
        }
    }
}
