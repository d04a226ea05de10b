#pragma once

// The start-up window's design, in pixels of the client area.
namespace intro {

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
};

inline constexpr char kCaption[] = "    Kolvo Introduktion";
inline constexpr int kClientWidth = 512;
inline constexpr int kClientHeight = 217;
inline constexpr char kIcon[] = ":/images/icon-intro.png";

// Drawn from the top-left corner; one pixel row lower than the client area, so the
// bottom row shows the window colour.
inline constexpr char kPicture[] = ":/images/title.png";

// The only control; it lies over the picture and has the keyboard focus.
inline constexpr char kOrderName[] = "Order";
inline constexpr char kOrderCaption[] = "Till inmatningar";
inline constexpr Rect kOrder{8, 160, 73, 33};

} // namespace intro
