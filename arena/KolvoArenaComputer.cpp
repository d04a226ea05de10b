// SPDX-License-Identifier: GPL-3.0-or-later
#include <QPushButton>

#include "arena/ArenaTexts.h"
#include "arena/ComputerForm.h"
#include "arena/ComputerTurn.h"
#include "arena/KolvoArena.h"
#include "arena/SideWindowHost.h"
#include "platform/Announcer.h"
#include "rules/GameFlow.h"

void KolvoArena::mnuComputer_Click()
{
    // Asked first: nothing else of a new game is worth typing if the running one stays.
    if (rules::gameRunning(state()) && !discardConfirmed(texts::kDiscardForNewGame))
        return;
    // The names come before the new game, so that Avbryt leaves the game on the board untouched.
    if (const std::optional<SeatPlan> seats = askComputerGame(*services_.dialogs, lastComputerGame_))
        SpelarNummer_Click(std::int16_t(seats->players), *seats);
}

void KolvoArena::seatComputers(const SeatPlan& seats)
{
    if (computer_)
        computer_->deleteLater(); // stale already: the game it played has been replaced
    computer_ = nullptr;
    if (!seats.computer.any())
        return;
    computer_ = new ComputerTurn(*table_, sideWindows_->solverTable(), *services_.random, seats.strength, seats.pace);
    computer_->waitWhile([this] { return !announcer().quiet(Announcer::kSettleMs); }); // a write is heard first
    connect(computer_, &ComputerTurn::thinking, this, [this](bool thinking) {
        Roller->setToolTip(thinking ? texts::kComputerThinking.toString() : QString());
        if (thinking)
            Roller->setAccessibleDescription(texts::kComputerThinking.toString());
        else
            describeTurn();
    });
}

ComputerTurn* KolvoArena::computer() const
{
    return computer_.data();
}
