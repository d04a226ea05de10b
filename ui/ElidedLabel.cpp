// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ElidedLabel.h"

#include <QEvent>
#include <QPainter>
#include <QHelpEvent>
#include <QTextLayout>
#include <QToolTip>

#include "platform/PlainText.h"

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText); // names show exactly as typed
}

QStringList ElidedLabel::layoutLines(bool* elided) const
{
    *elided = false;
    const QRect area = contentsRect();
    const QFontMetrics metrics(font());
    const int maxLines = wordWrap() ? qMax(1, area.height() / metrics.lineSpacing()) : 1;
    // Line breaks typed into a name show as blanks, as a one-line caption shows them.
    QString caption = text();
    caption.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));

    QStringList lines;
    QTextLayout layout(caption, font());
    QTextOption option;
    option.setWrapMode(wordWrap() ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(area.width());
        if (lines.size() == maxLines - 1) {
            const QString rest = caption.mid(line.textStart());
            const QString shown = metrics.elidedText(rest, Qt::ElideRight, area.width());
            *elided = shown != rest;
            lines << shown;
            break;
        }
        lines << caption.mid(line.textStart(), line.textLength());
    }
    layout.endLayout();
    return lines;
}

QStringList ElidedLabel::shownLines() const
{
    bool elided = false;
    return layoutLines(&elided);
}

bool ElidedLabel::isElided() const
{
    bool elided = false;
    layoutLines(&elided);
    return elided;
}

void ElidedLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = contentsRect();
    const QFontMetrics metrics(font());
    painter.setPen(palette().color(foregroundRole()));
    int y = area.top();
    for (const QString& line : shownLines()) {
        const QRect row(area.left(), y, area.width(), metrics.lineSpacing());
        QString shown = line;
        while (shown.size() > 1 && shown.back().isSpace()) // the blank a line was broken at
            shown.chop(1);
        painter.drawText(row, int(alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignTop | Qt::TextSingleLine, shown);
        y += metrics.lineSpacing();
    }
}

QString ElidedLabel::shownToolTip() const
{
    // The label's own tip is plain text: it is shown as typed, never as markup.
    const QString own = toolTip();
    if (!isElided())
        return own;
    return own.isEmpty() ? text() : own + QLatin1Char('\n') + text();
}

bool ElidedLabel::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const QString tip = shownToolTip();
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), plainToolTip(tip), this);
        return true;
    }
    return QLabel::event(event);
}
