// SPDX-License-Identifier: GPL-3.0-or-later
#include "arena/SideWindowHost.h"

#include <QAction>
#include <QMenu>
#include <QTableWidget>
#include <QWidget>

#include "arena/AdviceText.h"
#include "arena/ArenaDesign.h"
#include "arena/ArenaTexts.h"
#include "arena/HelpTexts.h"
#include "arena/SheetTexts.h"
#include "rules/GameFlow.h"
#include "rules/SolverCache.h"
#include "ui/CoachPanel.h"
#include "ui/HelpWindow.h"
#include "ui/ScoreSheet.h"
#include "ui/SideWindows.h"

SideWindowHost::SideWindowHost(QWidget& board, const QWidget& area, GameTable& table, const QString& cacheDirectory)
    : QObject(&board), board_(board), area_(area), table_(table), cacheDirectory_(cacheDirectory)
{
    adviceSettles_.setSingleShot(true);
    adviceSettles_.setInterval(kAdviceSettleMs);
    connect(&adviceSettles_, &QTimer::timeout, this, &SideWindowHost::tellAdvice);
    connect(&table_, &GameTable::changed, this, [this](GameTable::Changes what) {
        if (what == GameTable::Tumbled)
            return; // a face of a tumbling die: no view shows it
        refreshCoach();
        refreshSheet();
    });
}

SideWindowHost::~SideWindowHost()
{
    // The windows are the board's children, hidden as its destructor deletes them: by then
    // nothing of this host may hear from them.
    for (QObject* side : {static_cast<QObject*>(sheet_), static_cast<QObject*>(coach_)})
        if (side)
            side->disconnect(this);
}

void SideWindowHost::place(QWidget& side)
{
    ui::showSideWindow(board_, side, area_, {arena::kCategoryFrame, arena::kDiceFrame, arena::kRoller});
}

rules::SolverTableProvider& SideWindowHost::solverTable()
{
    // Never at start-up: read or solved on the provider's own thread while the game goes on,
    // once its first user requests it.
    if (!solverTable_)
        solverTable_ = new rules::SolverTableProvider(cacheDirectory_, this);
    return *solverTable_;
}

QAction* SideWindowHost::addMenuItems(QMenu& file, QAction* before)
{
    coachItem_ = new QAction(texts::kCoachMenuCaption.toString(), &board_);
    coachItem_->setObjectName(texts::kCoachMenuName.toString());
    coachItem_->setShortcut(QKeySequence(Qt::Key_F2));
    coachItem_->setAutoRepeat(false);
    coachItem_->setCheckable(true);
    connect(coachItem_, &QAction::triggered, this, [this] {
        toggleCoach();
        coachItem_->setChecked(coach_->isVisible());
    });
    // The coach's window can also be closed by its frame.
    connect(&file, &QMenu::aboutToShow, this, [this] { coachItem_->setChecked(coach_ && coach_->isVisible()); });

    sheetItem_ = new QAction(texts::kTableMenuCaption.toString(), &board_);
    sheetItem_->setObjectName(QStringLiteral("mnuScoreSheet"));
    sheetItem_->setShortcut(QKeySequence(Qt::Key_F3));
    sheetItem_->setAutoRepeat(false); // a held F3 opens or closes once
    sheetItem_->setCheckable(true);
    connect(sheetItem_, &QAction::triggered, this, [this](bool shown) { showScoreSheet(shown); });

    keysItem_ = new QAction(texts::kKeysMenuCaption.toString(), &board_);
    keysItem_->setObjectName(texts::kKeysMenuName.toString());
    connect(keysItem_, &QAction::triggered, this, &SideWindowHost::showKeys);

    file.insertActions(before, {coachItem_, sheetItem_, keysItem_});
    return keysItem_;
}

void SideWindowHost::retranslate()
{
    if (coachItem_) {
        coachItem_->setText(texts::kCoachMenuCaption.toString());
        sheetItem_->setText(texts::kTableMenuCaption.toString());
        keysItem_->setText(texts::kKeysMenuCaption.toString());
    }
    if (coach_)
        coach_->setHeaders(texts::kCoachTitle.toString(), texts::kCoachMoveHeader.toString(),
                           texts::kCoachValueHeader.toString(), texts::widestAdvice());
    if (sheet_) {
        sheet_->setWindowTitle(texts::kTableTitle.toString());
        sheet_->table()->setAccessibleName(texts::kTableTitle.toString());
    }
    if (keys_)
        keys_->setContent(texts::kKeysTitle.toString(), texts::keysAndAdditions());
    refreshCoach();
    refreshSheet();
}

