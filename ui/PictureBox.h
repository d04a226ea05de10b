// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QImage>
#include <QPixmap>
#include <QWidget>

// A picture box with a persistent image: what is drawn into it stays, can be drawn
// and copied while the box is hidden, and can be handed out as a picture.
// The optional border lies outside the drawable area, of constant width on every side.
//
// Sizes and positions are logical pixels, as for every widget. The stored image may
// hold more device pixels than that (its device pixel ratio), so that a picture made
// for a high-density screen shows at its logical size with all its detail.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    // Plain: a flat one-pixel black frame. Hold: a bright yellow band with a dark outer
    // edge, that stands out on every die style and on the blue window.
    enum class Border { Plain, Hold };
    static constexpr int kPlainBorderWidth = 1;
    static constexpr int kHoldBorderWidth = 3;

    explicit PictureBox(QWidget* parent = nullptr);

    // An auto-sizing box is always picture plus border, keeping its top-left corner.
    void setAutoSize(bool on);
    bool autoSize() const { return autoSize_; }

    void setBorder(bool on);
    bool hasBorder() const { return border_; }
    // How the border looks when it is on; a change resizes the box as setBorder does.
    void setBorderStyle(Border style);
    Border borderStyle() const { return borderStyle_; }
    int borderWidth() const;
    // Where the box may draw, in its parent's coordinates; by default all of the box.
    // A box that reaches past them (a held die in a strip too low for its band) draws
    // its border inside them, over the edge of its picture, and nothing beyond, so the
    // parent's own drawing there stays as it is. The box's size is not changed.
    void setDrawingBounds(const QRect& bounds);

    // Replaces the stored image, with the picture's own device pixel ratio. A
    // fixed-size box keeps its size and shows the picture from its top-left corner.
    void setPicture(const QImage& picture);
    void setPicture(const QPixmap& picture) { setPicture(picture.toImage()); }

    // The stored image; drawing into storedImage() must be followed by update().
    const QImage& storedImage() const { return image_; }
    QImage& storedImage() { return image_; }

    // Device pixels per logical pixel of the image a fixed-size box makes for itself
    // in setBoxGeometry: 1 at first, then that of the latest picture or as set here.
    void setImageScale(int scale);

    // Outer size for a fixed-size box; the stored image becomes the drawable area
    // and keeps what it held, filled with the window colour where it grows.
    void setBoxGeometry(const QRect& outer);

signals:
    void clicked();
    // A click by the mouse, where in the box it was; clicked() comes with it.
    void clickedAt(QPoint where);
    // The border was switched on or off (for a die: held or released).
    void borderSwitched(bool on);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void borderChanged();
    void fitToPicture();
    QSize drawableSize() const;
    QSize pictureSize() const; // in logical pixels

    QImage image_;
    QRect drawingBounds_; // in the parent's coordinates; null for the whole box
    int imageScale_ = 1;
    bool autoSize_ = false;
    bool border_ = false;
    Border borderStyle_ = Border::Plain;
    bool pressed_ = false;
};
