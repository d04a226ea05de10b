// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/PictureBox.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr QRgb kHoldBand = qRgb(255, 255, 0);
constexpr QRgb kHoldEdge = qRgb(0, 0, 0);
} // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent)
{
}

void PictureBox::setAutoSize(bool on)
{
    autoSize_ = on;
    if (autoSize_)
        fitToPicture();
}

void PictureBox::setBorder(bool on)
{
    if (border_ == on)
        return;
    border_ = on;
    borderChanged();
    emit borderSwitched(on);
}

void PictureBox::setBorderStyle(Border style)
{
    if (borderStyle_ == style)
        return;
    borderStyle_ = style;
    if (border_)
        borderChanged();
}

int PictureBox::borderWidth() const
{
    if (!border_)
        return 0;
    return borderStyle_ == Border::Hold ? kHoldBorderWidth : kPlainBorderWidth;
}

void PictureBox::borderChanged()
{
    if (autoSize_)
        fitToPicture();
    else
        setBoxGeometry(geometry()); // a fixed box keeps its outer size
    update();
}

void PictureBox::setDrawingBounds(const QRect& bounds)
{
    drawingBounds_ = bounds;
    update();
}

void PictureBox::setPicture(const QImage& picture)
{
    image_ = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    imageScale_ = qMax(1, qRound(image_.devicePixelRatio()));
    if (autoSize_)
        fitToPicture();
    update();
}

void PictureBox::setImageScale(int scale)
{
    imageScale_ = qMax(1, scale);
}

void PictureBox::setBoxGeometry(const QRect& outer)
{
    setGeometry(outer);
    const QSize drawable = drawableSize();
    if (pictureSize() == drawable && qFuzzyCompare(image_.devicePixelRatio(), qreal(imageScale_)))
        return;
    QImage grown(drawable * imageScale_, QImage::Format_ARGB32_Premultiplied);
    grown.setDevicePixelRatio(imageScale_);
    grown.fill(palette().color(QPalette::Window));
    if (!image_.isNull()) {
        QPainter p(&grown);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, image_);
    }
    image_ = grown;
}

QSize PictureBox::pictureSize() const
{
    return image_.deviceIndependentSize().toSize();
}

QSize PictureBox::drawableSize() const
{
    const int b = 2 * borderWidth();
    return QSize(qMax(0, width() - b), qMax(0, height() - b));
}

void PictureBox::fitToPicture()
{
    const int b = 2 * borderWidth();
    setGeometry(QRect(pos(), pictureSize() + QSize(b, b)));
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const int b = borderWidth();
    QRect area = rect();
    if (!drawingBounds_.isNull()) {
        area &= drawingBounds_.translated(-pos());
        p.setClipRect(area);
    }
    if (!autoSize_)
        p.fillRect(rect(), palette().color(QPalette::Window));
    // A picture made for another density than the screen's is scaled smoothly, so
    // that no row or column of its pixels is doubled or dropped.
    if (!qFuzzyCompare(image_.devicePixelRatio(), devicePixelRatioF()))
        p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QPointF(b, b), image_);
    if (!border_)
        return;
    if (borderStyle_ == Border::Plain) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(area.adjusted(0, 0, -1, -1));
        return;
    }
    // The band: everything between the outer edge and the picture, or as much of the
    // picture's edge as the bounds take away, so the band keeps its width.
    const QRect inner = area.adjusted(b, b, -b, -b);
    p.setClipRegion(QRegion(area).subtracted(QRegion(inner)));
    p.fillRect(area, QColor(kHoldEdge));
    p.fillRect(area.adjusted(1, 1, -1, -1), QColor(kHoldBand));
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        pressed_ = true;
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    const bool wasPressed = pressed_;
    pressed_ = false;
    const QPoint where = event->position().toPoint();
    if (wasPressed && event->button() == Qt::LeftButton && rect().contains(where)) {
        emit clickedAt(where);
        emit clicked();
    }
}

void PictureBox::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool press = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    if (focusPolicy() != Qt::NoFocus && press) {
        // A key held down presses once: its repeats would click again and again.
        if (!event->isAutoRepeat())
            emit clicked();
        return;
    }
    QWidget::keyPressEvent(event);
}
