#include "platform/PictureBox.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

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
    if (autoSize_)
        fitToPicture();
    else
        setBoxGeometry(geometry()); // a fixed box keeps its outer size

    update();
}

void PictureBox::setPicture(const QImage& picture)
{
    image_ = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (autoSize_)
        fitToPicture();
    update();
}

void PictureBox::setBoxGeometry(const QRect& outer)
{
    setGeometry(outer);
    const QSize drawable = drawableSize();
    if (image_.size() == drawable)
        return;
    QImage grown(drawable.expandedTo(QSize(0, 0)), QImage::Format_ARGB32_Premultiplied);
    grown.fill(palette().color(QPalette::Window));
    if (!image_.isNull()) {
        QPainter p(&grown);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, image_);
    }
    image_ = grown;
}

QSize PictureBox::drawableSize() const
{
    const int b = 2 * borderWidth();
    return QSize(qMax(0, width() - b), qMax(0, height() - b));
}

void PictureBox::fitToPicture()
{
    const int b = 2 * borderWidth();
    setGeometry(QRect(pos(), image_.size() + QSize(b, b)));
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const int b = borderWidth();
    if (!autoSize_)
        p.fillRect(rect(), palette().color(QPalette::Window));
    p.drawImage(b, b, image_);
    if (border_) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
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
    if (wasPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void PictureBox::keyPressEvent(QKeyEvent* event)
{
    if (focusPolicy() != Qt::NoFocus && (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return)) {
        emit clicked();
        return;
    }
    QWidget::keyPressEvent(event);
}
