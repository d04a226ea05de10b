// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
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

// A size x size die tile without pips at (x, y): outline ring whose four corner
// pixels are left as they were, rounded inner corners, light top and left edge, dark
// bottom and right edge, flat body inside 2..size - 3.
void DrawTile(IndexedCanvas& canvas, int x, int y, int size, const TileColours& colours);

// Every picture is drawn for a pixel density: scale 1 is the design's size, pixel by
// pixel where it is small; scales 2 and 3 are the same picture with two and three
// times as many pixels each way, drawn smoothly, for high-density screens.
QImage MakeFaceSheet(int scale); // 192 x 192; at scale 1 Indexed8 with 256 entries
// The words in the title picture and on the Forward sign, in the program's languages.
enum class Language { Swedish, English };
QImage MakeTitle(int scale, Language language);   // 512 x 216, RGB888
QImage MakeForward(int scale, Language language); // 73 x 20, RGB888
QImage MakeArenaIcon(int scale);                  // 32 x 32, opaque: the blank die; <= 16 colours at scale 1
QImage MakeProgramIcon(int size);                 // colourful dice; pixel-exact up to 32, smooth above
QByteArray ProgramIconSvg();                      // the smooth program icon as SVG

} // namespace artgen
