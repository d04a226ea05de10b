// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CoachPanel.h"

#include <QAccessible>
#include <QGridLayout>
#include <QLabel>
#include <QStackedWidget>
#include <QStringList>
#include <QVBoxLayout>

namespace {

QLabel* plainLabel(QWidget* parent, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(align);
    label->setFocusPolicy(Qt::NoFocus);
    return label;
}

} // namespace

CoachPanel::CoachPanel(const QString& title, const QString& moveHeader, const QString& valueHeader,
                       const QString& widestMove, QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(QStringLiteral("CoachPanel"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    heading_ = plainLabel(this);
    QFont bold = heading_->font();
    bold.setBold(true);
    heading_->setFont(bold);
    layout->addWidget(heading_);

    table_ = new QWidget(this);
    auto* grid = new QGridLayout(table_);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(16);
    moveHead_ = plainLabel(table_);
    valueHead_ = plainLabel(table_, Qt::AlignRight | Qt::AlignVCenter);
    moveHead_->setFont(bold);
    valueHead_->setFont(bold);
    grid->addWidget(moveHead_, 0, 0);
    grid->addWidget(valueHead_, 0, 1);
    for (int r = 0; r < kRows; ++r) {
        moves_[r] = plainLabel(table_);
        moves_[r]->setObjectName(QStringLiteral("coachMove%1").arg(r + 1));
        values_[r] = plainLabel(table_, Qt::AlignRight | Qt::AlignVCenter);
        values_[r]->setObjectName(QStringLiteral("coachValue%1").arg(r + 1));
        // An empty row keeps its height: the panel keeps its size while the advice changes.
        moves_[r]->setMinimumHeight(moves_[r]->fontMetrics().height());
        grid->addWidget(moves_[r], r + 1, 0);
        grid->addWidget(values_[r], r + 1, 1);
    }
    note_ = plainLabel(this);
    note_->setObjectName(QStringLiteral("coachNote"));
    note_->setWordWrap(true);
    pages_ = new QStackedWidget(this); // as large as the larger of table and note
    pages_->addWidget(table_);
    pages_->addWidget(note_);
    layout->addWidget(pages_);
    setHeaders(title, moveHeader, valueHeader, widestMove);
}

void CoachPanel::setHeaders(const QString& title, const QString& moveHeader, const QString& valueHeader,
                            const QString& widestMove)
{
    setWindowTitle(title);
    moveHead_->setText(moveHeader);
    valueHead_->setText(valueHeader);
    // As wide as the widest advice from the start: the panel keeps its size and place
    // while the advice changes.
    const auto* grid = static_cast<QGridLayout*>(table_->layout());
    const int width = QFontMetrics(font()).horizontalAdvance(widestMove) + grid->horizontalSpacing()
        + QFontMetrics(valueHead_->font()).horizontalAdvance(valueHeader) + 4;
    table_->setMinimumWidth(width);
    note_->setFixedWidth(width);
}

void CoachPanel::showAdvice(const QString& heading, const QString& note, const QList<Row>& rows)
{
    heading_->setText(heading);
    heading_->setMinimumHeight(heading_->fontMetrics().height());
    const bool asTable = !rows.isEmpty();
    QStringList lines;
    if (!heading.isEmpty())
        lines << heading;
    for (int r = 0; r < kRows; ++r) {
        const bool used = r < rows.size();
        moves_[r]->setText(used ? rows[r].move : QString());
        values_[r]->setText(used ? rows[r].value : QString());
        if (used)
            lines << rows[r].move + QStringLiteral(": ") + rows[r].value;
    }
    note_->setText(asTable ? QString() : note);
    pages_->setCurrentWidget(asTable ? table_ : static_cast<QWidget*>(note_));
    if (!asTable)
        lines << note;
    const QString advice = lines.join(QLatin1Char('\n'));
    if (advice == advice_)
        return;
    advice_ = advice;
    // Told as the window's description: the screen reader reads the change where it
    // happens, and the focus stays where the player has it.
    setAccessibleDescription(advice_);
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}
