// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QRect>
#include <QString>

class QFont;
class QPushButton;
class QWidget;

namespace ui {

// A top-level window of fixed client size with caption and icon, not resizable and
// without a maximise button, its client area centred on the primary screen.
void setUpFixedWindow(QWidget& window, const QString& caption, const QString& iconPath, int width, int height);

// The design's face "MS Sans Serif" at pointSize, with its stand-ins where it is missing.
QFont designFont(double pointSize, bool bold);

// Where the button's style lays out its caption: inside its bevel and margins.
QRect buttonCaptionArea(const QPushButton& button);
// True when the caption, in the button's font, fits that area both ways, with two
// pixels to spare on either side.
bool captionFits(const QPushButton& button);

} // namespace ui
