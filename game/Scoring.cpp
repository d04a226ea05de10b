#include <QCheckBox>
#include <QLabel>

#include "game/ArenaTexts.h"
#include "game/Evaluation.h"
#include "game/KolvoArena.h"
#include "game/ScoreSheet.h"
#include "platform/Dialogs.h"
#include "platform/PlainText.h"

void KolvoArena::EvaluateDice()
{
    ::EvaluateDice(state);
}

void KolvoArena::ShowScoreHints()
{
    if (!state.HasRolled)
        return;
    for (int n = 1; n <= GameState::kCategories; ++n) {
        const QString hint = QString::fromUtf8(texts::kHintLabels[n]) + QString::number(CandidateOf(state, n));
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
    if (!state.HasRolled)
        return;
    if (!Score[Index]->text().isEmpty())
        return;
    state.Points[state.CurrentPlayer + 1][Index] = CandidateOf(state, Index);
    RecordScore(Index);
}

void KolvoArena::RecordScore(std::int16_t Index)
{
    const int p = state.CurrentPlayer + 1;
    const std::int16_t v = state.Points[p][Index];

    if (v == 0) {
        const QString question = QString::fromUtf8(texts::kScratchPrefix) + ScoreVal[Index]->text()
                                 + QString::fromUtf8(texts::kScratchSuffix);
        if (services_.dialogs->message(question, DialogButtons::OkCancel, QString::fromUtf8(texts::kTitle))
            == DialogAnswer::Ok) {
            state.Points[p][Index] = 0;
            PlaySound(state.AppDir + QString::fromUtf8(texts::kScratchSound));
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

    if (UpperSum(state, p) >= kBonusThreshold && state.Points[p][GameState::kBonusRow] == 0) {
        PlaySound(state.AppDir + QString::fromUtf8(texts::kBonusSound));
        services_.dialogs->message(QString::fromUtf8(texts::kBonus), DialogButtons::Ok, QString::fromUtf8(texts::kTitle));
        state.Points[p][GameState::kBonusRow] = kBonus;
        state.Points[p][GameState::kTotalRow] += kBonus;
    }
    state.Points[p][GameState::kTotalRow] += v;
    lblSum[p]->setText(QString::number(state.Points[p][GameState::kTotalRow]));
    NextPlayer();
    GameFinish();
}
