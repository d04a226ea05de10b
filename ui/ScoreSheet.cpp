// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ScoreSheet.h"

#include <algorithm>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QVBoxLayout>

namespace ui {

namespace {

// A column is as wide as the widest figure a cell can hold and a computer's name, in bold; a
// longer heading is elided. Six of them leave the window narrow enough to stand beside the
// main window on a screen 1024 wide.
constexpr QStringView kWidestCell = u"\u2212888,8";
constexpr QStringView kWidestHeading = u"Datorn 6";
constexpr int kHeadingSlack = 4; // between a heading's text and the lines either side
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

QString reviewEntries(const std::vector<ReviewEntry>& entries, bool small)
{
    QString html;
    for (const ReviewEntry& e : entries) {
        QString item = e.line.toHtmlEscaped();
        if (!e.reason.isEmpty())
            item += QStringLiteral("<br><i>%1</i>").arg(e.reason.toHtmlEscaped());
        html
            += small ? QStringLiteral("<li><small>%1</small></li>").arg(item) : QStringLiteral("<li>%1</li>").arg(item);
    }
    return html;
}

// Each player's summary in bold, the entries that matter most numbered, the others after
// them in a smaller type.
QString reviewHtml(const std::vector<ReviewSection>& sections)
{
    QString html;
    for (const ReviewSection& s : sections) {
        html += QStringLiteral("<p><b>%1</b></p>").arg(s.summary.toHtmlEscaped());
        if (!s.first.empty())
            html += QStringLiteral("<p>%1</p><ol>%2</ol>")
                        .arg(s.firstHeading.toHtmlEscaped(), reviewEntries(s.first, false));
        if (!s.rest.empty())
            html += QStringLiteral("<p><small>%1</small></p><ul>%2</ul>")
                        .arg(s.restHeading.toHtmlEscaped(), reviewEntries(s.rest, true));
    }
    return html;
}

} // namespace

ScoreSheet::ScoreSheet(const QString& title, QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(title);
    setObjectName(QStringLiteral("ScoreSheet"));
    // A view beside the game: it never takes the focus from the main window by showing.
    setAttribute(Qt::WA_ShowWithoutActivating);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("tabs"));
    tabs_->setDocumentMode(true);
    auto* sheetPage = new QWidget(tabs_);
    auto* reviewPage = new QWidget(tabs_);

    status_ = new QLabel(sheetPage);
    status_->setObjectName(QStringLiteral("status"));
    status_->setTextFormat(Qt::PlainText);
    status_->setWordWrap(true);
    status_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred); // the table sets the width

    table_ = new SheetView(sheetPage);
    table_->setObjectName(QStringLiteral("sheet"));
    table_->setAccessibleName(title);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setSelectionBehavior(QAbstractItemView::SelectItems);
    table_->setTabKeyNavigation(false); // arrows move within the sheet, Tab leaves it
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    QFont bold = table_->font();
    bold.setBold(true);
    const QFontMetrics boldMetrics(bold);
    const int headingMargins = 2 * table_->style()->pixelMetric(QStyle::PM_HeaderMargin) + kHeadingSlack;
    table_->horizontalHeader()->setDefaultSectionSize(
        std::max(boldMetrics.horizontalAdvance(kWidestCell.toString()) + 2 * table_->fontMetrics().averageCharWidth(),
                 boldMetrics.horizontalAdvance(kWidestHeading.toString()) + headingMargins));
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    chart_ = new ReviewChart(reviewPage);
    review_ = new QTextEdit(reviewPage);
    review_->setObjectName(QStringLiteral("review"));
    review_->setReadOnly(true);
    review_->setTabChangesFocus(true);
    review_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    // The lines wrap: a review is read down, never sideways.
    review_->setLineWrapMode(QTextEdit::WidgetWidth);
    review_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    review_->document()->setIndentWidth(review_->fontMetrics().horizontalAdvance(QStringLiteral("000")));
    review_->setMinimumHeight(review_->fontMetrics().lineSpacing() * kReviewLines);
    review_->setMinimumWidth(review_->fontMetrics().averageCharWidth() * kReviewColumns);

    auto* sheetLayout = new QVBoxLayout(sheetPage);
    sheetLayout->setContentsMargins(0, 6, 0, 0);
    sheetLayout->addWidget(status_);
    // Never wider than its columns: where the review's tab asks for more room, the table
    // stands in the middle of it.
    table_->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Expanding);
    sheetLayout->addWidget(table_, 1, Qt::AlignHCenter);
    auto* reviewLayout = new QVBoxLayout(reviewPage);
    reviewLayout->setContentsMargins(0, 6, 0, 0);
    reviewLayout->addWidget(chart_, 1);
    reviewLayout->addWidget(review_, 1);
    tabs_->addTab(sheetPage, title);
    tabs_->addTab(reviewPage, QString());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(tabs_);
}

void ScoreSheet::setContent(const SheetContent& content)
{
    status_->setText(content.status);
    status_->setAccessibleName(content.status);
    tabs_->setTabText(1, content.reviewHeading);
    review_->setAccessibleName(content.reviewHeading);
    chart_->setContent(content.chart);
    if (reviewShown_ != content.review) {
        reviewShown_ = content.review;
        if (content.reviewSections.empty())
            review_->setPlainText(content.review);
        else
            review_->setHtml(reviewHtml(content.reviewSections));
    }

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
        QFont font = heading->font();
        font.setBold(column.marked);
        heading->setFont(font);
        // Elided here: the header only clips a centred text at both ends. A screen reader and
        // the tip have the whole name.
        const int room
            = table_->columnWidth(c) - 2 * table_->style()->pixelMetric(QStyle::PM_HeaderMargin) - kHeadingSlack;
        heading->setText(QFontMetrics(font).elidedText(column.name, Qt::ElideRight, room));
        heading->setData(Qt::AccessibleTextRole, column.name);
        heading->setToolTip(column.name);
        heading->setData(Qt::AccessibleDescriptionRole, column.description);
        if (column.marked)
            heading->setBackground(QColor(kMarkedBackground));
        else
            heading->setData(Qt::BackgroundRole, QVariant());
    }
    if (newShape)
        fitToContent();
}

void ScoreSheet::fitToContent()
{
    table_->updateGeometry();
    // Its first content sets its size; later ones only make it larger, so that the place
    // it was given stays its own.
    const QSize wanted = sizeHint();
    resize(sized_ ? wanted.expandedTo(size()) : wanted);
    sized_ = true;
}

void ScoreSheet::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ScoreSheet::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        emit visibilityChanged(true);
}

void ScoreSheet::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    // The tab bar names its scroll buttons once, in the language of its making.
    QTabBar* bar = tabs_->tabBar();
    for (const auto& [name, text] :
         {std::pair{u"ScrollLeftButton", "Scroll Left"}, {u"ScrollRightButton", "Scroll Right"}})
        if (auto* button = bar->findChild<QWidget*>(QString::fromUtf16(name)))
            button->setAccessibleName(QTabBar::tr(text));
}

void ScoreSheet::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        emit visibilityChanged(false);
}

} // namespace ui
