// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <QList>
#include <QString>
#include <QWidget>

class QLabel;
class QStackedWidget;

// A small window beside its owner that shows advice as a short table: a heading, then
// rows of what to do and the number it leads to, best first, the numbers aligned; or a
// note in place of the table. It never takes the focus: it shows without activating,
// accepts no focus, and none of its parts can be focused. A screen reader is told the
// whole advice, as the window's description, whenever it changes.
class CoachPanel : public QWidget {
    Q_OBJECT
public:
    struct Row {
        QString move;
        QString value;
    };
    static constexpr int kRows = 3;

    // widestMove: the widest text a row's move may hold, which sets the panel's width.
    CoachPanel(const QString& title, const QString& moveHeader, const QString& valueHeader, const QString& widestMove,
               QWidget* owner);

    // The title, the table's headers and the widest move, worded anew (another language).
    void setHeaders(const QString& title, const QString& moveHeader, const QString& valueHeader,
                    const QString& widestMove);

    // Rows beyond kRows are not shown; with no rows the note is shown instead.
    void showAdvice(const QString& heading, const QString& note, const QList<Row>& rows);
    // The advice as one text, lines joined by line feeds: what a screen reader is told.
    QString advice() const { return advice_; }

private:
    QLabel* heading_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    QWidget* table_ = nullptr;
    QLabel* note_ = nullptr;
    QLabel* moveHead_ = nullptr;
    QLabel* valueHead_ = nullptr;
    std::array<QLabel*, kRows> moves_{};
    std::array<QLabel*, kRows> values_{};
    QString advice_;
};
