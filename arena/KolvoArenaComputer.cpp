// SPDX-License-Identifier: GPL-3.0-or-later
#include <QPushButton>
#include <QStringList>

#include "arena/ArenaTexts.h"
#include "arena/ComputerTurn.h"
#include "arena/HelpTexts.h"
#include "arena/KolvoArena.h"
#include "platform/Dialogs.h"
#include "rules/GameFlow.h"
#include "rules/SolverCache.h"

namespace {
constexpr int kMostOfEither = GameState::kMaxPlayers - 1; // at least one person and one computer

QStringList counts()
{
    QStringList out;
    for (int n = 1; n <= kMostOfEither; ++n)
        out << QString::number(n);
    return out;
}
} // namespace

void KolvoArena::mnuComputer_Click()
{
    // Asked first: nothing else of a new game is worth typing if the running one stays.
    if (rules::gameRunning(state) && !discardConfirmed(texts::kDiscardForNewGame))
        return;
    QStringList strengths, paces;
    for (std::size_t i = 0; i < std::size(texts::kStrengthNames); ++i)
        strengths << texts::kStrengthChoice.arg(texts::kStrengthNames[i], texts::strengthSummary(i));
    for (QStringView name : texts::kPaceNames)
        paces << name.toString();
    const ComputerGameChoice& last = lastComputerGame_;
    const std::vector<ChoiceField> fields{
        {texts::kComputerPeople.toString(), counts(), last.people - 1},
        {texts::kComputerComputers.toString(), counts(), last.computers - 1},
        {texts::kComputerStrength.toString(), strengths, int(last.strength)},
        {texts::kComputerPace.toString(), paces, int(last.pace)},
    };
    const auto fits = [](const Choices& c) {
        return c.size() == 4 && c[0] >= 0 && c[1] >= 0 && c[0] + 1 + c[1] + 1 <= GameState::kMaxPlayers && c[2] >= 0
            && c[2] < int(std::size(texts::kStrengthNames)) && c[3] >= 0 && c[3] < int(std::size(texts::kPaceNames));
    };
    const std::optional<Choices> chosen = services_.dialogs->askChoices(texts::kComputerTitle.toString(), fields, fits);
    if (!chosen || !fits(*chosen))
        return;
    const ComputerGameChoice game{(*chosen)[0] + 1, (*chosen)[1] + 1, rules::Strength((*chosen)[2]),
                                  Pace((*chosen)[3])};
    // Offered again next time, also when a name prompt below is cancelled.
    lastComputerGame_ = game;

    // The names come first, so that Avbryt leaves the game on the board untouched.
    SeatPlan seats;
    seats.strength = game.strength;
    seats.pace = game.pace;
    seats.discardConfirmed = true;
    for (int i = 1; i <= game.people; ++i) {
        const auto name
            = services_.dialogs->askText(texts::kNamePrompt.arg(QString::number(i)), texts::kTitle.toString());
        if (!name)
            return;
        seats.names[std::size_t(i)] = *name;
    }
    for (int k = 1; k <= game.computers; ++k) {
        const auto seat = std::size_t(game.people + k);
        seats.names[seat] = texts::kComputerName.arg(QString::number(k));
        seats.computer[seat] = true;
    }
    SpelarNummer_Click(std::int16_t(game.people + game.computers), seats);
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
