// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>
#include <initializer_list>
#include <vector>
#include <QRect>

class QWidget;

namespace ui {

// Windows beside the main window (the coach's tips, the score sheet, the keys window): one
// layout for all of them and the main window, so that none covers the parts of the main
// window the game is played with, nor another, and each lies on the screen.

// A side window as its placement sees it: by its frame, title bar included.
struct SideWindow {
    QSize size;            // as large as it wants to be
    int minHeight = 0;     // as short as it may be made (it scrolls)
    QRect at;              // where it stands (shown) or last stood (hidden); null: never placed
    bool shown = false;    // shown: it moves only where that helps
    bool byPlayer = false; // moved or resized by the player: it stays at `at`, kept on the screen
};

struct SideScene {
    QRect main;                     // the main window's frame
    QRect screen;                   // the screen's available area
    std::vector<QRect> keepInSight; // parts of the main window no side window may cover
    bool mainMayMove = false;       // the main window may move to make room
};

struct SidePlaces {
    QRect main;                 // the main window's frame, where it is to stand
    std::vector<QRect> windows; // each side window's frame, in their order
};

// Where the main window and each side window go: of the layouts tried (each window against
// the screen's edges, the main window, its parts kept in sight and the other windows; the
// main window where it stands, or against the screen's left or right edge), the one that
// comes first by the first of these that differs: the less of keepInSight covered; the less of one side window
// covered by another; the less of the windows off the screen; the less of the main window
// covered; the less the side windows are shortened; the less the main window moves; the
// less a shown window moves; the less a hidden window moves from where it last stood; the
// nearer a gap's width away from the main window; alongside its right edge, its left,
// below, above it; level with its top or left edge. A side window never lies higher than
// the screen's top nor further left than its left edge, and at least its first
// kLeastInSight pixels each way lie on it, title bar first.
inline constexpr int kLeastInSight = 64;
SidePlaces placeSideWindows(const SideScene& scene, const std::vector<SideWindow>& windows);

// Shows `side` beside `main` without activating it, placed with main's other shown side
// windows and main itself: main moves when that makes room, a shown side window only where
// that helps. It places them all again whenever one changes its size, once a window
// manager's frame turns out other than the main window's, and when the player moves main
// (the side windows follow it). A side window the player has moved or resized stays where
// the player put it. keepInSight: rectangles in the coordinates of `area`, a child of
// `main`; the board's category boxes, dice and roll button.
void showSideWindow(QWidget& main, QWidget& side, const QWidget& area, std::initializer_list<QRect> keepInSight);

// The area the side windows of `main` are kept in; by default the available geometry of
// main's screen. An empty function restores the default.
void setSideWindowScreen(std::function<QRect(const QWidget& main)> screen);

} // namespace ui
