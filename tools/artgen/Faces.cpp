#include "Art.h"

#include <array>
#include <QHash>

namespace artgen {

IndexedCanvas::IndexedCanvas(int width, int height) : pixels_(width, height, QImage::Format_Indexed8)
{
    pixels_.fill(0);
}

int IndexedCanvas::ink(QRgb colour)
{
    const auto at = palette_.indexOf(colour);
    if (at >= 0)
        return static_cast<int>(at);
    palette_.append(colour);
    return static_cast<int>(palette_.size()) - 1;
}

void IndexedCanvas::dot(int x, int y, int ink)
{
    if (x >= 0 && y >= 0 && x < pixels_.width() && y < pixels_.height())
        pixels_.scanLine(y)[x] = static_cast<uchar>(ink);
}

void IndexedCanvas::fill(int x, int y, int width, int height, int ink)
{
    for (int j = y; j < y + height; ++j)
        for (int i = x; i < x + width; ++i)
            dot(i, j, ink);
}

void IndexedCanvas::stamp(const char* const* rows, int rowCount, int x, int y, int ink)
{
    for (int j = 0; j < rowCount; ++j)
        for (int i = 0; rows[j][i] != '\0'; ++i)
            if (rows[j][i] == 'X')
                dot(x + i, y + j, ink);
}

QImage IndexedCanvas::image(int paletteSize) const
{
    QImage out = pixels_;
    QList<QRgb> table = palette_;
    while (table.size() < paletteSize)
        table.append(qRgb(0, 0, 0));
    out.setColorTable(table);
    return out;
}

void DrawTile(IndexedCanvas& canvas, int x, int y, const TileColours& colours)
{
    const int outline = canvas.ink(colours.outline);
    const int highlight = canvas.ink(colours.highlight);
    const int body = canvas.ink(colours.body);
    const int shade = canvas.ink(colours.shade);
    canvas.fill(x, y, 32, 32, outline);
    canvas.fill(x + 2, y + 1, 28, 1, highlight);
    canvas.fill(x + 1, y + 2, 1, 28, highlight);
    canvas.fill(x + 2, y + 30, 28, 1, shade);
    canvas.fill(x + 30, y + 2, 1, 28, shade);
    canvas.fill(x + 2, y + 2, 28, 28, body);
}

QImage ToIndexed(const QImage& drawn, int maxColours)
{
    const QImage argb = drawn.convertToFormat(QImage::Format_ARGB32);
    QImage out(argb.size(), QImage::Format_Indexed8);
    QList<QRgb> table;
    QHash<QRgb, int> index;
    for (int y = 0; y < argb.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        uchar* line = out.scanLine(y);
        for (int x = 0; x < argb.width(); ++x) {
            auto found = index.constFind(in[x]);
            if (found == index.constEnd()) {
                if (table.size() == maxColours)
                    return QImage();
                found = index.insert(in[x], static_cast<int>(table.size()));
                table.append(in[x]);
            }
            line[x] = static_cast<uchar>(*found);
        }
    }
    out.setColorTable(table);
    return out;
}

namespace {

// Pips are 6 x 6 (the large one of style 6 is 10 x 10), placed on a 3 x 3 grid with
// centres 8, 16 and 24 pixels into the cell: two clear pixels between neighbours,
// so every pip stays a separate spot.
constexpr const char* kRoundPip[] = {
    ".XXXX.",
    "XXXXXX",
    "XXXXXX",
    "XXXXXX",
    "XXXXXX",
    ".XXXX.",
};
constexpr const char* kSquarePip[] = {
    "XXXXXX",
    "XXXXXX",
    "XXXXXX",
    "XXXXXX",
    "XXXXXX",
    "XXXXXX",
};
constexpr const char* kDiamondPip[] = {
    "..XX..",
    ".XXXX.",
    "XXXXXX",
    "XXXXXX",
    ".XXXX.",
    "..XX..",
};
constexpr const char* kLargeOne[] = {
    "...XXXX...",
    ".XXXXXXXX.",
    ".XXXXXXXX.",
    "XXXXXXXXXX",
    "XXXXXXXXXX",
    "XXXXXXXXXX",
    "XXXXXXXXXX",
    ".XXXXXXXX.",
    ".XXXXXXXX.",
    "...XXXX...",
};

enum class PipShape { Round, Square, Diamond };

struct DieStyle {
    TileColours tile;
    QRgb pip = 0;
    QRgb accent = 0; // the one and the four; equal to pip for most styles
    PipShape shape = PipShape::Round;
    bool largeOne = false;
};

// Column c of the sheet is style c + 1.
constexpr std::array<DieStyle, 6> kStyles = {{
    // White with black pips.
    {{qRgb(72, 72, 72), qRgb(255, 255, 255), qRgb(244, 244, 236), qRgb(190, 190, 180)},
     qRgb(16, 16, 16), qRgb(16, 16, 16), PipShape::Round, false},
    // Red with white pips.
    {{qRgb(80, 0, 8), qRgb(236, 84, 84), qRgb(204, 24, 36), qRgb(138, 12, 22)},
     qRgb(255, 255, 255), qRgb(255, 255, 255), PipShape::Round, false},
    // Blue with white square pips.
    {{qRgb(8, 20, 72), qRgb(96, 144, 240), qRgb(32, 80, 200), qRgb(16, 44, 128)},
     qRgb(255, 255, 255), qRgb(255, 255, 255), PipShape::Square, false},
    // Green with yellow diamond pips.
    {{qRgb(4, 48, 16), qRgb(96, 200, 112), qRgb(28, 140, 56), qRgb(12, 88, 32)},
     qRgb(255, 232, 32), qRgb(255, 232, 32), PipShape::Diamond, false},
    // Black with gold pips.
    {{qRgb(0, 0, 0), qRgb(104, 104, 112), qRgb(40, 40, 44), qRgb(16, 16, 16)},
     qRgb(240, 196, 40), qRgb(240, 196, 40), PipShape::Round, false},
    // Yellow with black pips, a large red one and a red four.
    {{qRgb(104, 64, 0), qRgb(255, 238, 136), qRgb(250, 206, 40), qRgb(196, 146, 8)},
     qRgb(28, 20, 8), qRgb(204, 16, 24), PipShape::Round, true},
}};

struct Spot {
    int x = 0, y = 0;
};

// Pip centres of face value v, value 1 first. The two and three run from the top right
// to the bottom left.
constexpr std::array<std::array<Spot, 6>, 6> kSpots = {{
    {{{16, 16}}},
    {{{24, 8}, {8, 24}}},
    {{{24, 8}, {16, 16}, {8, 24}}},
    {{{8, 8}, {24, 8}, {8, 24}, {24, 24}}},
    {{{8, 8}, {24, 8}, {16, 16}, {8, 24}, {24, 24}}},
    {{{8, 8}, {24, 8}, {8, 16}, {24, 16}, {8, 24}, {24, 24}}},
}};

const char* const* pipPattern(PipShape shape)
{
    switch (shape) {
    case PipShape::Square:
        return kSquarePip;
    case PipShape::Diamond:
        return kDiamondPip;
    case PipShape::Round:
        break;
    }
    return kRoundPip;
}

void drawFace(IndexedCanvas& canvas, int x, int y, const DieStyle& style, int value)
{
    DrawTile(canvas, x, y, style.tile);
    const bool accented = value == 1 || value == 4;
    const int ink = canvas.ink(accented ? style.accent : style.pip);
    if (value == 1 && style.largeOne) {
        canvas.stamp(kLargeOne, 10, x + 11, y + 11, ink);
        return;
    }
    for (int k = 0; k < value; ++k) {
        const Spot s = kSpots[value - 1][k];
        canvas.stamp(pipPattern(style.shape), 6, x + s.x - 3, y + s.y - 3, ink);
    }
}

} // namespace

QImage MakeFaceSheet()
{
    IndexedCanvas canvas(192, 192);
    for (int c = 0; c < 6; ++c)
        for (int r = 0; r < 6; ++r)
            drawFace(canvas, 32 * c, 32 * r, kStyles[c], r + 1);
    return canvas.image(256);
}

} // namespace artgen
