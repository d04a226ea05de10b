// SPDX-License-Identifier: GPL-3.0-or-later
#include "Art.h"

#include <array>
#include <QPainter>

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

void DrawTile(IndexedCanvas& canvas, int x, int y, int size, const TileColours& colours)
{
    const int outline = canvas.ink(colours.outline);
    const int highlight = canvas.ink(colours.highlight);
    const int body = canvas.ink(colours.body);
    const int shade = canvas.ink(colours.shade);
    canvas.fill(x + 1, y, size - 2, size, outline);
    canvas.fill(x, y + 1, size, size - 2, outline);
    canvas.fill(x + 2, y + 1, size - 4, 1, highlight);
    canvas.fill(x + 1, y + 2, 1, size - 4, highlight);
    canvas.fill(x + 2, y + size - 2, size - 4, 1, shade);
    canvas.fill(x + size - 2, y + 2, 1, size - 4, shade);
    canvas.fill(x + 2, y + 2, size - 4, size - 4, body);
}

namespace {

// A cell is 32 x 32. The die is 30 x 30 in its top-left corner, on the blue of the
// main window, with its shadow two pixels down and right. So the cell's two right
// columns hold nothing of the die: the face box of the three, 30 pixels wide, shows
// the whole die.
constexpr int kCell = 32;
constexpr int kDie = 30;
constexpr int kShadowOffset = 2;
constexpr QRgb kGround = qRgb(0, 0, 255);
constexpr QRgb kShadow = qRgb(0, 0, 120);

// Pips are 6 x 6 (the large one of style 6 is 10 x 10), placed on a 3 x 3 grid with
// centres 7, 15 and 23 pixels into the die: two clear pixels between neighbours and
// between a pip and the bevel, so every pip stays a separate spot.
constexpr const char* kRoundPip[] = {
    ".XXXX.", "XXXXXX", "XXXXXX", "XXXXXX", "XXXXXX", ".XXXX.",
};
constexpr const char* kSquarePip[] = {
    "XXXXXX", "XXXXXX", "XXXXXX", "XXXXXX", "XXXXXX", "XXXXXX",
};
constexpr const char* kDiamondPip[] = {
    "..XX..", ".XXXX.", "XXXXXX", "XXXXXX", ".XXXX.", "..XX..",
};
constexpr const char* kLargeOne[] = {
    "...XXXX...", ".XXXXXXXX.", ".XXXXXXXX.", "XXXXXXXXXX", "XXXXXXXXXX",
    "XXXXXXXXXX", "XXXXXXXXXX", ".XXXXXXXX.", ".XXXXXXXX.", "...XXXX...",
};
constexpr int kPip = 6;
constexpr int kLargePip = 10;

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
     qRgb(16, 16, 16),
     qRgb(16, 16, 16),
     PipShape::Round,
     false},
    // Red with white pips.
    {{qRgb(80, 0, 8), qRgb(236, 84, 84), qRgb(204, 24, 36), qRgb(138, 12, 22)},
     qRgb(255, 255, 255),
     qRgb(255, 255, 255),
     PipShape::Round,
     false},
    // Blue with white square pips.
    {{qRgb(8, 20, 72), qRgb(96, 144, 240), qRgb(32, 80, 200), qRgb(16, 44, 128)},
     qRgb(255, 255, 255),
     qRgb(255, 255, 255),
     PipShape::Square,
     false},
    // Green with yellow diamond pips.
    {{qRgb(4, 48, 16), qRgb(96, 200, 112), qRgb(28, 140, 56), qRgb(12, 88, 32)},
     qRgb(255, 232, 32),
     qRgb(255, 232, 32),
     PipShape::Diamond,
     false},
    // Black with gold pips.
    {{qRgb(0, 0, 0), qRgb(104, 104, 112), qRgb(40, 40, 44), qRgb(16, 16, 16)},
     qRgb(240, 196, 40),
     qRgb(240, 196, 40),
     PipShape::Round,
     false},
    // Yellow with black pips, a large red one and a red four.
    {{qRgb(104, 64, 0), qRgb(255, 238, 136), qRgb(250, 206, 40), qRgb(196, 146, 8)},
     qRgb(28, 20, 8),
     qRgb(204, 16, 24),
     PipShape::Round,
     true},
}};

// The die shown before a turn's first roll: the white style's tile without pips.
constexpr DieStyle kBlankDie{
    {qRgb(72, 72, 72), qRgb(255, 255, 255), qRgb(236, 236, 228), qRgb(180, 180, 170)}, 0, 0, PipShape::Round, false};

struct Spot {
    int x = 0, y = 0;
};

