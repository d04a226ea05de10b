// SPDX-License-Identifier: GPL-3.0-or-later
#include "Art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QString>

namespace artgen {

namespace {

constexpr QRgb kClear = qRgba(0, 0, 0, 0);
constexpr QRgb kOutline = qRgb(24, 16, 24);

// The program's picture: three dice, red, blue and yellow, two side by side and one
// below between them, laid out on 32 units. Every size and the SVG show the same
// three faces in the same places.
struct IconDie {
    int x = 0, y = 0; // at 32 units
    TileColours colours;
    QRgb pip = 0;
    int value = 0;
};
constexpr IconDie kIconDice[] = {
    {0, 0, {kOutline, qRgb(246, 110, 110), qRgb(214, 28, 40), qRgb(140, 14, 24)}, qRgb(255, 255, 255), 5},
    {16, 0, {kOutline, qRgb(120, 164, 250), qRgb(36, 86, 210), qRgb(18, 46, 132)}, qRgb(255, 255, 255), 3},
    {8, 16, {kOutline, qRgb(255, 244, 160), qRgb(252, 208, 36), qRgb(200, 148, 8)}, qRgb(32, 24, 16), 4},
};
constexpr int kUnitDie = 16;

// Where the pips of a value sit on a 3 x 3 grid: 0 low, 1 middle, 2 high, with the
// two and three running from the top right to the bottom left.
struct GridSpot {
    int column = 0, row = 0;
};
QList<GridSpot> gridSpots(int value)
{
    QList<GridSpot> spots;
    if (value % 2 == 1)
        spots.append({1, 1});
    if (value >= 2)
        spots.append({{2, 0}, {0, 2}});
    if (value >= 4)
        spots.append({{0, 0}, {2, 2}});
    if (value == 6)
        spots.append({{0, 1}, {2, 1}});
    return spots;
}

// The small icons are drawn pixel by pixel: dice of die pixels whose pips of pip
// pixels keep margin pixels (the bevel included) clear of the outline.
struct SmallLayout {
    int size = 0;
    int die = 0;
    int pip = 0;
    int margin = 0;
};
constexpr SmallLayout kSmallLayouts[] = {
    {16, 9, 1, 1},
    {22, 12, 2, 1},
    {24, 12, 2, 1},
    {32, 16, 2, 2},
};

void smallDie(IndexedCanvas& c, int x, int y, const SmallLayout& l, const IconDie& d)
{
    DrawTile(c, x, y, l.die, d.colours);
    const int ink = c.ink(d.pip);
    const int at[3] = {1 + l.margin, (l.die - l.pip) / 2, l.die - 1 - l.margin - l.pip};
    for (const GridSpot& s : gridSpots(d.value))
        c.fill(x + at[s.column], y + at[s.row], l.pip, l.pip, ink);
}

QImage exactIcon(const SmallLayout& l)
{
    IndexedCanvas c(l.size, l.size);
    c.fill(0, 0, l.size, l.size, c.ink(kClear));
    const int free = l.size - l.die;
    const QPoint places[] = {{0, 0}, {free, 0}, {free / 2, free}};
    for (int k = 0; k < 3; ++k)
        smallDie(c, places[k].x(), places[k].y(), l, kIconDice[k]);
    return c.image(c.colourCount());
}

// The smooth drawing, shared by the painter and the SVG: per die a soft shadow, a
// rounded body with a diagonal light-to-dark gradient and an outline, round pips.
constexpr qreal kRadius = 3.0;
constexpr qreal kPipRadius = 1.4;
constexpr qreal kShadowDx = 0.6, kShadowDy = 0.8;
constexpr int kShadowAlpha = 70;
constexpr qreal kPipCentres[3] = {4.0, 8.0, 12.0};

QRectF dieRect(const IconDie& d)
{
    return QRectF(d.x + 0.5, d.y + 0.5, kUnitDie - 1, kUnitDie - 1);
}

QString hex(QRgb c)
{
    return QColor(c).name();
}

QString number(qreal v)
{
    return QString::number(v, 'g', 4);
}

} // namespace

QImage MakeProgramIcon(int size)
{
    for (const SmallLayout& l : kSmallLayouts)
        if (l.size == size)
            return exactIcon(l);
    QImage out(size, size, QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    for (const IconDie& d : kIconDice) {
        const QRectF r = dieRect(d);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, kShadowAlpha));
        p.drawRoundedRect(r.translated(kShadowDx, kShadowDy), kRadius, kRadius);
        QLinearGradient shine(r.topLeft(), r.bottomRight());
        shine.setColorAt(0.0, QColor(d.colours.highlight));
        shine.setColorAt(0.45, QColor(d.colours.body));
        shine.setColorAt(1.0, QColor(d.colours.shade));
        p.setBrush(shine);
        p.setPen(QPen(QColor(d.colours.outline), 1.0));
        p.drawRoundedRect(r, kRadius, kRadius);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(d.pip));
        for (const GridSpot& s : gridSpots(d.value))
            p.drawEllipse(QPointF(d.x + kPipCentres[s.column], d.y + kPipCentres[s.row]), kPipRadius, kPipRadius);
    }
    p.end();
    return out;
}

QByteArray ProgramIconSvg()
{
    QString svg = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
                                 "viewBox=\"0 0 32 32\">\n"
                                 "  <title>Kolvo</title>\n  <defs>\n");
    for (int k = 0; k < 3; ++k) {
        const TileColours& c = kIconDice[k].colours;
        svg += QStringLiteral("    <linearGradient id=\"die%1\" x1=\"0\" y1=\"0\" x2=\"1\" y2=\"1\">\n"
                              "      <stop offset=\"0\" stop-color=\"%2\"/>\n"
                              "      <stop offset=\"0.45\" stop-color=\"%3\"/>\n"
                              "      <stop offset=\"1\" stop-color=\"%4\"/>\n"
                              "    </linearGradient>\n")
                   .arg(QString::number(k), hex(c.highlight), hex(c.body), hex(c.shade));
    }
    svg += QStringLiteral("  </defs>\n");
    for (int k = 0; k < 3; ++k) {
        const IconDie& d = kIconDice[k];
        const QRectF r = dieRect(d);
        const QString box
            = QStringLiteral("x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\"")
                  .arg(number(r.x()), number(r.y()), number(r.width()), number(r.height()), number(kRadius));
        const QString shadow = QStringLiteral("x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\"")
                                   .arg(number(r.x() + kShadowDx), number(r.y() + kShadowDy), number(r.width()),
                                        number(r.height()), number(kRadius));
        svg += QStringLiteral("  <rect %1 fill=\"#000000\" fill-opacity=\"%2\"/>\n")
                   .arg(shadow, number(kShadowAlpha / 255.0));
        svg += QStringLiteral("  <rect %1 fill=\"url(#die%2)\" stroke=\"%3\" stroke-width=\"1\"/>\n")
                   .arg(box, QString::number(k), hex(d.colours.outline));
        for (const GridSpot& s : gridSpots(d.value))
            svg += QStringLiteral("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\"/>\n")
                       .arg(number(d.x + kPipCentres[s.column]), number(d.y + kPipCentres[s.row]), number(kPipRadius),
                            hex(d.pip));
    }
    svg += QStringLiteral("</svg>\n");
    return svg.toUtf8();
}

} // namespace artgen
