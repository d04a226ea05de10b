#pragma once

// The set-up window's design, in pixels of the client area. Nothing else in the code
// repeats these numbers.
namespace rul {

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
};

// Four blanks, "Tärningsval", thirty blanks, "KOLVO FÖR SEX SPELARE".
inline constexpr char kCaption[] = "    Tärningsval                              KOLVO FÖR SEX SPELARE";
inline constexpr int kClientWidth = 209;
inline constexpr int kClientHeight = 323;
inline constexpr char kIcon[] = ":/images/icon-rul.png";

// "MS Sans Serif" bold, 8.25 point, for the label and the buttons.
inline constexpr double kPointSize = 8.25;
inline constexpr bool kBold = true;

// The label sizes itself to its text; only its top-left corner is binding.
inline constexpr char kInfoName[] = "TärningsInfo";
inline constexpr char kInfoCaption[] = " Välj tärning.";
inline constexpr Rect kInfo{64, 48, 75, 13};

// DiceStyle1..6: button N picks style N, the sheet's column N - 1. DiceStyle6 stands
// at the x of Pico(5), the others 8 pixels right of the Pico box above them.
struct ButtonDesign {
    const char* name = "";
    const char* caption = "";
    Rect rect;
};
inline constexpr ButtonDesign kStyleButtons[] = {
    {"DiceStyle1", "1", {16, 72, 17, 17}},  {"DiceStyle2", "2", {48, 72, 17, 17}},
    {"DiceStyle3", "3", {80, 72, 17, 17}},  {"DiceStyle4", "4", {112, 72, 17, 17}},
    {"DiceStyle5", "5", {144, 72, 17, 17}}, {"DiceStyle6", "6", {168, 72, 17, 17}},
};

// The face sheet: 6 x 6 cells of 32 x 32 pixels, column = style, row = face value - 1.
// Its box sizes itself to the picture plus a one-pixel border.
inline constexpr char kHolderName[] = "Diceholder";
inline constexpr char kHolderPicture[] = ":/images/faces.png";
inline constexpr Rect kHolder{8, 96, 194, 194};
inline constexpr int kCell = 32;
inline constexpr int kStyles = 6;
inline constexpr int kFaces = 6;

// The sign that leads on; it sizes itself to its picture plus a one-pixel border.
inline constexpr char kForwardName[] = "Forward";
inline constexpr char kForwardPicture[] = ":/images/forward.png";
inline constexpr Rect kForward{56, 296, 75, 22};
inline constexpr char kForwardToolTip[] = "Tryck här när all inmatning är klar";

// Pico(k) shows face value k + 1; each has a one-pixel border, so Pico(2), two
// pixels narrower than the rest, draws only 30 of a cell's 32 columns.
inline constexpr char kPicoName[] = "Pico(%1)";
inline constexpr Rect kPico[] = {
    {8, 8, 34, 34}, {40, 8, 34, 34}, {72, 8, 32, 34}, {104, 8, 34, 34}, {136, 8, 34, 34}, {168, 8, 34, 34},
};

} // namespace rul
