// SPDX-License-Identifier: GPL-3.0-or-later
#include "arena/BoardLanguage.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>

#include "arena/AdviceText.h"
#include "arena/ArenaDesign.h"
#include "arena/ArenaTexts.h"
#include "arena/HelpTexts.h"
#include "arena/KolvoArena.h"
#include "arena/TableTexts.h"
#include "platform/PlainText.h"
#include "rules/GameFlow.h"
#include "ui/CoachPanel.h"
#include "ui/HelpWindow.h"
#include "ui/LanguageMenu.h"
#include "ui/PictureBox.h"
#include "ui/ScoreTable.h"

namespace arena {

namespace {

constexpr QStringView kFollowerName = u"languageFollower";

// Words the board anew whenever the language changes.
class LanguageFollower : public QObject {
public:
    explicit LanguageFollower(KolvoArena& board) : QObject(&board), board_(board)
    {
        setObjectName(kFollowerName.toString());
        board.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &board_ && event->type() == QEvent::LanguageChange)
            retranslateBoard(board_);
        return false;
    }

private:
    KolvoArena& board_;
};

template <class T> T* namedChild(const KolvoArena& board, QStringView name)
{
    return board.findChild<T*>(name.toString());
}

void retranslateMenus(KolvoArena& board)
{
    board.mnuFile->setTitle(kFileMenuCaption.toString());
    board.mnuExit->setText(kExitCaption.toString());
    board.mnuNewGame->setTitle(kNewGameMenuCaption.toString());
    for (int n = 1; n <= GameState::kMaxPlayers; ++n)
        board.Spelarnummer[std::size_t(n)]->setText(kPlayerCountCaptions[n - 1].toString());
    board.mnuComputer->setText(texts::kComputerMenu.toString());
    board.mnuHelp->setText(kHelpCaption.toString());
    board.mnuTips->setText(texts::kCoachMenuCaption.toString());
    board.mnuScoreTable->setText(texts::kTableMenuCaption.toString());
    if (auto* sound = namedChild<QAction>(board, texts::kSoundMenuName))
        sound->setText(texts::kSoundMenuCaption.toString());
    if (auto* keys = namedChild<QAction>(board, texts::kKeysMenuName))
        keys->setText(texts::kKeysMenuCaption.toString());
}

void retranslateLabels(KolvoArena& board)
{
    for (const LabelDesign& design : kPlainLabels)
        if (auto* label = namedChild<QLabel>(board, design.name))
            label->setText(design.caption.toString());
    board.lblHighscoreHolder->setText(kHighscoreHolder.caption.toString());
    board.lblSpelareTur->setToolTip(kSpelareTur.toolTip.toString());
    board.RekordHållareNamn->setToolTip(kRekordHållareNamn.toolTip.toString());
    board.Rekordhållare->setToolTip(kRekordhållare.toolTip.toString());
    const GameState& state = board.state;
    if (rules::gameOver(state))
        board.lblSpelareTur->setText(texts::kGameOver.toString());
    if (state.NumPlayers == 0)
        return;
    for (int p = 1; p <= GameState::kMaxPlayers; ++p) {
        const QString sheet = texts::playerSheet(state, p);
        for (QLabel* label : {board.lblPlayer[std::size_t(p)], board.lblSum[std::size_t(p)]}) {
            label->setToolTip(sheet);
            label->setAccessibleDescription(sheet);
        }
    }
}

void retranslateBoxes(KolvoArena& board)
{
    for (const CategoryRow& row : kCategoryRows)
        board.ScoreVal[std::size_t(row.index)]->setText(row.caption.toString());
    if (board.state.HasRolled) {
        board.ShowScoreHints();
        return;
    }
    // The hints of the turn before stay until the next roll, with the points they gave then.
    static const QRegularExpression points(QStringLiteral("(\\d+)\\D*$"));
    for (int n = 1; n <= GameState::kCategories; ++n) {
        QCheckBox* box = board.ScoreVal[std::size_t(n)];
        const QRegularExpressionMatch given = points.match(box->accessibleDescription());
        if (!given.hasMatch())
            continue;
        const QString hint = texts::kHint.arg(texts::kHintNames[n], given.captured(1));
        setPlainToolTip(box, hint);
        box->setAccessibleDescription(hint);
    }
}

void retranslateDice(KolvoArena& board)
{
    const GameState& state = board.state;
    for (int i = 0; i < GameState::kDice; ++i) {
        PictureBox* die = board.DicePic[std::size_t(i)];
        const bool held = die->hasBorder();
        die->setToolTip((state.NumPlayers == 0 ? kDiceDesignToolTip
                             : held            ? texts::kDieHeld
                                               : texts::kDieFree)
                            .toString());
        die->setAccessibleName(texts::dieName(i + 1, state.DiceValue[std::size_t(i)], held, state.Rolling));
    }
    board.setAccessibleDescription(state.Rolling ? texts::kCoachRolling.toString() : QString());
}

void retranslateRoller(KolvoArena& board)
{
    const GameState& state = board.state;
    QPushButton& roller = *board.Roller;
    const int rolls = rules::rollsMade(state);
    roller.setText(rolls > 0                     ? texts::kRollCount.arg(QString::number(rolls))
                       : state.NumPlayers == 0   ? kRollerCaption.toString()
                       : rules::firstTurn(state) ? texts::kRollerNewGame.toString()
                                                 : texts::kRollerNextTurn.toString());
    const int p = state.CurrentPlayer + 1;
    const bool thinking = !roller.toolTip().isEmpty(); // a computer waits for its table
    if (thinking)
        roller.setToolTip(texts::kComputerThinking.toString());
    roller.setAccessibleDescription(state.NumPlayers == 0     ? texts::kKeys.toString()
                                        : thinking            ? texts::kComputerThinking.toString()
                                        : board.isComputer(p) ? texts::kComputerInTurn.arg(state.Names[std::size_t(p)])
                                                              : QString());
}

void retranslateSideWindows(KolvoArena& board)
{
    if (CoachPanel* coach = board.coachPanel())
        coach->setHeaders(texts::kCoachTitle.toString(), texts::kCoachMoveHeader.toString(),
                          texts::kCoachValueHeader.toString(), texts::widestAdvice());
    if (ui::ScoreTable* sheet = board.scoreTable()) {
        sheet->setWindowTitle(texts::kTableTitle.toString());
        sheet->table()->setAccessibleName(texts::kTableTitle.toString());
    }
    if (auto* keys = board.findChild<ui::HelpWindow*>())
        keys->setContent(texts::kKeysTitle.toString(), texts::keysAndAdditions());
}

} // namespace

void addLanguageMenu(KolvoArena& board, SettingsStore& settings)
{
    if (namedChild<QObject>(board, kFollowerName))
        return;
    ui::addLanguageMenu(*board.mnuFile, board.mnuExit, settings, texts::kStoreApplication);
    new LanguageFollower(board);
}

void retranslateBoard(KolvoArena& board)
{
    retranslateMenus(board);
    retranslateLabels(board);
    retranslateBoxes(board);
    retranslateDice(board);
    retranslateRoller(board);
    retranslateSideWindows(board);
    // The coach's advice and the score sheet are worded from the game as they follow it.
    emit board.gameChanged();
}

} // namespace arena
