#include "Art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace artgen {

namespace {

constexpr QRgb kClear = qRgba(0, 0, 0, 0);

// The blank die of the main window: the white style's tile without pips.
constexpr TileColours kBlankDie{qRgb(72, 72, 72), qRgb(255, 255, 255), qRgb(236, 236, 228),
                                qRgb(180, 180, 170)};

// A small die of any size: outline with clipped corners, light top-left edge,
// square pips of pipSize pixels at the usual places of a face.
void smallDie(IndexedCanvas& c, int x, int y, int size, const TileColours& colours, QRgb pip,
              int value, int pipSize)
{
    const int outline = c.ink(colours.outline);
    const int light = c.ink(colours.highlight);
    const int body = c.ink(colours.body);
    const int dark = c.ink(colours.shade);
    c.fill(x + 1, y, size - 2, size, outline);
    c.fill(x, y + 1, size, size - 2, outline);
    c.fill(x + 1, y + 1, size - 2, size - 2, body);
    c.fill(x + 2, y + 1, size - 4, 1, light);
    c.fill(x + 1, y + 2, 1, size - 4, light);
    c.fill(x + 2, y + size - 2, size - 4, 1, dark);
    c.fill(x + size - 2, y + 2, 1, size - 4, dark);
    const int ink = c.ink(pip);
    const int lo = x + 3, mid = x + (size - pipSize) / 2, hi = x + size - 3 - pipSize;
    const int top = y + 3, centre = y + (size - pipSize) / 2, bottom = y + size - 3 - pipSize;
    auto spot = [&](int px, int py) { c.fill(px, py, pipSize, pipSize, ink); };
    if (value % 2 == 1)
        spot(mid, centre);
    if (value >= 2) {
        spot(hi, top);
        spot(lo, bottom);
    }
    if (value >= 4) {
        spot(lo, top);
        spot(hi, bottom);
    }
    if (value == 6) {
        spot(lo, centre);
        spot(hi, centre);
    }
}

// Rows y0..y1 of a trapezoid whose left and right edges run linearly from the
// top to the bottom row.
void trapezoid(IndexedCanvas& c, int y0, int y1, int left0, int right0, int left1, int right1, int ink)
{
    for (int y = y0; y <= y1; ++y) {
        const double t = y1 == y0 ? 0.0 : double(y - y0) / double(y1 - y0);
        const int l = int(left0 + t * (left1 - left0) + 0.5);
        const int r = int(right0 + t * (right1 - right0) + 0.5);
        c.fill(l, y, r - l + 1, 1, ink);
    }
}

} // namespace

QImage MakeArenaIcon()
{
    IndexedCanvas c(32, 32);
    DrawTile(c, 0, 0, kBlankDie);
    return c.image(c.colourCount());
}

QImage MakeIntroIcon()
{
    IndexedCanvas c(32, 32);
    c.fill(0, 0, 32, 32, c.ink(kClear));
    // A leather dice cup, wider at the mouth, with a die rolled out in front of it.
    const int outline = c.ink(qRgb(56, 28, 8));
    const int leather = c.ink(qRgb(150, 84, 32));
    const int light = c.ink(qRgb(204, 136, 72));
    const int dark = c.ink(qRgb(100, 52, 16));
    const int inside = c.ink(qRgb(32, 16, 4));
    trapezoid(c, 6, 29, 2, 22, 5, 19, outline);
    trapezoid(c, 8, 28, 3, 21, 6, 18, leather);
    trapezoid(c, 8, 28, 5, 6, 8, 8, light);
    trapezoid(c, 8, 28, 19, 21, 16, 18, dark);
    c.fill(3, 10, 19, 2, dark); // the rim band
    c.fill(4, 6, 17, 1, outline);
    c.fill(3, 7, 19, 2, outline);
    c.fill(5, 7, 15, 1, inside);
    c.fill(4, 8, 17, 1, inside);
    c.fill(3, 24, 19, 1, dark); // the foot band
    smallDie(c, 16, 16, 16, {qRgb(40, 40, 40), qRgb(255, 255, 255), qRgb(240, 240, 232), qRgb(176, 176, 168)},
             qRgb(200, 16, 24), 3, 2);
    return c.image(c.colourCount());
}

QImage MakeRulIcon()
{
    IndexedCanvas c(32, 32);
    c.fill(0, 0, 32, 32, c.ink(kClear));
    // Three dice of different styles: choosing a style.
    const QRgb outline = qRgb(16, 16, 24);
    smallDie(c, 0, 0, 16, {outline, qRgb(110, 210, 120), qRgb(28, 140, 56), qRgb(12, 88, 32)},
             qRgb(255, 232, 32), 2, 2);
    smallDie(c, 16, 4, 16, {outline, qRgb(110, 150, 240), qRgb(32, 80, 200), qRgb(16, 44, 128)},
             qRgb(255, 255, 255), 3, 2);
    smallDie(c, 7, 16, 16, {outline, qRgb(240, 96, 96), qRgb(204, 24, 36), qRgb(138, 12, 22)},
             qRgb(255, 255, 255), 5, 2);
    return c.image(c.colourCount());
}

QImage MakeDesktopIcon(int size)
{
    QImage out(size, size, QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal unit = size / 32.0;
    const QRectF die(unit * 1.5, unit * 1.5, size - unit * 3, size - unit * 3);
    QPainterPath shape;
    shape.addRoundedRect(die, unit * 4, unit * 4);
    p.fillPath(shape.translated(unit * 0.8, unit * 0.8), QColor(0, 0, 0, 70)); // a soft drop shadow
    QLinearGradient face(die.topLeft(), die.bottomRight());
    face.setColorAt(0.0, QColor(kBlankDie.highlight));
    face.setColorAt(0.45, QColor(kBlankDie.body));
    face.setColorAt(1.0, QColor(kBlankDie.shade));
    p.fillPath(shape, face);
    QPainterPath inner;
    inner.addRoundedRect(die.adjusted(unit * 2, unit * 2, -unit * 2, -unit * 2), unit * 3, unit * 3);
    p.fillPath(inner, QColor(kBlankDie.body));
    p.setPen(QPen(QColor(kBlankDie.outline), qMax<qreal>(1.0, unit)));
    p.drawPath(shape);
    p.end();
    return out;
}

} // namespace artgen
