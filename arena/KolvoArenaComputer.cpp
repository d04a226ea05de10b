// SPDX-License-Identifier: GPL-3.0-or-later
#include <QPushButton>
#include <QStringList>

#include "arena/ArenaTexts.h"
#include "arena/ComputerForm.h"
#include "arena/ComputerTurn.h"
#include "arena/HelpTexts.h"
#include "arena/KolvoArena.h"
#include "platform/Dialogs.h"
#include "rules/GameFlow.h"
#include "rules/SolverCache.h"

void KolvoArena::mnuComputer_Click()
{
    // Asked first: nothing else of a new game is worth typing if the running one stays.
    if (rules::gameRunning(state) && !discardConfirmed(texts::kDiscardForNewGame))
        return;
    // The names come before the new game, so that Avbryt leaves the game on the board untouched.
    if (const std::optional<SeatPlan> seats = askComputerGame(*services_.dialogs, lastComputerGame_))
        SpelarNummer_Click(std::int16_t(seats->players), *seats);
}

bool KolvoArena::isComputer(int player) const
{
    return player >= 1 && player <= state.NumPlayers && computerSeats_[std::size_t(player)];
}

bool KolvoArena::personLocked() const
{
    return isComputer(state.CurrentPlayer + 1);
}

void KolvoArena::seatComputers(const SeatPlan& seats)
{
    computerSeats_ = seats.computer;
    if (computer_)
        computer_->deleteLater(); // stale already: the game it played has been replaced
    computer_ = nullptr;
    if (!seats.computer.any())
        return;
    computer_ = new ComputerTurn(*this, tableProvider(), *services_.random, seats.strength, seats.pace);
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
