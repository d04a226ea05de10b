// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/Solver.h"
#include "rules/SolverCache.h"
#include "arena/AdviceText.h"
#include "arena/ArenaDesign.h"
#include "arena/ArenaTexts.h"
#include "arena/KolvoArena.h"
#include "ui/Announcer.h"
#include "ui/CoachPanel.h"
#include "ui/SideWindows.h"

rules::TableProvider& KolvoArena::tableProvider()
{
    // One table for the coach, the review and the computer players, made at the first need,
    // never at start-up: it is read or solved on the provider's own thread while the game
    // goes on, once its first user requests it.
    if (!solverTable_)
        solverTable_ = new rules::TableProvider(services_.cacheDirectory(), this);
    return *solverTable_;
}

void KolvoArena::toggleCoachPanel()
{
    if (!coachPanel_) {
        coachPanel_ = new CoachPanel(texts::kCoachTitle.toString(), texts::kCoachMoveHeader.toString(),
                                     texts::kCoachValueHeader.toString(), texts::widestAdvice(), this);
        const auto refresh = [this] {
            if (coachPanel_->isVisible())
                refreshCoachPanel();
        };
        connect(this, &KolvoArena::gameChanged, coachPanel_, refresh);
        for (auto news : {&rules::TableProvider::tableReady, &rules::TableProvider::solvingStarted})
            connect(&tableProvider(), news, coachPanel_, refresh);
    }
    if (coachPanel_->isVisible()) {
        coachPanel_->hide();
        return;
    }
    tableProvider().request();
    refreshCoachPanel();
    announcer().announce(coachPanel_->advice()); // asked for: heard as well as shown
    ui::showSideWindow(*this, *coachPanel_, *centralWidget(), {arena::kDiceFrame, arena::kRoller});
}

void KolvoArena::refreshCoachPanel()
{
    // The current player's own sheet, as a game of one; reading it changes nothing.
    if (state.NumPlayers == 0) {
        coachPanel_->showAdvice(QString(), texts::kCoachNoGame.toString(), {});
        return;
    }
    const int player = state.CurrentPlayer + 1;
    const QString& name = state.Names[std::size_t(player)];
    const QString heading
        = texts::kCoachFor.arg(name.isEmpty() ? texts::kCoachPlayerNumber.arg(QString::number(player)) : name);
    if (!solverTable_->ready()) {
        const QStringView waiting = solverTable_->solving() ? texts::kCoachSolving : texts::kCoachLoading;
        coachPanel_->showAdvice(heading, waiting.toString(), {});
    } else if (state.Rolling) {
        coachPanel_->showAdvice(heading, texts::kCoachRolling.toString(), {});
    } else {
        const texts::Advice advice
            = texts::adviceText(*solverTable_->table(), state, player, rules::rollsDoneOf(state));
        coachPanel_->showAdvice(heading, advice.note, advice.rows);
    }
}
