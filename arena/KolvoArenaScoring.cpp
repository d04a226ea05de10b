// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCheckBox>
#include <QLabel>

#include "arena/ArenaTexts.h"
#include "arena/KolvoArena.h"
#include "arena/SpokenTexts.h"
#include "platform/Announcer.h"
#include "platform/Dialogs.h"
#include "platform/PlainText.h"
#include "rules/Evaluation.h"
#include "rules/GameFlow.h"

void KolvoArena::ShowScoreHints()
{
    if (!state().HasRolled)
        return;
    for (int n = 1; n <= GameState::kCategories; ++n) {
        const QString hint = texts::kHint.arg(texts::kHintNames[n], QString::number(rules::CandidateOf(state(), n)));
        setPlainToolTip(ScoreVal[n], hint);
        ScoreVal[n]->setAccessibleDescription(hint);
    }
}

void KolvoArena::ScoreVal_Click(std::int16_t Index)
{
    // Only a person's click comes here: the board's own ticks report nothing, so the flag
    // the design keeps for them is never set when a click arrives.
    if (std::exchange(IgnoreScoreClick, false))
        return paintBoard();
    if (!table_->mayWrite(Mover::person(), Index))
        return paintBoard(); // the tick the click made goes back
    RecordScore(Index);
}

bool KolvoArena::giveUpConfirmed(int category)
{
    const QString question = texts::kScratch.arg(ScoreVal[category]->text());
    return services_.dialogs->message(question, DialogButtons::OkCancel, texts::kTitle.toString()) == DialogAnswer::Ok;
}

void KolvoArena::RecordScore(std::int16_t Index)
{
    if (rules::CandidateOf(state(), Index) == 0 && !giveUpConfirmed(Index)) {
        // The box is un-ticked by painting, which reports nothing: the flag that would swallow
        // the report is cleared at once and never outlives this call.
        IgnoreScoreClick = true;
        paintBoard();
        IgnoreScoreClick = false;
        return;
    }
    const std::optional<rules::Written> written = table_->write(Mover::person(), Index);
    if (!written)
        return paintBoard();
    if (written->bonus > 0) // the applause is the table's; the message speaks to the person
        services_.dialogs->message(texts::kBonusMessage.toString(), DialogButtons::Ok, texts::kTitle.toString());
    NextPlayer();
    if (written->gameOver) // the last write is heard before the end's boxes
        announcer().afterTold(this, [this] { GameFinish(); });
}

void KolvoArena::describePlayerSheet(int player)
{
    // Every player's sheet, readable at any time from the name and total rows. Each change
    // is an event to a screen reader: only what changed is set.
    const QString sheet = texts::playerSheet(state(), player);
    for (QLabel* label : {lblPlayer[player], lblSum[player]}) {
        if (label->toolTip() != sheet)
            label->setToolTip(sheet); // plain text: the labels show it as given
        if (label->accessibleDescription() != sheet)
            label->setAccessibleDescription(sheet);
    }
}
