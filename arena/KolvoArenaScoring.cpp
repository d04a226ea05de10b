// SPDX-License-Identifier: GPL-3.0-or-later
#include <utility>
#include <QCheckBox>
#include <QLabel>

#include "arena/ArenaTexts.h"
#include "rules/Evaluation.h"
#include "arena/KolvoArena.h"
#include "arena/ArenaDesign.h"
#include "rules/ScoreSheet.h"
#include "platform/Dialogs.h"
#include "platform/PlainText.h"

void KolvoArena::EvaluateDice()
{
    rules::EvaluateDice(state);
}

void KolvoArena::ShowScoreHints()
{
    if (!state.HasRolled)
        return;
    for (int n = 1; n <= GameState::kCategories; ++n) {
        const QString hint = texts::kHint.arg(texts::kHintNames[n], QString::number(rules::CandidateOf(state, n)));
        setPlainToolTip(ScoreVal[n], hint);
        ScoreVal[n]->setAccessibleDescription(hint);
    }
}

void KolvoArena::ScoreVal_Click(std::int16_t Index)
{
    if (state.IgnoreScoreClick) {
        state.IgnoreScoreClick = false;
        return;
    }
    if (Index < 1 || Index > GameState::kCategories)
        return;
    if (!state.HasRolled)
        return;
    if (!Score[Index]->text().isEmpty())
        return;
    state.Points[state.CurrentPlayer + 1][Index] = rules::CandidateOf(state, Index);
    scoreClickTaken_ = true;
    RecordScore(Index);
}

void KolvoArena::putBackUntakenTick(std::int16_t Index)
{
    const bool taken = std::exchange(scoreClickTaken_, false);
    if (taken || Index < 1 || Index > GameState::kCategories)
        return;
    // The box shows a choice that was not made: undo it, and swallow the notification.
    state.IgnoreScoreClick = true;
    ScoreVal[Index]->setChecked(!ScoreVal[Index]->isChecked());
    state.IgnoreScoreClick = false;
}

void KolvoArena::describePlayerSheet(int player)
{
    // Every player's sheet, readable at any time from the name and total rows.
    QStringList lines;
    if (player <= state.NumPlayers) {
        for (const auto& row : arena::kCategoryRows) {
            const std::int16_t points = state.Points[player][row.index];
            if (points != GameState::kFree)
                lines << texts::kSheetRow.arg(row.caption, QString::number(points));
        }
        lines << texts::kSheetUpper.arg(QString::number(rules::upperSum(state, player)),
                                        QString::number(rules::kBonusThreshold))
              << texts::kSheetBonus.arg(QString::number(state.Points[player][GameState::kBonusRow]))
              << texts::kSheetTotal.arg(QString::number(state.Points[player][GameState::kTotalRow]));
    }
    const QString sheet = lines.join(QLatin1Char('\n'));
    for (QLabel* label : {lblPlayer[player], lblSum[player]}) {
        label->setToolTip(sheet); // plain text: the labels show it as given
        label->setAccessibleDescription(sheet);
    }
}

void KolvoArena::RecordScore(std::int16_t Index)
{
    const int p = state.CurrentPlayer + 1;
    const std::int16_t v = state.Points[p][Index];

    if (v == 0) {
        const QString question = texts::kScratch.arg(ScoreVal[Index]->text());
        // A computer is not asked: its choice is its answer.
        if (isComputer(p)
            || services_.dialogs->message(question, DialogButtons::OkCancel, texts::kTitle.toString())
                == DialogAnswer::Ok) {
            logCategoryDecision(Index);
            state.Points[p][Index] = 0;
            describePlayerSheet(p);
            PlaySound(state.AppDir + texts::kScratchSound.toString());
            NextPlayer();
            GameFinish();
        } else {
            state.Points[p][Index] = GameState::kFree;
            // The un-ticking notifies once more; that notification must record nothing.
            // If the box was not ticked there is no notification, so the flag is cleared
            // here in any case and never outlives this call.
            state.IgnoreScoreClick = true;
            ScoreVal[Index]->setChecked(false);
            state.IgnoreScoreClick = false;
        }
        return;
    }

    logCategoryDecision(Index);
    if (const int bonus = rules::bonusDue(state, p); bonus > 0) {
        PlaySound(state.AppDir + texts::kBonusSound.toString());
        if (!isComputer(p)) // the message speaks to a person; the applause is for anyone
            services_.dialogs->message(texts::kBonusMessage.toString(), DialogButtons::Ok, texts::kTitle.toString());
        state.Points[p][GameState::kBonusRow] = std::int16_t(bonus);
        state.Points[p][GameState::kTotalRow] += std::int16_t(bonus);
    }
    state.Points[p][GameState::kTotalRow] += v;
    lblSum[p]->setText(QString::number(state.Points[p][GameState::kTotalRow]));
    describePlayerSheet(p);
    NextPlayer();
    GameFinish();
}
