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
    const texts::Advice advice = texts::coachAdvice(tableProvider(), state);
    coachPanel_->showAdvice(advice.heading, advice.note, advice.rows);
}
