#include <vector>
#include <QLabel>
#include <QPushButton>

#include "game/ArenaTexts.h"
#include "game/KolvoArena.h"
#include "game/ScoreSheet.h"
#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"

namespace {
QString u8(const char* text)
{
    return QString::fromUtf8(text);
}
} // namespace

void KolvoArena::GameFinish()
{
    if (AllCategoriesUsed(state))
        EndGame();
}

void KolvoArena::EndGame()
{
    int winner = 1;
    if (state.NumPlayers > 1) {
        std::vector<std::int64_t> totals;
        for (int i = 1; i <= state.NumPlayers; ++i)
            totals.push_back(LeadingNumber(lblSum[i]->text()));
        winner = WinnerAmong(totals);
    }

    PlaySound(state.AppDir + u8(texts::kGameOverSound));
    services_.dialogs->message(u8(texts::kWinnerPrefix) + lblPlayer[winner]->text() + QStringLiteral("\r\n")
                                  + u8(texts::kWinnerScore) + lblSum[winner]->text(),
                              DialogButtons::Ok, u8(texts::kWinnerTitle));
    lblSpelareTur->setText(u8(texts::kGameOver));

    // The comparison is with the record on screen, not the store.
    if (LeadingNumber(Rekordhållare->text()) < LeadingNumber(lblSum[winner]->text())) {
        SettingsStore& store = *services_.settings;
        store.setValue(u8(texts::kStoreApplication), u8(texts::kStoreSection), u8(texts::kScoreKey),
                          lblSum[winner]->text());
        store.setValue(u8(texts::kStoreApplication), u8(texts::kStoreSection), u8(texts::kNameKey),
                          lblPlayer[winner]->text());
        LoadHighScore();
        PlaySound(state.AppDir + u8(texts::kRecordSound));
        services_.dialogs->message(u8(texts::kNewRecord), DialogButtons::Ok, u8(texts::kNewRecordTitle));
    }
    Roller->setEnabled(false);
}

void KolvoArena::LoadHighScore()
{
    SettingsStore& store = *services_.settings;
    Rekordhållare->setText(store.value(u8(texts::kStoreApplication), u8(texts::kStoreSection),
                                            u8(texts::kScoreKey), u8(texts::kScoreDefault)));
    RekordHållareNamn->setText(store.value(u8(texts::kStoreApplication), u8(texts::kStoreSection),
                                                u8(texts::kNameKey), u8(texts::kNameDefault)));
}