void SideWindowHost::toggleCoach()
{
    if (!coach_) {
        coach_ = new CoachPanel(texts::kCoachTitle.toString(), texts::kCoachMoveHeader.toString(),
                                texts::kCoachValueHeader.toString(), texts::widestAdvice(), &board_);
        for (auto news : {&rules::SolverTableProvider::tableReady, &rules::SolverTableProvider::solvingStarted})
            connect(&solverTable(), news, coach_, [this] { refreshCoach(); });
    }
    if (coach_->isVisible()) {
        adviceSettles_.stop();
        coach_->hide();
        return;
    }
    solverTable().request();
    const texts::Advice advice = texts::coachAdvice(solverTable(), table_.state());
    coach_->showAdvice(advice.heading, advice.note, advice.rows);
    tell(coach_->advice()); // asked for: heard as well as shown
    place(*coach_);
}

void SideWindowHost::refreshCoach()
{
    if (!coach_ || !coach_->isVisible())
        return;
    const texts::Advice advice = texts::coachAdvice(solverTable(), table_.state());
    coach_->showAdvice(advice.heading, advice.note, advice.rows);
    // A ranking is told, for a person; a note between two (the dice rolling, roll first) and
    // a computer's moves are only shown.
    const bool ranked = !advice.rows.isEmpty() && !table_.isComputer(table_.playerInTurn());
    if (ranked && coach_->advice() != toldAdvice_)
        adviceSettles_.start();
    else
        adviceSettles_.stop();
}

void SideWindowHost::tellAdvice()
{
    if (!coach_ || !coach_->isVisible() || coach_->advice() == toldAdvice_)
        return;
    tell(coach_->advice());
}

void SideWindowHost::tell(const QString& advice)
{
    toldAdvice_ = advice;
    // Line by line: the announcer ends each with a stop, so that each is heard as a sentence.
    for (const QString& line : advice.split(u'\n'))
        emit told(line);
}

void SideWindowHost::showScoreSheet(bool shown)
{
    if (!sheet_) {
        sheet_ = new ui::ScoreSheet(texts::kTableTitle.toString(), &board_);
        if (sheetItem_)
            sheet_->addAction(sheetItem_); // F3 closes it from its own window too
        connect(sheet_, &ui::ScoreSheet::visibilityChanged, this, [this](bool visible) {
            if (sheetItem_)
                sheetItem_->setChecked(visible);
            if (visible)
                fillSheet();
        });
        // The review fills in when the table is there; the game never waits for it.
        connect(&solverTable(), &rules::SolverTableProvider::tableReady, this, &SideWindowHost::refreshSheet);
    }
    if (!shown) {
        const bool hadFocus = sheet_->isActiveWindow();
        sheet_->hide();
        if (hadFocus)
            board_.activateWindow();
        return;
    }
    solverTable().request();
    fillSheet(); // its size comes from its content, before it is placed
    place(*sheet_);
}

void SideWindowHost::refreshSheet()
{
    if (sheet_ && sheet_->isVisible())
        fillSheet();
}

void SideWindowHost::fillSheet()
{
    const bool reviewed = solverTable().ready();
    if (reviewed)
        table_.judge(*solverTable().table());
    sheet_->setContent(
        texts::sheetContent(table_.state(), table_.decisions(), reviewed, table_.justWritten(), table_.computers()));
}

void SideWindowHost::showKeys()
{
    if (!keys_) {
        keys_ = new ui::HelpWindow(texts::kKeysTitle.toString(), texts::keysAndAdditions(), &board_);
        keys_->adjustSize();
    }
    place(*keys_);
}

QString SideWindowHost::nextLesson()
{
    solverTable().request();
    const bool reviewed = solverTable().ready();
    if (reviewed)
        table_.judge(*solverTable().table());
    const GameState& state = table_.state();
    const int player = table_.ended() || rules::gameOver(state) ? 0 : table_.playerInTurn();
    const QStringList lessons = texts::spokenLessons(state, table_.decisions(), reviewed, table_.computers(), player);
    if (lessons != lessons_ || nextLesson_ >= lessons.size()) {
        lessons_ = lessons;
        nextLesson_ = 0;
    }
    return lessons_.value(nextLesson_++);
}
