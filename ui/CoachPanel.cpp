// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CoachPanel.h"

#include <QAccessible>
#include <QGridLayout>
#include <QLabel>
#include <QStackedWidget>
#include <QStringList>
#include <QVBoxLayout>

#include "ui/Beside.h"

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
    setWindowTitle(title);
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
    QLabel* moveHead = plainLabel(table_);
    QLabel* valueHead = plainLabel(table_, Qt::AlignRight | Qt::AlignVCenter);
    moveHead->setText(moveHeader);
    valueHead->setText(valueHeader);
    moveHead->setFont(bold);
    valueHead->setFont(bold);
    grid->addWidget(moveHead, 0, 0);
    grid->addWidget(valueHead, 0, 1);
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
    // As wide as the widest advice from the start: the panel keeps its size and place
    // while the advice changes.
    const QFontMetrics metrics(font());
    const int width = metrics.horizontalAdvance(widestMove) + grid->horizontalSpacing()
        + QFontMetrics(bold).horizontalAdvance(valueHeader) + 4;
    table_->setMinimumWidth(width);

    note_ = plainLabel(this);
    note_->setObjectName(QStringLiteral("coachNote"));
    note_->setWordWrap(true);
    note_->setFixedWidth(width);
    pages_ = new QStackedWidget(this); // as large as the larger of table and note
    pages_->addWidget(table_);
    pages_->addWidget(note_);
    layout->addWidget(pages_);
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

void CoachPanel::placeBeside(const QWidget& window)
{
    adjustSize();
    ui::placeBeside(*this, window);
}
