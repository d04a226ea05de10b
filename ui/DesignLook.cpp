// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DesignLook.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QIcon>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>

namespace ui {

void setUpFixedWindow(QWidget& window, const QString& caption, const QString& iconPath, int width, int height)
{
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    window.setWindowTitle(caption);
    window.setWindowIcon(QIcon(iconPath));
    window.setFixedSize(width, height);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.setGeometry(
            QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, QSize(width, height), screen->availableGeometry()));
}

QFont designFont(double pointSize, bool bold)
{
    QFont font;
    font.setFamilies(
        {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QRect buttonCaptionArea(const QPushButton& button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.rect = button.rect();
    option.text = button.text();
    option.features = QStyleOptionButton::None;
    if (button.isFlat())
        option.features |= QStyleOptionButton::Flat;
    if (button.autoDefault())
        option.features |= QStyleOptionButton::AutoDefaultButton;
    if (button.isDefault())
        option.features |= QStyleOptionButton::DefaultButton;
    return button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
}

bool captionFits(const QPushButton& button)
{
    // A caption that reaches the bevel looks cut off even where no pixel is lost.
    constexpr int kSideMargin = 2;
    const QFontMetrics metrics(button.font());
    const QRect area = buttonCaptionArea(button);
    const QRect ink = metrics.tightBoundingRect(button.text());
    return metrics.horizontalAdvance(button.text()) + 2 * kSideMargin <= area.width() && ink.height() <= area.height();
}

} // namespace ui
