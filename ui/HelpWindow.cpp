// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/HelpWindow.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace ui {

namespace {

constexpr int kWidthInCharacters = 72;
constexpr int kHeightInLines = 30;
constexpr int kHelpLeastLines = 10; // beside the game it may be shortened: the text scrolls

// The text as large as kWidthInCharacters by kHeightInLines asks, and no smaller than
// kHelpLeastLines of that width.
class HelpText : public QTextBrowser {
public:
    explicit HelpText(QWidget* parent) : QTextBrowser(parent)
    {
        setMinimumSize(widthInPixels(), fontMetrics().lineSpacing() * kHelpLeastLines);
    }
    QSize sizeHint() const override { return {widthInPixels(), fontMetrics().lineSpacing() * kHeightInLines}; }

private:
    int widthInPixels() const { return fontMetrics().averageCharWidth() * kWidthInCharacters; }
};

QString html(std::span<const HelpRow> rows)
{
    QString out;
    bool inTable = false;
    for (const HelpRow& row : rows) {
        const bool key = row.kind == HelpRow::Kind::Key;
        if (inTable && !key)
            out += QStringLiteral("</table>");
        if (!inTable && key)
            out += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"3\">");
        inTable = key;
        switch (row.kind) {
        case HelpRow::Kind::Heading:
            out += QStringLiteral("<h3>%1</h3>").arg(row.first.toHtmlEscaped());
            break;
        case HelpRow::Kind::Key:
            out += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                       .arg(row.first.toHtmlEscaped(), row.second.toHtmlEscaped());
            break;
        case HelpRow::Kind::Text:
            out += QStringLiteral("<p>%1</p>").arg(row.first.toHtmlEscaped());
            break;
        }
    }
    if (inTable)
        out += QStringLiteral("</table>");
    return out;
}

} // namespace

HelpWindow::HelpWindow(const QString& title, std::span<const HelpRow> rows, QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setModal(false);
    view_ = new HelpText(this);
    view_->setObjectName(QStringLiteral("helpText"));
    view_->setOpenLinks(false);
    setContent(title, rows);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_);
    layout->addWidget(buttons);
    view_->setFocus();
}

void HelpWindow::setContent(const QString& title, std::span<const HelpRow> rows)
{
    setWindowTitle(title);
    view_->setAccessibleName(title);
    view_->setHtml(html(rows));
}

QString HelpWindow::text() const
{
    return view_->toPlainText();
}

} // namespace ui
