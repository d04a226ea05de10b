#include "platform/PlainText.h"

#include <QTextDocument>
#include <QWidget>

void setPlainToolTip(QWidget* widget, const QString& text)
{
    if (Qt::mightBeRichText(text))
        widget->setToolTip(QStringLiteral("<p style='white-space:pre'>") + text.toHtmlEscaped()
                           + QStringLiteral("</p>"));
    else
        widget->setToolTip(text);
}
