// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLabel>
#include <QTimer>

#include "rules/Solver.h"
#include "rules/SolverCache.h"
#include "arena/AdviceText.h"
#include "arena/ArenaTexts.h"
#include "arena/KolvoArena.h"
#include "ui/CoachPanel.h"

void KolvoArena::toggleCoachPanel()
{
    if (!coachPanel_) {
        coachPanel_ = new CoachPanel(texts::kCoachTitle.toString(), texts::kCoachMoveHeader.toString(),
                                     texts::kCoachValueHeader.toString(), texts::widestAdvice(), this);
        connect(this, &KolvoArena::gameChanged, coachPanel_, [this] {
            if (coachPanel_->isVisible())
                refreshCoachPanel();
        });
    }
    if (coachPanel_->isVisible()) {
        coachPanel_->hide();
        return;
    }
    if (!coach_) {
        // Made at the first showing, never at start-up: the table is read or solved on
        // the provider's own thread while the game goes on.
        coach_ = new rules::TableProvider(services_.cacheDirectory(), this);
        for (auto news : {&rules::TableProvider::tableReady, &rules::TableProvider::solvingStarted})
            connect(coach_, news, coachPanel_, [this] {
                if (coachPanel_->isVisible())
                    refreshCoachPanel();
            });
        coach_->request();
    }
    refreshCoachPanel();
    coachPanel_->placeBeside(*this);
    coachPanel_->show();
}

void KolvoArena::refreshCoachPanel()
{
    // The current player's own sheet, as a game of one; reading it changes nothing.
    if (state.NumPlayers == 0) {
        coachPanel_->showAdvice(QString(), texts::kCoachNoGame.toString(), {});
        return;
    }
    const int player = state.CurrentPlayer + 1;
    const QString name = lblPlayer[player]->text();
    const QString heading
        = texts::kCoachFor.arg(name.isEmpty() ? texts::kCoachPlayerNumber.arg(QString::number(player)) : name);
    if (!coach_->ready()) {
        const QStringView waiting = coach_->solving() ? texts::kCoachSolving : texts::kCoachLoading;
        coachPanel_->showAdvice(heading, waiting.toString(), {});
    } else if (Timer1->isActive()) {
        coachPanel_->showAdvice(heading, texts::kCoachRolling.toString(), {});
    } else {
        const texts::Advice advice = texts::adviceText(*coach_->table(), state, player, rules::rollsDoneOf(state));
        coachPanel_->showAdvice(heading, advice.note, advice.rows);
    }
}
