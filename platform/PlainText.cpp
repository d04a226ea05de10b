// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PlainText.h"

#include <QTextDocument>
#include <QWidget>

QString plainToolTip(const QString& text)
{
    if (Qt::mightBeRichText(text))
        return QStringLiteral("<p style='white-space:pre'>") + text.toHtmlEscaped() + QStringLiteral("</p>");
    return text;
}

void setPlainToolTip(QWidget* widget, const QString& text)
{
    widget->setToolTip(plainToolTip(text));
}
