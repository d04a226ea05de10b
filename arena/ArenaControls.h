// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QRgb>
#include <QStringView>

#include "arena/ArenaDesign.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QWidget;
class PictureBox;

// The main window's controls, each built from its entry in the design's table: place, size,
// font, colours, caption and name. The window wires them to its handlers.
namespace arena {

// "ScoreVal(3)": a control of an array, by its design name and index.
QString indexedName(QStringView name, int index);

void setColours(QWidget* w, QRgb background, QRgb text);
QLabel* makeLabel(QWidget* parent, QStringView name, QStringView caption, const QRect& rect, Align align);
QLabel* makeLabel(QWidget* parent, const LabelDesign& design);

// The client area with its persistent blue background.
PictureBox* makeBackdrop(QWidget* window);
QPushButton* makeRoller(QWidget* backdrop);
QCheckBox* makeCategoryBox(QWidget* backdrop, const CategoryRow& row);
// Die i (0..4), a white square until its first face; a held die's band is drawn inside the
// dice frame.
PictureBox* makeDie(QWidget* backdrop, int i);
// Player p's name and total (1..6), yellow on their rows.
QLabel* makePlayerLabel(QWidget* backdrop, int p);
QLabel* makeSumLabel(QWidget* backdrop, int p);
QLabel* makeScoreLabel(QWidget* backdrop, const CategoryRow& row);
// The labels that only show their caption; the frame's black line.
void makePlainLabels(QWidget* backdrop);
void makeLine(QWidget* backdrop);

// Where a window first shows: centred on its screen, frame included.
void centreOnScreen(QWidget* window);

} // namespace arena
