// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ScoreTable.h"

#include <algorithm>
#include <array>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ui {

namespace {

constexpr int kColumnWidth = 84;    // a heading longer than this is elided
constexpr int kGap = 8;             // between the window and the one it opens beside
constexpr int kFrameAllowance = 32; // a window manager's frame, unknown before the first showing
constexpr int kReviewLines = 6;
constexpr int kReviewColumns = 40;
constexpr QRgb kMarkedBackground = qRgb(255, 246, 190);
constexpr QRgb kPossibleText = qRgb(105, 105, 105); // dimmed, still 5:1 on white
constexpr QRgb kGivenUpText = qRgb(150, 0, 0);

void styleItem(QTableWidgetItem& item, const SheetCell& cell, bool marked)
{
    QFont font = item.font();
    font.setItalic(cell.look == SheetCell::Look::Possible);
    font.setStrikeOut(cell.look == SheetCell::Look::GivenUp);
    font.setBold(cell.look == SheetCell::Look::Sum || cell.look == SheetCell::Look::Marked);
    item.setFont(font);
    switch (cell.look) {
    case SheetCell::Look::Possible:
        item.setForeground(QColor(kPossibleText));
        break;
    case SheetCell::Look::GivenUp:
        item.setForeground(QColor(kGivenUpText));
        break;
    default:
        item.setData(Qt::ForegroundRole, QVariant());
    }
    if (marked)
        item.setBackground(QColor(kMarkedBackground));
    else
        item.setData(Qt::BackgroundRole, QVariant());
}

QTableWidgetItem* itemAt(QTableWidget& table, int row, int column)
{
    QTableWidgetItem* item = table.item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setTextAlignment(Qt::AlignCenter);
        table.setItem(row, column, item);
    }
    return item;
}

template <class Set> QTableWidgetItem* headerItem(QTableWidget& table, int section, Qt::Orientation o, Set set)
{
    QTableWidgetItem* item
        = o == Qt::Horizontal ? table.horizontalHeaderItem(section) : table.verticalHeaderItem(section);
    if (!item) {
        item = new QTableWidgetItem;
        set(table, section, item);
    }
    return item;
}

} // namespace

ScoreTable::ScoreTable(const QString& title, QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(title);
    setObjectName(QStringLiteral("ScoreTable"));
    // A view beside the game: it never takes the focus from the main window by showing.
    setAttribute(Qt::WA_ShowWithoutActivating);

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("status"));
    status_->setTextFormat(Qt::PlainText);
    status_->setWordWrap(true);
    status_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred); // the table sets the width

    table_ = new QTableWidget(this);
    table_->setObjectName(QStringLiteral("sheet"));
    table_->setAccessibleName(title);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setSelectionBehavior(QAbstractItemView::SelectItems);
    table_->setTabKeyNavigation(false); // arrows move within the sheet, Tab leaves it
    table_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->horizontalHeader()->setDefaultSectionSize(kColumnWidth);
    table_->horizontalHeader()->setTextElideMode(Qt::ElideRight);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    reviewHeading_ = new QLabel(this);
    reviewHeading_->setTextFormat(Qt::PlainText);
    review_ = new QPlainTextEdit(this);
    review_->setObjectName(QStringLiteral("review"));
    review_->setReadOnly(true);
    review_->setTabChangesFocus(true);
    review_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    review_->setMinimumHeight(review_->fontMetrics().lineSpacing() * kReviewLines);
    review_->setMinimumWidth(review_->fontMetrics().averageCharWidth() * kReviewColumns);
    reviewHeading_->setBuddy(review_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(status_);
    layout->addWidget(table_, 1);
    layout->addWidget(reviewHeading_);
    layout->addWidget(review_);
}

