// SPDX-License-Identifier: GPL-3.0-or-later
#include <utility>
#include <QCheckBox>
#include <QLabel>
#include <QSignalBlocker>

#include "arena/ArenaTexts.h"
#include "arena/KolvoArena.h"
#include "arena/SpokenTexts.h"
#include "arena/TableTexts.h"
#include "ui/Announcer.h"
#include "platform/Dialogs.h"
#include "platform/PlainText.h"
#include "rules/Evaluation.h"
#include "rules/GameFlow.h"
#include "ui/FocusRing.h"
#include "ui/PictureBox.h"

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
    if (std::exchange(IgnoreScoreClick, false))
        return;
    if (!rules::mayWrite(state, Index))
        return;
    scoreClickTaken_ = true;
    RecordScore(Index);
}

void KolvoArena::putBackUntakenTick(std::int16_t Index)
{
    const bool taken = std::exchange(scoreClickTaken_, false);
    if (taken || Index < 1 || Index > GameState::kCategories)
        return;
    // The box shows a choice that was not made: undo it, and swallow the notification.
    IgnoreScoreClick = true;
    ScoreVal[Index]->setChecked(!ScoreVal[Index]->isChecked());
    IgnoreScoreClick = false;
}

void KolvoArena::writeAsPlayer(int category)
{
    ui::clearRingMark(Backdrop);
    if (!rules::mayWrite(state, category))
        return; // a box that takes nothing keeps its tick as it is
    {
        const QSignalBlocker quiet(ScoreVal[category]);
        ScoreVal[category]->setChecked(true); // the tick a click makes
    }
    ScoreVal_Click(std::int16_t(category));
    putBackUntakenTick(std::int16_t(category));
}

void KolvoArena::markChoice(int category)
{
    if (category >= 1 && category <= GameState::kCategories)
        ui::markWithRing(ScoreVal[category]);
}

void KolvoArena::describePlayerSheet(int player)
{
    // Every player's sheet, readable at any time from the name and total rows.
    const QString sheet = texts::playerSheet(state, player);
    for (QLabel* label : {lblPlayer[player], lblSum[player]}) {
        label->setToolTip(sheet); // plain text: the labels show it as given
        label->setAccessibleDescription(sheet);
    }
}

void KolvoArena::RecordScore(std::int16_t Index)
{
    const int p = state.CurrentPlayer + 1;
    if (rules::CandidateOf(state, Index) == 0) {
        const QString question = texts::kScratch.arg(ScoreVal[Index]->text());
        // A computer is not asked: its choice is its answer.
        if (!isComputer(p)
            && services_.dialogs->message(question, DialogButtons::OkCancel, texts::kTitle.toString())
                != DialogAnswer::Ok) {
            // The un-ticking notifies once more; that notification must record nothing.
            // If the box was not ticked there is no notification, so the flag is cleared
            // here in any case and never outlives this call.
            IgnoreScoreClick = true;
            ScoreVal[Index]->setChecked(false);
            IgnoreScoreClick = false;
            return;
        }
        logCategoryDecision(Index);
        const rules::Written written = rules::write(state, Index);
        lastWritten_ = {p, Index};
        describePlayerSheet(p);
        PlaySound(AppDir + texts::kScratchSound.toString());
        NextPlayer();
        announcer().announce(texts::written(state, p, Index, written));
        GameFinish();
        return;
    }

    logCategoryDecision(Index);
    const rules::Written written = rules::write(state, Index);
    lastWritten_ = {p, Index};
    if (written.bonus > 0) {
        PlaySound(AppDir + texts::kBonusSound.toString());
        if (!isComputer(p)) // the message speaks to a person; the applause is for anyone
            services_.dialogs->message(texts::kBonusMessage.toString(), DialogButtons::Ok, texts::kTitle.toString());
    }
    lblSum[p]->setText(QString::number(state.Points[p][GameState::kTotalRow]));
    describePlayerSheet(p);
    NextPlayer();
    announcer().announce(texts::written(state, p, Index, written));
    GameFinish();
}
