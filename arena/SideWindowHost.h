// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include "arena/GameTable.h"

class QAction;
class QMenu;
class QWidget;
class CoachPanel;
namespace rules {
class SolverTableProvider;
}
namespace ui {
class HelpWindow;
class ScoreSheet;
} // namespace ui

// The windows beside the board: the coach's panel, the score sheet with its review and the
// keys window, and the solver's table they and the computers read. Each is fed its content
// from the game table's state, refreshed on its one signal, and placed by the one placement
// routine, which keeps the board's dice, Kasta and category boxes in sight. None takes the
// focus or changes the game.
class SideWindowHost : public QObject {
    Q_OBJECT
public:
    // While the coach's panel shows, a changed advice for a person is told once it has
    // stayed the same this long: not the notes between (the dice rolling), nor the same
    // advice twice.
    static constexpr int kAdviceSettleMs = 400;

    // `board`: the main window; `area`: its client area, in whose coordinates the board's
    // parts to keep in sight are given.
    SideWindowHost(QWidget& board, const QWidget& area, GameTable& table, const QString& cacheDirectory);
    ~SideWindowHost() override;

    // "Fil → Tips" (F2), "Fil → Protokoll" (F3) and "Fil → Tangenter och tillägg…", put in
    // the file menu before `before`; returns the last of them.
    QAction* addMenuItems(QMenu& file, QAction* before);

    // The solver's table for the coach, the review and the computers, made at the first need.
    rules::SolverTableProvider& solverTable();

    // Shows or hides the coach's panel; while shown it follows the game with the advice for the
    // player in turn. The first showing starts reading or working out the solver's table.
    void toggleCoach();
    void showScoreSheet(bool shown);
    void showKeys();

    // Every window and menu item here worded anew in the language shown now, the coach's
    // advice and the sheet refilled.
    void retranslate();

    // The review's lessons for a screen reader, one at a time: of the player in turn, or of
    // every player once the game is over; each call the next, from the first again at the end
    // or when what there is to tell has changed.
    QString nextLesson();

    CoachPanel* coachPanel() const { return coach_; }
    ui::ScoreSheet* scoreSheet() const { return sheet_; }
    QAction* coachItem() const { return coachItem_; }
    QAction* sheetItem() const { return sheetItem_; }

signals:
    // A sentence for a screen reader: the advice, when the coach is asked for and when it
    // has changed.
    void told(const QString& sentence);

private:
    void place(QWidget& side);
    void refreshCoach();
    void tellAdvice();
    void tell(const QString& advice);
    void refreshSheet();
    void fillSheet();

    QWidget& board_;
    const QWidget& area_;
    GameTable& table_;
    QString cacheDirectory_;
    rules::SolverTableProvider* solverTable_ = nullptr;
    CoachPanel* coach_ = nullptr;
    ui::ScoreSheet* sheet_ = nullptr;
    QPointer<ui::HelpWindow> keys_;
    QAction* coachItem_ = nullptr;
    QAction* sheetItem_ = nullptr;
    QAction* keysItem_ = nullptr;
    QStringList lessons_; // as last told
    qsizetype nextLesson_ = 0;
    QTimer adviceSettles_;
    QString toldAdvice_;
};
