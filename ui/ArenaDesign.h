#pragma once
#include <QRgb>

// The main window's design: every control's place, size, text and look, in pixels of
// the client area (below the menu bar). Nothing else in the code repeats these numbers.
namespace arena {

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
};

inline constexpr char kCaption[] = "Kolvo 2003";
inline constexpr int kClientWidth = 432;
inline constexpr int kClientHeight = 322;
inline constexpr QRgb kBlue = qRgb(0, 0, 255);
inline constexpr QRgb kYellow = qRgb(255, 255, 0);

inline constexpr double kCheckBoxPointSize = 8.25; // check boxes and the roll button
inline constexpr double kLabelPointSize = 9.75;    // every label

enum class Align { Left, Centre };

struct LabelDesign {
    const char* name = "";
    const char* caption = "";
    Rect rect;
    Align align = Align::Left;
    const char* toolTip = nullptr; // none
};

inline constexpr LabelDesign kLabels[] = {
    {"Label2", "Spelare", {168, 8, 81, 17}, Align::Left, nullptr},
    {"Label3", "Poäng", {336, 8, 61, 17}, Align::Left, nullptr},
    {"Label1", "Nu kastar", {128, 208, 113, 25}, Align::Centre, nullptr},
    {"lblSpelareTur", "", {128, 232, 113, 41}, Align::Centre, "Visar vilken spelare som är i tur att kasta"},
    {"lblHighscoreHolder", "Högsta poäng", {256, 208, 137, 17}, Align::Centre, nullptr},
    {"RekordHållareNamn", "", {256, 228, 105, 17}, Align::Left, "Rekordhållarens namn"},
    {"Rekordhållare", "", {364, 228, 29, 17}, Align::Centre, "Rekordhållarens poäng"},
};

inline constexpr char kRollerName[] = "Roller";
inline constexpr char kRollerCaption[] = "Kasta";
inline constexpr Rect kRoller{344, 280, 81, 33};

inline constexpr char kLineName[] = "Line1";
inline constexpr Rect kLine{0, 0, 404, 1}; // a one-pixel rule along the top edge

inline constexpr char kTimerName[] = "Timer1";
inline constexpr int kTimerInterval = 100; // ms

// Category check boxes ScoreVal(1..15) and their score labels Score(1..15). The index
// is the category number; Chans (15) stands on the 14th row, above Kolvo (14).
struct CategoryRow {
    int index = 0;
    const char* caption = "";
    int top = 0;
};
inline constexpr CategoryRow kCategoryRows[] = {
    {1, "Ettor", 8},    {2, "Tvåor", 24},   {3, "Treor", 40},    {4, "Fyror", 56},
    {5, "Femmor", 72},  {6, "Sexor", 88},   {7, "Par", 104},     {8, "Två par", 120},
    {9, "Triss", 136},  {10, "Fyrtal", 152}, {11, "Lillan", 168}, {12, "Storan", 184},
    {13, "Kåk", 200},   {15, "Chans", 216}, {14, "Kolvo", 232},
};
inline constexpr int kScoreValLeft = 12;
inline constexpr int kScoreValWidth = 70;
inline constexpr int kScoreLeft = 88;
inline constexpr int kScoreWidth = 33;
inline constexpr int kRowHeight = 17;

// Player table lblPlayer(1..6) and lblSum(1..6); the sixth row is 26 pixels below the fifth.
inline constexpr int kPlayerRowTops[] = {32, 56, 80, 104, 128, 154};
inline constexpr int kPlayerLeft = 168;
inline constexpr int kPlayerWidth = 153;
inline constexpr int kSumLeft = 336;
inline constexpr int kSumWidth = 61;

// Dice DicePic(0..4).
inline constexpr int kDiceTop = 280;
inline constexpr int kDiceLefts[] = {128, 168, 208, 248, 288};
inline constexpr int kDiceDesignSize = 33;
inline constexpr char kDiceDesignToolTip[] = "Håll/släpp med klick";

// Yellow frames drawn on the background at load, by opposite corners (both inclusive).
struct Frame {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};
inline constexpr Frame kFrames[] = {
    {10, 6, 123, 251},   // category boxes and scores
    {166, 6, 399, 173},  // player table
    {126, 206, 243, 275}, // player in turn
    {254, 206, 395, 247}, // record
    {126, 278, 323, 315}, // dice
};

// Menu tree. Spelarnummer(i) starts a game for i players.
inline constexpr char kFileMenuName[] = "mnuFile";
inline constexpr char kFileMenuCaption[] = "&Fil";
inline constexpr char kExitName[] = "mnuExit";
inline constexpr char kExitCaption[] = "&Exit";
inline constexpr char kNewGameMenuName[] = "mnuNewGame";
inline constexpr char kNewGameMenuCaption[] = "&Nytt spel";
inline constexpr const char* kPlayerCountCaptions[] = {
    "&En spelare", "&Två spelare", "T&re spelare", "&Fyra spelare", "Fe&m spelare", "Se&x spelare",
};
inline constexpr char kHelpName[] = "mnuHelp";
inline constexpr char kHelpCaption[] = "&Hjälp";

} // namespace arena