// Pip centres of face value v, value 1 first, in pixels from the die's corner at
// scale 1 (the centre of a 6-pixel pip lies between its third and fourth pixel). The
// two and three run from the top right to the bottom left.
constexpr std::array<std::array<Spot, 6>, 6> kSpots = {{
    {{{15, 15}}},
    {{{23, 7}, {7, 23}}},
    {{{23, 7}, {15, 15}, {7, 23}}},
    {{{7, 7}, {23, 7}, {7, 23}, {23, 23}}},
    {{{7, 7}, {23, 7}, {15, 15}, {7, 23}, {23, 23}}},
    {{{7, 7}, {23, 7}, {7, 15}, {23, 15}, {7, 23}, {23, 23}}},
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

// Value 0 is a die without pips.
void drawCellExact(IndexedCanvas& canvas, int x, int y, const DieStyle& style, int value)
{
    canvas.fill(x, y, kCell, kCell, canvas.ink(kGround));
    canvas.fill(x + kShadowOffset, y + kShadowOffset, kDie, kDie, canvas.ink(kShadow));
    DrawTile(canvas, x, y, kDie, style.tile);
    if (value == 0)
        return;
    const bool accented = value == 1 || value == 4;
    const int ink = canvas.ink(accented ? style.accent : style.pip);
    if (value == 1 && style.largeOne) {
        canvas.stamp(kLargeOne, kLargePip, x + 15 - kLargePip / 2, y + 15 - kLargePip / 2, ink);
        return;
    }
    for (int k = 0; k < value; ++k) {
        const Spot s = kSpots[value - 1][k];
        canvas.stamp(pipPattern(style.shape), kPip, x + s.x - kPip / 2, y + s.y - kPip / 2, ink);
    }
}

// The same cell in cell units, for a painter scaled to the density wanted: the same
// places and sizes as the exact cell, with rounded corners and smooth pip edges.
void paintCell(QPainter& p, const DieStyle& style, int value)
{
    p.fillRect(QRectF(0, 0, kCell, kCell), QColor(kGround));
    p.setPen(Qt::NoPen);
    auto rounded = [&](QRectF r, qreal radius, QRgb colour) {
        p.setBrush(QColor(colour));
        p.drawRoundedRect(r, radius, radius);
    };
    rounded(QRectF(kShadowOffset, kShadowOffset, kDie, kDie), 2, kShadow);
    rounded(QRectF(0, 0, kDie, kDie), 2, style.tile.outline);
    rounded(QRectF(1, 1, kDie - 2, kDie - 2), 1.5, style.tile.shade);
    rounded(QRectF(1, 1, kDie - 3, kDie - 3), 1.5, style.tile.highlight);
    rounded(QRectF(2, 2, kDie - 4, kDie - 4), 1, style.tile.body);
    if (value == 0)
        return;
    const bool accented = value == 1 || value == 4;
    p.setBrush(QColor(accented ? style.accent : style.pip));
    if (value == 1 && style.largeOne) {
        p.drawEllipse(QPointF(15, 15), kLargePip / 2.0, kLargePip / 2.0);
        return;
    }
    for (int k = 0; k < value; ++k) {
        const QPointF c(kSpots[value - 1][k].x, kSpots[value - 1][k].y);
        switch (style.shape) {
        case PipShape::Round:
            p.drawEllipse(c, kPip / 2.0, kPip / 2.0);
            break;
        case PipShape::Square:
            p.drawRoundedRect(QRectF(c.x() - 3, c.y() - 3, kPip, kPip), 0.75, 0.75);
            break;
        case PipShape::Diamond: {
            const QPointF corners[]
                = {{c.x() - 1, c.y() - 3}, {c.x() + 1, c.y() - 3}, {c.x() + 3, c.y() - 1}, {c.x() + 3, c.y() + 1},
                   {c.x() + 1, c.y() + 3}, {c.x() - 1, c.y() + 3}, {c.x() - 3, c.y() + 1}, {c.x() - 3, c.y() - 1}};
            p.drawPolygon(corners, int(std::size(corners)));
            break;
        }
        }
    }
}

// columns x rows cells at scale >= 2; cell (c, r) shows what draw(c, r) paints.
template <typename Draw> QImage paintCells(int columns, int rows, int scale, Draw draw)
{
    QImage out(kCell * columns * scale, kCell * rows * scale, QImage::Format_RGB32);
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    for (int c = 0; c < columns; ++c)
        for (int r = 0; r < rows; ++r) {
            p.save();
            p.translate(kCell * c, kCell * r);
            p.setClipRect(QRectF(0, 0, kCell, kCell));
            draw(p, c, r);
            p.restore();
        }
    p.end();
    return out.convertToFormat(QImage::Format_RGB888);
}

} // namespace

QImage MakeFaceSheet(int scale)
{
    if (scale > 1)
        return paintCells(6, 6, scale, [](QPainter& p, int c, int r) { paintCell(p, kStyles[size_t(c)], r + 1); });
    IndexedCanvas canvas(6 * kCell, 6 * kCell);
    for (int c = 0; c < 6; ++c)
        for (int r = 0; r < 6; ++r)
            drawCellExact(canvas, kCell * c, kCell * r, kStyles[size_t(c)], r + 1);
    return canvas.image(256);
}

QImage MakeArenaIcon(int scale)
{
    if (scale > 1)
        return paintCells(1, 1, scale, [](QPainter& p, int, int) { paintCell(p, kBlankDie, 0); });
    IndexedCanvas canvas(kCell, kCell);
    drawCellExact(canvas, 0, 0, kBlankDie, 0);
    return canvas.image(canvas.colourCount());
}

} // namespace artgen
