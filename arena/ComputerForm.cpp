// SPDX-License-Identifier: GPL-3.0-or-later
#include "arena/ComputerForm.h"

#include <QStringList>

#include "arena/ArenaTexts.h"
#include "arena/HelpTexts.h"
#include "platform/Dialogs.h"

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

std::optional<SeatPlan> askComputerGame(Dialogs& dialogs, ComputerGameChoice& last)
{
    QStringList strengths, paces;
    for (std::size_t i = 0; i < std::size(texts::kStrengthNames); ++i)
        strengths << texts::kStrengthChoice.arg(texts::kStrengthNames[i], texts::strengthSummary(i));
    for (std::size_t i = 0; i < std::size(texts::kPaceNames); ++i)
        paces << texts::kStrengthChoice.arg(texts::kPaceNames[i], texts::kPaceMeanings[i]);
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
    const std::optional<Choices> chosen = dialogs.askChoices(texts::kComputerTitle.toString(), fields, fits);
    if (!chosen || !fits(*chosen))
        return std::nullopt;
    const ComputerGameChoice game{(*chosen)[0] + 1, (*chosen)[1] + 1, rules::Strength((*chosen)[2]),
                                  Pace((*chosen)[3])};
    // Offered again next time, also when a name prompt below is cancelled.
    last = game;

    SeatPlan seats;
    seats.players = game.people + game.computers;
    seats.strength = game.strength;
    seats.pace = game.pace;
    seats.discardConfirmed = true;
    for (int i = 1; i <= game.people; ++i) {
        const auto name = dialogs.askText(texts::kNamePrompt.arg(QString::number(i)), texts::kTitle.toString());
        if (!name)
            return std::nullopt;
        seats.names[std::size_t(i)] = *name;
    }
    for (int k = 1; k <= game.computers; ++k) {
        const auto seat = std::size_t(game.people + k);
        seats.names[seat] = texts::kComputerName.arg(QString::number(k));
        seats.computer[seat] = true;
    }
    return seats;
}
