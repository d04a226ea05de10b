#pragma once
#include <QImage>
#include <QPixmap>
#include <QWidget>

// A picture box with a persistent image: what is drawn into it stays, can be drawn
// and copied while the box is hidden, and can be handed out as a picture.
// The optional border is a flat one-pixel frame outside the drawable area.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    static constexpr int kBorderWidth = 1;

    explicit PictureBox(QWidget* parent = nullptr);

    // An auto-sizing box is always picture plus border, keeping its top-left corner.
    void setAutoSize(bool on);
    bool autoSize() const { return autoSize_; }

    void setBorder(bool on);
    bool hasBorder() const { return border_; }
    int borderWidth() const { return border_ ? kBorderWidth : 0; }

    // Replaces the stored image. A fixed-size box keeps its size and shows the
    // picture from its top-left corner.
    void setPicture(const QImage& picture);
    void setPicture(const QPixmap& picture) { setPicture(picture.toImage()); }

    // The stored image; drawing into storedImage() must be followed by update().
    const QImage& storedImage() const { return image_; }
    QImage& storedImage() { return image_; }
    QPixmap picture() const { return QPixmap::fromImage(image_); }

    // Outer size for a fixed-size box; the stored image becomes the drawable area
    // and keeps what it held, filled with the window colour where it grows.
    void setBoxGeometry(const QRect& outer);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void fitToPicture();
    QSize drawableSize() const;

    QImage image_;
    bool autoSize_ = false;
    bool border_ = false;
    bool pressed_ = false;
};
