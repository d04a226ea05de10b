// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>
#include <initializer_list>
#include <vector>
#include <QRect>

class QWidget;

namespace ui {

// Windows beside the main window (the coach's tips, the score sheet): one placement for
// all of them, so that none covers another, nor the parts of the main window the game
// is played with.

// A side window as its placement sees it: by its frame, title bar included.
struct SideWindow {
    QSize size;        // as large as it wants to be
    int minHeight = 0; // as short as it may be made, to keep keepInSight uncovered
    QRect at;          // where it stands (shown) or last stood (hidden); null: never placed
    bool shown = false;
};

struct SideScene {
    QRect main;                     // the main window's frame
    QRect screen;                   // the screen's available area
    std::vector<QRect> keepInSight; // parts of the main window no side window should cover
};

// Where each window goes, in their order. Each lies wholly on the screen, no larger than
// it; among such places the first of these that differs decides: the less of keepInSight
// covered; the less shortened; the less of one side window covered by another; the less
// of the main window covered; the less a shown window moves; the less a hidden window
// moves from where it last stood; the nearer a gap's width away from the main window;
// alongside its right edge, its left, below, above it; level with its top or left edge.
std::vector<QRect> placeSideWindows(const SideScene& scene, const std::vector<SideWindow>& windows);

// Shows `side` beside `main` without activating it, placed among main's other shown side
// windows, which move only where that helps; places them all again whenever one changes
// its size, and once a window manager's frame turns out other than the main window's.
// keepInSight: rectangles in the coordinates of `area`, a child of `main`.
void showSideWindow(QWidget& main, QWidget& side, const QWidget& area, std::initializer_list<QRect> keepInSight);

// The area the side windows of `main` are kept in; by default the available geometry of
// main's screen. An empty function restores the default.
void setSideWindowScreen(std::function<QRect(const QWidget& main)> screen);

} // namespace ui
