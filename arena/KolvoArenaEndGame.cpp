// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLabel>

#include "arena/ArenaTexts.h"
#include "arena/KolvoArena.h"
#include "arena/SpokenTexts.h"
#include "platform/Announcer.h"
#include "rules/GameFlow.h"
#include "rules/ScoreSheet.h"
#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"

void KolvoArena::GameFinish()
{
    if (rules::gameOver(state()))
        EndGame();
}

void KolvoArena::EndGame()
{
    if (table_->ended())
        return;
    const int winner = rules::winner(state());
    const QString name = state().Names[std::size_t(winner)];
    // The sum as its label shows it: empty for a player who wrote nothing but give-ups.
    const QString total = texts::sumCaption(state().Points[std::size_t(winner)][GameState::kTotalRow]);
    // The comparison is with the record on screen, not the store. The record is the people's:
    // a computer's win would put perfect play's totals out of a person's reach.
    const bool record
        = !table_->isComputer(winner) && rules::leadingNumber(Rekordhållare->text()) < rules::leadingNumber(total);
    PlaySound(AppDir + texts::kGameOverSound.toString());
    announcer().announce(texts::gameEnds(state(), record)); // heard once the boxes are answered
    services_.dialogs->message(texts::kWinner.arg(name, total), DialogButtons::Ok, texts::kWinnerTitle.toString());
    table_->endGame(); // "Spelet är slut", and the roll button disabled

    if (record) {
        const SettingsStore::SaveResult saved = saveRecord(total, name);
        LoadHighScore();
        PlaySound(AppDir + texts::kRecordSound.toString());
        services_.dialogs->message(texts::kNewRecord.toString(), DialogButtons::Ok, texts::kNewRecordTitle.toString());
        if (saved.outcome == SettingsStore::SaveResult::Outcome::Failed)
            services_.dialogs->message(texts::kRecordNotSaved.arg(saved.reason), DialogButtons::Ok,
                                       texts::kNewRecordTitle.toString());
    }
}

SettingsStore::SaveResult KolvoArena::saveRecord(const QString& total, const QString& name)
{
    // Name and score go in one save, and only while the store's own record is still
    // lower: another game on this account may have stored a higher one since this
    // window loaded the record.
    const std::int64_t value = rules::leadingNumber(total);
    return services_.settings->setValuesIf(
        texts::kStoreApplication, texts::kStoreSection,
        {{texts::kScoreKey.toString(), total}, {texts::kNameKey.toString(), name}}, texts::kScoreKey,
        texts::kScoreDefault, [value](const QString& stored) { return rules::leadingNumber(stored) < value; });
}

void KolvoArena::LoadHighScore()
{
    SettingsStore& store = *services_.settings;
    Rekordhållare->setText(
        store.value(texts::kStoreApplication, texts::kStoreSection, texts::kScoreKey, texts::kScoreDefault));
    RekordHållareNamn->setText(
        store.value(texts::kStoreApplication, texts::kStoreSection, texts::kNameKey, texts::kNameDefault));
}
