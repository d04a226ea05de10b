// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTimer>

#include "rules/Solver.h"
#include "rules/SolverCache.h"
#include "arena/AdviceText.h"
#include "arena/ArenaTexts.h"
#include "arena/KolvoArena.h"
#include "platform/Dialogs.h"

rules::TableProvider& KolvoArena::tableProvider()
{
    if (!coach_) {
        // Made at the first request, never at start-up: the table is read or solved on
        // the provider's own thread while the game goes on.
        coach_ = new rules::TableProvider(services_.cacheDirectory(), this);
        connect(coach_, &rules::TableProvider::tableReady, this, [this] {
            if (std::exchange(adviceWaiting_, false))
                services_.dialogs->notice(adviceNow(), texts::kCoachTitle.toString());
        });
    }
    return *coach_;
}

void KolvoArena::showAdvice()
{
    tableProvider();
    if (coach_->ready()) {
        services_.dialogs->message(adviceNow(), DialogButtons::Ok, texts::kCoachTitle.toString());
        return;
    }
    adviceWaiting_ = true;
    coach_->request();
    services_.dialogs->notice(texts::kCoachWorking.toString(), texts::kCoachTitle.toString());
}

QString KolvoArena::adviceNow() const
{
    // The current player's own sheet, as a game of one; reading it changes nothing.
    if (state.NumPlayers == 0)
        return texts::kCoachNoGame.toString();
    if (Timer1->isActive())
        return texts::kCoachRolling.toString();
    return texts::adviceText(*coach_->table(), state, state.CurrentPlayer + 1, rules::rollsDoneOf(state));
}
