// SPDX-License-Identifier: GPL-3.0-or-later
#include "arena/BoardLanguage.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>

#include "arena/ArenaDesign.h"
#include "arena/ArenaTexts.h"
#include "arena/GameTable.h"
#include "arena/SideWindowHost.h"
#include "arena/SheetTexts.h"
#include "platform/PlainText.h"
#include "rules/GameFlow.h"
#include "ui/LanguageMenu.h"
#include "ui/PictureBox.h"

namespace arena {

namespace {

constexpr QStringView kFollowerName = u"languageFollower";

// Words the board anew whenever the language changes.
class LanguageFollower : public QObject {
public:
    explicit LanguageFollower(const BoardView& board) : QObject(board.window), board_(board)
    {
        setObjectName(kFollowerName.toString());
        board.window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == board_.window && event->type() == QEvent::LanguageChange)
            retranslateBoard(board_);
        return false;
    }

private:
    BoardView board_;
};

template <class T> T* namedChild(const BoardView& board, QStringView name)
{
    return board.window->findChild<T*>(name.toString());
}

void retranslateMenus(const BoardView& board)
{
    board.mnuFile->setTitle(kFileMenuCaption.toString());
    board.mnuExit->setText(kExitCaption.toString());
    board.mnuNewGame->setTitle(kNewGameMenuCaption.toString());
    for (int n = 1; n <= GameState::kMaxPlayers; ++n)
        (*board.Spelarnummer)[std::size_t(n)]->setText(kPlayerCountCaptions[n - 1].toString());
    board.mnuComputer->setText(texts::kComputerMenu.toString());
    board.mnuHelp->setText(kHelpCaption.toString());
    if (auto* sound = namedChild<QAction>(board, texts::kSoundMenuName))
        sound->setText(texts::kSoundMenuCaption.toString());
}

void retranslateLabels(const BoardView& board)
{
    for (const LabelDesign& design : kPlainLabels)
        if (auto* label = namedChild<QLabel>(board, design.name))
            label->setText(design.caption.toString());
    board.lblHighscoreHolder->setText(kHighscoreHolder.caption.toString());
    board.lblSpelareTur->setToolTip(kSpelareTur.toolTip.toString());
    board.RekordHållareNamn->setToolTip(kRekordHållareNamn.toolTip.toString());
    board.Rekordhållare->setToolTip(kRekordhållare.toolTip.toString());
}

void retranslateBoxes(const BoardView& board)
{
    for (const CategoryRow& row : kCategoryRows)
        (*board.ScoreVal)[std::size_t(row.index)]->setText(row.caption.toString());
    if (board.table->state().HasRolled)
        return; // painted with the board
    // The hints of the turn before stay until the next roll, with the points they gave then.
    static const QRegularExpression points(QStringLiteral("(\\d+)\\D*$"));
    for (int n = 1; n <= GameState::kCategories; ++n) {
        QCheckBox* box = (*board.ScoreVal)[std::size_t(n)];
        const QRegularExpressionMatch given = points.match(box->accessibleDescription());
        if (!given.hasMatch())
            continue;
        const QString hint = texts::kHint.arg(texts::kHintNames[n], given.captured(1));
        setPlainToolTip(box, hint);
        box->setAccessibleDescription(hint);
    }
}

void retranslateRoller(const BoardView& board)
{
    const GameTable& table = *board.table;
    const GameState& state = table.state();
    QPushButton& roller = *board.Roller;
    const bool inGame = state.NumPlayers > 0;
    if (!inGame) {
        roller.setToolTip(texts::kHowToBegin.toString());
        roller.setAccessibleDescription(texts::kHowToBegin.toString() + u' ' + texts::kKeys.toString());
        return;
    }
    const int p = table.playerInTurn();
    const bool thinking = !roller.toolTip().isEmpty(); // a computer waits for its table
    if (thinking)
        roller.setToolTip(texts::kComputerThinking.toString());
    roller.setAccessibleDescription(thinking                  ? texts::kComputerThinking.toString()
                                        : table.isComputer(p) ? texts::kComputerInTurn.arg(state.Names[std::size_t(p)])
                                                              : QString());
}

} // namespace

void addLanguageMenu(const BoardView& board, SettingsStore& settings)
{
    if (namedChild<QObject>(board, kFollowerName))
        return;
    ui::addLanguageMenu(*board.mnuFile, board.mnuExit, settings, texts::kStoreApplication);
    new LanguageFollower(board);
}

void retranslateBoard(const BoardView& board)
{
    retranslateMenus(board);
    retranslateLabels(board);
    retranslateBoxes(board);
    board.paint(); // everything the state words: captions, sheets, dice, hints
    retranslateRoller(board);
    board.sideWindows->retranslate();
}

} // namespace arena
