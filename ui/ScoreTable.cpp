// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ScoreTable.h"

#include <algorithm>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ui {

namespace {

constexpr int kColumnWidth = 84; // a heading longer than this is elided
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

// The table asks for room for every row and column, headers and frame included, and is
// never so narrow that a column hides: a window too short for every row brings a
// vertical scroll bar, and then the table asks for its width as well.
class SheetView : public QTableWidget {
public:
    using QTableWidget::QTableWidget;

    QSize sizeHint() const override
    {
        int rows = 0;
        for (int r = 0; r < rowCount(); ++r)
            rows += std::max(verticalHeader()->sectionSizeHint(r), sizeHintForRow(r));
        const int frame = 2 * frameWidth();
        return {verticalHeader()->sizeHint().width() + horizontalHeader()->length() + frame,
                horizontalHeader()->sizeHint().height() + rows + frame};
    }
    QSize minimumSizeHint() const override
    {
        const int bar = rowsCut_ ? verticalScrollBar()->sizeHint().width() : 0;
        return {sizeHint().width() + bar, QTableWidget::minimumSizeHint().height()};
    }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QTableWidget::resizeEvent(event);
        const bool cut = height() < sizeHint().height();
        if (cut != rowsCut_) {
            rowsCut_ = cut;
            updateGeometry();
        }
    }

private:
    bool rowsCut_ = false;
};

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

    table_ = new SheetView(this);
    table_->setObjectName(QStringLiteral("sheet"));
    table_->setAccessibleName(title);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setSelectionBehavior(QAbstractItemView::SelectItems);
    table_->setTabKeyNavigation(false); // arrows move within the sheet, Tab leaves it
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
    if (newShape)
        fitToContent();
}

void ScoreTable::fitToContent()
{
    table_->updateGeometry();
    // Its first content sets its size; later ones only make it larger, so that the place
    // it was given stays its own.
    const QSize wanted = sizeHint();
    resize(sized_ ? wanted.expandedTo(size()) : wanted);
    sized_ = true;
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
