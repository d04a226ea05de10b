#include "platform/PlainText.h"

#include <QScreen>
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

void centreOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QSize frame = window->frameGeometry().size();
    window->move(available.center() - QPoint(frame.width() / 2, frame.height() / 2));
}
