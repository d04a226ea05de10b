// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Intro.h"

#include <QApplication>
#include <QPainter>
#include <QPushButton>

#include "platform/Random.h"
#include "ui/FocusRing.h"
#include "ui/KeyGuard.h"
#include "ui/IntroDesign.h"
#include "ui/DesignLook.h"
#include "ui/Pictures.h"

Intro::Intro(const Services& services, QWidget* parent) : QWidget(parent), services_(services)
{
    setObjectName(QStringLiteral("Intro"));
    ui::setUpFixedWindow(*this, intro::kCaption.toString(), intro::kIcon.toString(), intro::kClientWidth,
                         intro::kClientHeight);
    loadPicture();

    Order = new QPushButton(this);
    Order->setObjectName(intro::kOrderName.toString());
    Order->setGeometry(intro::kOrder);
    Order->setAutoDefault(true); // Enter presses the focused button, as Space does
    showTexts();
    connect(Order, &QPushButton::clicked, this, &Intro::Order_Click);
    Order->setFocus();
    ui::installFocusRing(*this);
    // A held Enter presses one button, not the next window's too.
    new ui::KeyGuard(*this, {Qt::Key_Return, Qt::Key_Enter});
}

void Intro::showTexts()
{
    setWindowTitle(intro::kCaption.toString());
    Order->setText(intro::kOrderCaption.toString());
    Order->setAccessibleDescription(intro::kOrderDescription.toString());
    fitOrderCaption();
}

void Intro::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    showTexts();
    picture_ = QImage(); // its words are the language's too
    update();
}

void Intro::loadPicture()
{
    const int scale = ui::artScale(devicePixelRatioF());
    if (picture_.isNull() || qRound(picture_.devicePixelRatio()) != scale)
        picture_ = ui::loadPicture(intro::kPicture, scale);
}

namespace {
constexpr int kSmallestPixels = 8; // below this the caption would no longer be readable
}

void Intro::fitOrderCaption()
{
    // The window has no font of its own: the default one at regular weight. Where the
    // default face is wider than the design's, the caption would be cut at the
    // button's sides; it then gets the design's stand-in face, at the default size or
    // as much smaller as it takes to fit.
    QFont font = QApplication::font(Order);
    font.setWeight(QFont::Normal);
    Order->setFont(font);
    if (ui::captionFits(*Order))
        return;
    int pixels = QFontInfo(font).pixelSize();
    QFont narrow = ui::designFont(QFontInfo(font).pointSizeF(), false);
    narrow.setPixelSize(pixels);
    Order->setFont(narrow);
    while (!ui::captionFits(*Order) && pixels > kSmallestPixels) {
        narrow.setPixelSize(--pixels);
        Order->setFont(narrow);
    }
}

void Intro::Form_Load()
{
    show();
    services_.random->seed(secondsSinceMidnight());
}

void Intro::Order_Click()
{
    // Hidden, not closed: the program's exit closes it with the other windows.
    hide();
    emit setupRequested();
}

void Intro::paintEvent(QPaintEvent*)
{
    loadPicture(); // the window may have moved to a screen of another density
    QPainter painter(this);
    if (!qFuzzyCompare(picture_.devicePixelRatio(), devicePixelRatioF()))
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(0, 0, picture_);
}
