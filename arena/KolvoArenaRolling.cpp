// SPDX-License-Identifier: GPL-3.0-or-later
#include <QPushButton>
#include <QTimer>

#include "arena/ArenaTexts.h"
#include "arena/KolvoArena.h"
#include "ui/PictureBox.h"
#include "platform/Random.h"

namespace {
constexpr int kTicksPerRoll = 4;
constexpr int kRollsPerTurn = 3;
} // namespace

void KolvoArena::Roller_Click()
{
    logHoldDecision();
    PlaySound(state.AppDir + texts::kRollSound.toString());
    // A press while the dice still tumble counts a roll but does not restart the animation.
    if (!Timer1->isActive()) {
        Timer1->start();
        for (int i = 0; i < GameState::kDice; ++i)
            describeDie(i);
    }
    ++state.RollCount;
    showRollCount();
    // HasRolled is left alone here: it turns true only when an animation has ended, so
    // nothing can be held or scored on dice that belong to the previous turn.
    if (state.RollCount == kRollsPerTurn) {
        state.RollCount = 0;
        Roller->setEnabled(false);
        state.HasRolled = false;
    }
    emit gameChanged();
}

void KolvoArena::Timer1_Timer()
{
    ++state.TickCount;
    for (int i = 0; i < GameState::kDice; ++i) {
        if (!state.DiceFree[i])
            continue; // a held die keeps its face and picture
        const int v = faceFromDraw(services_.random->next());
        DicePic[i]->setPicture(facePicture_(v));
        state.DiceValue[i] = static_cast<std::int16_t>(v);
        describeDie(i);
    }
    if (state.TickCount == kTicksPerRoll) {
        Timer1->stop();
        for (int i = 0; i < GameState::kDice; ++i)
            describeDie(i);
        state.TickCount = 0;
        state.HasRolled = true;
        EvaluateDice();
        ShowScoreHints();
        emit gameChanged();
    }
}

void KolvoArena::DicePic_Click(std::int16_t Index)
{
    if (!state.HasRolled || Index < 0 || Index >= GameState::kDice)
        return;
    setDieHeld(Index, state.DiceFree[Index]);
    emit gameChanged();
}
