// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QStringList>
#include <QTimer>

#include "arena/ArenaDesign.h"
#include "arena/KolvoArena.h"
#include "arena/TableTexts.h"
#include "rules/Evaluation.h"
#include "rules/ScoreSheet.h"
#include "rules/SolverCache.h"
#include "ui/ScoreTable.h"
#include "ui/SideWindows.h"

namespace {

bool gameOver(const GameState& state)
{
    return state.NumPlayers > 0 && rules::allCategoriesUsed(state);
}

} // namespace

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
    catchUpReview();
    scoreTable_->setContent(scoreSheetContent());
    ui::showSideWindow(*this, *scoreTable_, *centralWidget(), {arena::kDiceFrame, arena::kRoller});
}

void KolvoArena::logHoldDecision()
{
    // Only a roll after the first, on dice that lie still, follows a choice of what to keep.
    if (state.NumPlayers == 0 || Timer1->isActive() || !state.HasRolled || state.RollCount < 1 || state.RollCount > 2)
        return;
    const int p = state.CurrentPlayer + 1;
    std::uint8_t kept = 0;
    for (int i = 0; i < GameState::kDice; ++i)
        if (!state.DiceFree[i])
            kept |= std::uint8_t(1u << i);
    decisionLog.addHold(p, rules::sheetPositionOf(state, p), rules::diceOf(state), kept, 3 - state.RollCount);
}

void KolvoArena::logCategoryDecision(std::int16_t Index)
{
    // Written while the dice still tumble, the points are those of faces no longer shown:
    // nothing the review could judge.
    if (Timer1->isActive())
        return;
    const int p = state.CurrentPlayer + 1;
    GameState before = state; // the category's points are on the sheet already
    before.Points[p][Index] = GameState::kFree;
    const int rollsLeft = std::max(0, 3 - rules::rollsDoneOf(state));
    decisionLog.addCategory(p, rules::sheetPositionOf(before, p), rules::diceOf(state), Index, rollsLeft);
}

void KolvoArena::catchUpReview()
{
    if (verdictsGame_ != gameId_ || verdicts_.size() > decisionLog.size()) {
        verdicts_.clear();
        verdictsGame_ = gameId_;
    }
    if (!tableProvider().ready() || verdicts_.size() == decisionLog.size())
        return;
    // A verdict never changes once given: only the decisions since the last refresh are judged.
    const auto fresh = rules::judge(*tableProvider().table(), decisionLog.decisions().subspan(verdicts_.size()));
    verdicts_.insert(verdicts_.end(), fresh.begin(), fresh.end());
}

void KolvoArena::refreshScoreTable()
{
    if (!scoreTable_ || !scoreTable_->isVisible())
        return;
    catchUpReview();
    scoreTable_->setContent(scoreSheetContent());
}

ui::SheetContent KolvoArena::scoreSheetContent() const
{
    ui::SheetContent content;
    const bool over = gameOver(state);
    const int inTurn = state.CurrentPlayer + 1;
    // The dice lie still and belong to this turn: their points are worth showing.
    const bool diceShown = state.NumPlayers > 0 && !over && state.HasRolled && !Timer1->isActive();

    for (const auto& row : arena::kCategoryRows) {
        content.rows.push_back(row.caption.toString());
        content.rowToolTips.push_back(texts::kCategoryExplained[row.index].toString());
    }
    content.rows.insert(content.rows.end(),
                        {texts::kUpperRow.toString(), texts::kBonusRow.toString(), texts::kTotalRow.toString()});
    content.rowToolTips.insert(
        content.rowToolTips.end(),
        {texts::kUpperExplained.toString(), texts::kBonusExplained.toString(), texts::kTotalExplained.toString()});
    const bool reviewed = solverTable_ && solverTable_->ready();
    if (over && reviewed) {
        content.rows.push_back(texts::kReviewRow.toString());
        content.rowToolTips.push_back(texts::kReviewExplained.toString());
    }

    int winner = 0;
    if (over) {
        std::vector<std::int64_t> totals;
        for (int p = 1; p <= state.NumPlayers; ++p)
            totals.push_back(state.Points[p][GameState::kTotalRow]);
        winner = rules::winnerAmong(totals);
        content.status = texts::kGameWon.arg(lblPlayer[winner]->text(),
                                             QString::number(state.Points[winner][GameState::kTotalRow]));
    } else if (state.NumPlayers > 0) {
        content.status = texts::kNowRolling.arg(lblPlayer[inTurn]->text());
    } else {
        content.status = texts::kNoGameYet.toString();
    }

    QStringList review;
    bool anyTurnDone = false;
    const auto decisions = decisionLog.decisions();
    for (int p = 1; p <= state.NumPlayers; ++p) {
        const auto& sheet = state.Points[std::size_t(p)];
        ui::SheetColumn column;
        column.name = lblPlayer[p]->text();
        column.marked = over ? p == winner : p == inTurn;
        column.description = column.marked ? (over ? texts::kWinnerMark : texts::kInTurn).toString() : QString();
        for (const auto& row : arena::kCategoryRows) {
            const std::int16_t points = sheet[std::size_t(row.index)];
            ui::SheetCell cell;
            if (points == 0) {
                cell = {QStringLiteral("0"), texts::kGivenUp.toString(), ui::SheetCell::Look::GivenUp};
            } else if (points != GameState::kFree) {
                cell.text = QString::number(points);
            } else if (diceShown && p == inTurn) {
                cell = {QString::number(rules::CandidateOf(state, row.index)), texts::kPossible.toString(),
                        ui::SheetCell::Look::Possible};
            }
            column.cells.push_back(cell);
        }
        const QString upper
            = texts::kUpperOf.arg(QString::number(rules::upperSum(state, p)), QString::number(rules::kBonusThreshold));
        column.cells.push_back({upper, {}, ui::SheetCell::Look::Sum});
        column.cells.push_back({QString::number(sheet[GameState::kBonusRow]), {}, ui::SheetCell::Look::Sum});
        column.cells.push_back({QString::number(sheet[GameState::kTotalRow]), {}, ui::SheetCell::Look::Sum});

        const rules::PlayerReview r = rules::reviewOf(p, decisions, verdicts_);
        anyTurnDone = anyTurnDone || r.turnsDone > 0;
        if (r.turnsDone == 0) {
            review << texts::kReviewNoTurn.arg(column.name);
        } else {
            const QString costly = texts::costlyPhrase(r.costly);
            review << (over ? texts::kReviewPlayerDone : texts::kReviewPlayer)
                          .arg(column.name, texts::pointsDecimal(r.lost), costly);
            for (std::size_t i : r.worst)
                review << QStringLiteral("  ") + texts::decisionLine(decisions[i], verdicts_[i]);
        }
        if (over && reviewed)
            column.cells.push_back({texts::lossFigure(r.lost),
                                    texts::kReviewCell.arg(texts::pointsDecimal(r.lost), texts::costlyPhrase(r.costly)),
                                    ui::SheetCell::Look::Sum});
        content.columns.push_back(std::move(column));
    }

    content.reviewHeading = texts::kReviewHeading.toString();
    if (state.NumPlayers == 0 || !anyTurnDone)
        content.review = texts::kReviewNotYet.toString();
    else if (!reviewed)
        content.review = texts::kReviewWorking.toString();
    else
        content.review = review.join(QLatin1Char('\n'));
    return content;
}
