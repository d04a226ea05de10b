// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolTip>

#include "arena/ArenaTexts.h"
#include "arena/ComputerTurn.h"
#include "arena/KolvoArena.h"
#include "arena/SpokenTexts.h"
#include "platform/Dialogs.h"
#include "rules/GameFlow.h"

void KolvoArena::SpelarNummer_Click(std::int16_t Index, const SeatPlan& seats)
{
    if (Index < 1 || Index > GameState::kMaxPlayers)
        return;
    if (rules::gameRunning(state()) && !seats.discardConfirmed && !discardConfirmed(texts::kDiscardForNewGame))
        return;
    // Avbryt in a name prompt cancels the new game: the table is put back as it was.
    const GameTable::Snapshot before = table_->snapshot();
    table_->newGame(Index, seats.computer);
    ResetGame();
    for (int i = 1; i <= Index; ++i) {
        const std::optional<QString> name = seats.names[std::size_t(i)]
            ? seats.names[std::size_t(i)]
            : services_.dialogs->askText(texts::kNamePrompt.arg(QString::number(i)), texts::kTitle.toString());
        if (!name) {
            table_->restore(before);
            if (computer_)
                computer_->resume(); // its pause may have run out while the prompt was open
            return;
        }
        table_->setName(i, *name);
    }
    seatComputers(seats);
    table_->seat(!std::exchange(howToTold_, true));
}

void KolvoArena::ResetGame()
{
    // The table has begun the new game: every sheet, name and die of the board is painted
    // from it while the names are asked for.
    paintBoard();
}

void KolvoArena::NextPlayer()
{
    table_->passTurn(Mover::person());
}

void KolvoArena::describeTurn()
{
    // The keys were told once, as the game began; at the roll button a screen reader hears
    // only whose turn it is when it is not the person's own.
    QToolTip::hideText();          // a hint that is up belongs to the turn it was asked for in
    Roller->setToolTip(QString()); // how to begin, or what a computer was thinking
    const int p = table_->playerInTurn();
    Roller->setAccessibleDescription(table_->isComputer(p) ? texts::kComputerInTurn.arg(state().Names[std::size_t(p)])
                                                           : QString());
}

void KolvoArena::ShowPlayerSheet()
{
    // The sheet of the player in turn; before any game an empty one. Painting a tick is
    // nobody's choice.
    const GameState& s = state();
    const int p = table_->playerInTurn();
    for (int c = 1; c <= GameState::kCategories; ++c) {
        const bool used = s.NumPlayers > 0 && !rules::categoryFree(s, p, c);
        const QSignalBlocker quiet(ScoreVal[c]);
        ScoreVal[c]->setChecked(used);
        ScoreVal[c]->setEnabled(!used);
        Score[c]->setText(used ? QString::number(s.Points[p][c]) : QString());
    }
}
