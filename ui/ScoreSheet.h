// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <vector>
#include <QString>
#include <QWidget>

#include "ui/ReviewChart.h"

class QLabel;
class QTabWidget;
class QTableWidget;
class QTextEdit;

namespace ui {

// One box of the sheet. Its text is what it shows and what a screen reader reads as its
// name; the description, read after it, tells what the look alone would say.
struct SheetCell {
    enum class Look { Plain, Possible, GivenUp, Sum, Marked };
    QString text;
    QString description; // empty: none
    Look look = Look::Plain;
};

struct SheetColumn {
    QString name;                 // the heading: elided where it is too long, whole in its tool tip
    QString description;          // of the heading, read after the name ("i tur", "vinnare")
    bool marked = false;          // the player in turn, or after the game the winner
    std::vector<SheetCell> cells; // one per row
};

// One entry of a review: what was done, and why it cost what it did.
struct ReviewEntry {
    QString line;
    QString reason; // empty: none
};

// One player's part of a review: a summary, the entries that matter most, then the others
// in a smaller type.
struct ReviewSection {
    QString summary;
    QString firstHeading;
    std::vector<ReviewEntry> first;
    QString restHeading;
    std::vector<ReviewEntry> rest;
};

// Everything the window shows, in plain text: it knows nothing of the game.
struct SheetContent {
    QString status;                   // the line above the table
    std::vector<QString> rows;        // the row headings
    std::vector<QString> rowToolTips; // one sentence per row; empty: none
    std::vector<SheetColumn> columns;
    QString reviewHeading;                     // the review's tab
    QString review;                            // the review as plain text, lines joined by '\n'
    std::vector<ReviewSection> reviewSections; // the same, in parts; empty: review is a note
    ChartContent chart;                        // above the review
};

// A score sheet of every player as a window of its own, in two tabs: a table with row and
// column headers under a status line; and the review, a chart above a text. It shows
// without taking the focus. It takes the size its content asks for, every row and column
// in view, once content is given, and grows, never shrinks, when new content has other rows
// or columns; it keeps its size while it is hidden. Escape, or its close control, hides it.
class ScoreSheet : public QWidget {
    Q_OBJECT
public:
    explicit ScoreSheet(const QString& title, QWidget* parent = nullptr);

    void setContent(const SheetContent& content);

    QTableWidget* table() const { return table_; }
    QTextEdit* reviewText() const { return review_; }
    ReviewChart* reviewChart() const { return chart_; }
    QTabWidget* tabs() const { return tabs_; }

signals:
    void visibilityChanged(bool shown);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fitToContent();

    QTabWidget* tabs_ = nullptr;
    QLabel* status_ = nullptr;
    QTableWidget* table_ = nullptr;
    ReviewChart* chart_ = nullptr;
    QTextEdit* review_ = nullptr;
    QString reviewShown_; // the review's text as last set
    bool sized_ = false;
};

} // namespace ui