void ScoreTable::setContent(const SheetContent& content)
{
    status_->setText(content.status);
    status_->setAccessibleName(content.status);
    reviewHeading_->setText(content.reviewHeading);
    review_->setAccessibleName(content.reviewHeading);
    if (review_->toPlainText() != content.review)
        review_->setPlainText(content.review);

    const int rows = int(content.rows.size());
    const int columns = int(content.columns.size());
    const bool newShape = rows != table_->rowCount() || columns != table_->columnCount();
    table_->setRowCount(rows);
    table_->setColumnCount(columns);
    for (int r = 0; r < rows; ++r) {
        const QString tip = r < int(content.rowToolTips.size()) ? content.rowToolTips[std::size_t(r)] : QString();
        QTableWidgetItem* heading = headerItem(*table_, r, Qt::Vertical,
                                               [](QTableWidget& t, int s, auto* i) { t.setVerticalHeaderItem(s, i); });
        heading->setText(content.rows[std::size_t(r)]);
        heading->setToolTip(tip);
        heading->setData(Qt::AccessibleDescriptionRole, tip);
        for (int c = 0; c < columns; ++c) {
            const SheetColumn& column = content.columns[std::size_t(c)];
            const SheetCell cell = r < int(column.cells.size()) ? column.cells[std::size_t(r)] : SheetCell{};
            QTableWidgetItem* item = itemAt(*table_, r, c);
            item->setText(cell.text);
            item->setData(Qt::AccessibleDescriptionRole, cell.description);
            const QString cellTip = cell.description.isEmpty() ? tip : cell.description + QLatin1Char('\n') + tip;
            item->setToolTip(cellTip.trimmed());
            styleItem(*item, cell, column.marked);
        }
    }
    for (int c = 0; c < columns; ++c) {
        const SheetColumn& column = content.columns[std::size_t(c)];
        QTableWidgetItem* heading = headerItem(
            *table_, c, Qt::Horizontal, [](QTableWidget& t, int s, auto* i) { t.setHorizontalHeaderItem(s, i); });
        heading->setText(column.name);
        heading->setToolTip(column.name);
        heading->setData(Qt::AccessibleDescriptionRole, column.description);
        QFont font = heading->font();
        font.setBold(column.marked);
        heading->setFont(font);
        if (column.marked)
            heading->setBackground(QColor(kMarkedBackground));
        else
            heading->setData(Qt::BackgroundRole, QVariant());
    }
    if (newShape && placed_)
        growToContent();
}

void ScoreTable::growToContent()
{
    // A new game's columns or the review's row: the window grows to show them, never shrinks,
    // and grows away from the window it stands beside.
    QSize wanted = sizeHint().expandedTo(size());
    const QScreen* onScreen = screen();
    const QRect room = onScreen ? onScreen->availableGeometry() : QRect(pos(), wanted);
    wanted = wanted.boundedTo(room.size() - QSize(kFrameAllowance / 4, kFrameAllowance));
    if (wanted == size())
        return;
    const int wider = wanted.width() - width();
    const bool leftOfMain = beside_ && frameGeometry().right() < beside_->frameGeometry().left();
    resize(wanted);
    QPoint place = leftOfMain ? pos() - QPoint(wider, 0) : pos();
    place.setY(std::min(place.y(), room.bottom() + 1 - kFrameAllowance - height()));
    move(place.x(), std::max(place.y(), room.top()));
}

void ScoreTable::showBeside(const QWidget& beside)
{
    beside_ = &beside;
    if (!placed_) {
        placed_ = true;
        adjustSize();
        const QRect main = beside.frameGeometry();
        const QScreen* screen = beside.screen();
        const QRect room = screen ? screen->availableGeometry() : main.adjusted(-4096, -4096, 4096, 4096);
        if (height() + kFrameAllowance > room.height())
            resize(width(), room.height() - kFrameAllowance);
        const QSize outer = size() + QSize(kFrameAllowance / 4, kFrameAllowance);
        const int top = std::clamp(main.top(), room.top(), std::max(room.top(), room.bottom() + 1 - outer.height()));
        const int left = std::clamp(main.left(), room.left(), std::max(room.left(), room.right() + 1 - outer.width()));
        const std::array candidates{
            QPoint(main.right() + 1 + kGap, top),             // right
            QPoint(main.left() - kGap - outer.width(), top),  // left
            QPoint(left, main.bottom() + 1 + kGap),           // below
            QPoint(left, main.top() - kGap - outer.height()), // above
        };
        // A screen with no room beside the window: on the wider side, whole on the screen,
        // covering as little of it as can be.
        const bool rightWider = room.right() - main.right() >= main.left() - room.left();
        QPoint place(rightWider ? room.right() + 1 - outer.width() : room.left(), top);
        for (const QPoint& p : candidates) {
            if (room.contains(QRect(p, outer))) {
                place = p;
                break;
            }
        }
        move(place);
    }
    show();
}

void ScoreTable::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ScoreTable::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        emit visibilityChanged(true);
}

void ScoreTable::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        emit visibilityChanged(false);
}

} // namespace ui
