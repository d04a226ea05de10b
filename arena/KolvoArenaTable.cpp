// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QMenu>

#include "arena/ArenaDesign.h"
#include "arena/KolvoArena.h"
#include "arena/TableTexts.h"
#include "rules/GameFlow.h"
#include "rules/SolverCache.h"
#include "ui/ScoreTable.h"
#include "ui/SideWindows.h"

void KolvoArena::buildScoreTableMenu()
{
    mnuScoreTable = new QAction(texts::kTableMenuCaption.toString(), this);
    mnuScoreTable->setObjectName(QStringLiteral("mnuScoreTable"));
    mnuScoreTable->setShortcut(QKeySequence(Qt::Key_F3));
    mnuScoreTable->setAutoRepeat(false); // a held F3 opens or closes once
    mnuScoreTable->setCheckable(true);
    mnuFile->insertAction(mnuExit, mnuScoreTable);
    connect(mnuScoreTable, &QAction::triggered, this, [this](bool shown) { showScoreTable(shown); });
}

void KolvoArena::showScoreTable(bool shown)
{
    if (!scoreTable_) {
        scoreTable_ = new ui::ScoreTable(texts::kTableTitle.toString(), this);
        scoreTable_->addAction(mnuScoreTable); // F3 closes it from its own window too
        connect(scoreTable_, &ui::ScoreTable::visibilityChanged, this, [this](bool visible) {
            mnuScoreTable->setChecked(visible);
            if (visible)
                refreshScoreTable();
        });
        connect(this, &KolvoArena::gameChanged, this, &KolvoArena::refreshScoreTable);
        // The review fills in when the table is there; the game never waits for it.
        connect(&tableProvider(), &rules::TableProvider::tableReady, this, &KolvoArena::refreshScoreTable);
    }
    if (!shown) {
        const bool hadFocus = scoreTable_->isActiveWindow();
        scoreTable_->hide();
        if (hadFocus)
            activateWindow();
        return;
    }
    tableProvider().request();
    // Sized by its content before it is placed.
    fillScoreTable(); // its size comes from its content, before it is placed
    ui::showSideWindow(*this, *scoreTable_, *centralWidget(), {arena::kDiceFrame, arena::kRoller});
}

void KolvoArena::logHoldDecision()
{
    // Only a roll after the first, on dice that lie still, follows a choice of what to keep.
    const int rollsDone = rules::rollsDoneOf(state);
    if (state.NumPlayers == 0 || state.Rolling || rollsDone < 1 || rollsDone >= rules::kRollsPerTurn)
        return;
    const int p = state.CurrentPlayer + 1;
    std::uint8_t kept = 0;
    for (int i = 0; i < GameState::kDice; ++i)
        if (!state.DiceFree[i])
            kept |= std::uint8_t(1u << i);
    decisionLog.addHold(p, rules::sheetPositionOf(state, p), rules::diceOf(state), kept,
                        rules::kRollsPerTurn - rollsDone);
}

void KolvoArena::logCategoryDecision(std::int16_t Index)
{
    // Written while the dice still tumble, the points are those of faces no longer shown:
    // nothing the review could judge. Logged before the category is on the sheet.
    if (state.Rolling)
        return;
    const int p = state.CurrentPlayer + 1;
    const int rollsLeft = std::max(0, rules::kRollsPerTurn - rules::rollsDoneOf(state));
    decisionLog.addCategory(p, rules::sheetPositionOf(state, p), rules::diceOf(state), Index, rollsLeft);
}

void KolvoArena::refreshScoreTable()
{
    if (scoreTable_ && scoreTable_->isVisible())
        fillScoreTable();
}

void KolvoArena::fillScoreTable()
{
    const bool reviewed = tableProvider().ready();
    if (reviewed)
        decisionLog.judgeNew(*tableProvider().table());
    scoreTable_->setContent(texts::sheetContent(state, decisionLog, reviewed, lastWritten_, computerSeats_));
}
