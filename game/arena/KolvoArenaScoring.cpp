#include <QCheckBox>
#include <QLabel>

#include "game/arena/ArenaTexts.h"
#include "game/Evaluation.h"
#include "game/arena/KolvoArena.h"
#include "game/ScoreSheet.h"
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
    RecordScore(Index);
}

void KolvoArena::RecordScore(std::int16_t Index)
{
    const int p = state.CurrentPlayer + 1;
    const std::int16_t v = state.Points[p][Index];

    if (v == 0) {
        const QString question = texts::kScratch.arg(ScoreVal[Index]->text());
        if (services_.dialogs->message(question, DialogButtons::OkCancel, texts::kTitle.toString())
            == DialogAnswer::Ok) {
            state.Points[p][Index] = 0;
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

    if (rules::UpperSum(state, p) >= rules::kBonusThreshold && state.Points[p][GameState::kBonusRow] == 0) {
        PlaySound(state.AppDir + texts::kBonusSound.toString());
        services_.dialogs->message(texts::kBonusMessage.toString(), DialogButtons::Ok, texts::kTitle.toString());
        state.Points[p][GameState::kBonusRow] = rules::kBonusPoints;
        state.Points[p][GameState::kTotalRow] += rules::kBonusPoints;
    }
    state.Points[p][GameState::kTotalRow] += v;
    lblSum[p]->setText(QString::number(state.Points[p][GameState::kTotalRow]));
    NextPlayer();
    GameFinish();
}
