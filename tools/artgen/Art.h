#pragma once
#include <QImage>
#include <QList>
#include <QRgb>

namespace artgen {

// A picture set pixel by pixel in palette indices: nothing is blended or smoothed,
// so small pictures stay exact.
class IndexedCanvas {
public:
    IndexedCanvas(int width, int height);

    // The palette index of a colour; a new colour is appended to the palette.
    int ink(QRgb colour);
    void dot(int x, int y, int ink);
    void fill(int x, int y, int width, int height, int ink);
    // Sets every 'X' of a pattern of equally long rows, top-left corner at (x, y).
    void stamp(const char* const* rows, int rowCount, int x, int y, int ink);

    // The picture with its palette padded with black to paletteSize entries.
    QImage image(int paletteSize) const;
    int colourCount() const { return static_cast<int>(palette_.size()); }

private:
    QImage pixels_;
    QList<QRgb> palette_;
};

// The colours of a flat die tile with a one-pixel outline and a bevel.
struct TileColours {
    QRgb outline = 0;
    QRgb highlight = 0;
    QRgb body = 0;
    QRgb shade = 0;
};

// A 32 x 32 die tile without pips at (x, y): outline ring, rounded inner corners,
// light top and left edge, dark bottom and right edge, flat body inside 2..29.
void DrawTile(IndexedCanvas& canvas, int x, int y, const TileColours& colours);

// Maps a picture drawn with at most maxColours distinct colours (alpha included) to
// Indexed8, palette in order of first appearance. Returns a null image when the
// picture holds more colours.
QImage ToIndexed(const QImage& drawn, int maxColours);

QImage MakeFaceSheet();      // 192 x 192, Indexed8, 256 entries
QImage MakeTitle();          // 512 x 216, RGB888
QImage MakeForward();        // 73 x 20, RGB888
QImage MakeIntroIcon();      // 32 x 32, <= 16 colours
QImage MakeRulIcon();        // 32 x 32, <= 16 colours
QImage MakeArenaIcon();      // 32 x 32, <= 16 colours, opaque: the blank die
QImage MakeDesktopIcon(int size); // the blank die drawn smoothly at a larger size

} // namespace artgen
