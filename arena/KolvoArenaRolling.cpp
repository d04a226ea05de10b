// SPDX-License-Identifier: GPL-3.0-or-later
// The roll and its animation: the one place that runs the roll's timer. Everywhere else
// asks the state whether the dice are rolling.
#include <QPushButton>
#include <QTimer>

#include "arena/ArenaDesign.h"
#include "arena/ArenaTexts.h"
#include "arena/KolvoArena.h"
#include "arena/SpokenTexts.h"
#include "ui/Announcer.h"
#include "rules/GameFlow.h"
#include "ui/PictureBox.h"
#include "platform/Random.h"

namespace {
constexpr int kTicksPerRoll = 4;
} // namespace

void KolvoArena::buildTimer()
{
    Timer1 = new QTimer(this);
    Timer1->setObjectName(arena::kTimerName.toString());
    Timer1->setInterval(arena::kTimerInterval);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

void KolvoArena::Roller_Click()
{
    logHoldDecision();
    lastWritten_ = {};
    PlaySound(AppDir + texts::kRollSound.toString());
    const rules::RollBegun roll = rules::beginRoll(state);
    // A press while the dice still tumble counts a roll but does not restart the animation.
    if (roll.startsTumble) {
        Timer1->start();
        for (int i = 0; i < GameState::kDice; ++i)
            describeDie(i);
    }
    showRollCount(roll.count);
    if (roll.lastOfTurn) {
        // A disabled button hands its focus on at once: to the first free box, whose hint
        // would then be read for dice that still tumble. The window holds the focus until
        // they settle.
        if (Roller->hasFocus())
            setFocus(Qt::OtherFocusReason);
        Roller->setEnabled(false);
    }
    emit gameChanged();
}

void KolvoArena::Timer1_Timer()
{
    ++TickCount;
    std::array<int, GameState::kDice> faces{};
    for (int i = 0; i < GameState::kDice; ++i)
        if (state.DiceFree[i]) // a held die keeps its face and picture: it draws nothing
            faces[i] = faceFromDraw(services_.random->next());
    rules::tumble(state, faces);
    for (int i = 0; i < GameState::kDice; ++i) {
        if (!state.DiceFree[i])
            continue;
        DicePic[i]->setPicture(facePicture_(faces[i]));
        describeDie(i);
    }
    if (TickCount == kTicksPerRoll) {
        Timer1->stop();
        TickCount = 0;
        rules::settleRoll(state); // HasRolled, and the dice evaluated
        for (int i = 0; i < GameState::kDice; ++i)
            describeDie(i);
        ShowScoreHints();
        announcer().announce(texts::rollSettled(state));
        if (focusWidget() == this && !personLocked()) // the person chooses a category now
            focusNextChild();
        emit gameChanged();
    }
}

void KolvoArena::stopRolling()
{
    // An animation still running would roll the next turn's or the new game's dice.
    Timer1->stop();
    TickCount = 0;
}

void KolvoArena::resumeRolling()
{
    if (state.Rolling)
        Timer1->start(); // the tick count came back with the table
}

void KolvoArena::DicePic_Click(std::int16_t Index)
{
    if (!rules::toggleHold(state, Index))
        return;
    setDieHeld(Index, !state.DiceFree[Index]);
    announcer().announce(texts::holdChanged(state, Index));
    emit gameChanged();
}

void KolvoArena::rollAsPlayer()
{
    if (Roller->isEnabled())
        Roller_Click();
}

void KolvoArena::holdAsPlayer(int die)
{
    DicePic_Click(std::int16_t(die));
}
