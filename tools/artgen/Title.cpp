// SPDX-License-Identifier: GPL-3.0-or-later
#include "Art.h"

#include <cstdio>
#include <iterator>
#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

namespace artgen {

namespace {

// The rules on the right of the title picture, twelve lines; a line that starts a
// new point gets a bullet.
struct RuleLine {
    bool bullet = false;
    const char* text = "";
};
constexpr RuleLine kSwedishRules[] = {
    {true, "Kolvo spelas med fem tärningar."},
    {true, "Upp till sex spelare kan vara med."},
    {true, "Protokollet har femton kategorier."},
    {true, "Varje tur får Du kasta upp till tre gånger."},
    {true, "Klicka på en tärning för att hålla den,"},
    {false, "klicka på den igen för att släppa den."},
    {true, "Sätt poäng i valfri omarkerad kategori"},
    {false, "när som helst under turens kast."},
    {true, "Du kan också offra en kategori för 0 poäng."},
    {true, "När alla kategorier är fyllda utses"},
    {false, "vinnaren: den som har flest poäng."},
    {true, "Sedan kan ni välja nytt spel eller avsluta."},
};
constexpr RuleLine kEnglishRules[] = {
    {true, "Kolvo is played with five dice."},
    {true, "Up to six players can take part."},
    {true, "The score sheet has fifteen categories."},
    {true, "Each turn you may roll up to three times."},
    {true, "Click a die to hold it,"},
    {false, "click it again to release it."},
    {true, "Score in any unmarked category"},
    {false, "at any time during the turn's rolls."},
    {true, "You can also scratch a category for 0."},
    {true, "When all categories are filled, the"},
    {false, "winner is the one with the most points."},
    {true, "Then choose a new game or quit."},
};

// The words of the pictures, in the languages the program is shown in.
struct Words {
    const RuleLine* rules;
    const char* slogan;
    const char* forward;
};
constexpr Words kWords[] = {
    {kSwedishRules, "Kasta, håll och vinn!", "Vidare"},
    {kEnglishRules, "Roll, hold and win!", "Next"},
};
constexpr int kRuleLines = int(std::size(kSwedishRules));
static_assert(std::size(kEnglishRules) == std::size(kSwedishRules));

QFont font(qreal pixelSize, bool bold, bool italic = false)
{
    QFont f;
    f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    f.setPixelSize(qRound(pixelSize));
    f.setBold(bold);
    f.setItalic(italic);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

// A die seen face on, centred at centre, turned by angle degrees.
void drawDie(QPainter& p, QPointF centre, qreal size, qreal angle, int value, QColor body, QColor pip)
{
    p.save();
    p.translate(centre);
    p.rotate(angle);
    const QRectF face(-size / 2, -size / 2, size, size);
    const qreal round = size * 0.18;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(face.translated(2.5, 3), round, round);
    QLinearGradient shine(face.topLeft(), face.bottomRight());
    shine.setColorAt(0, body.lighter(125));
    shine.setColorAt(1, body.darker(118));
    p.setBrush(shine);
    p.setPen(QPen(body.darker(250), 1.2));
    p.drawRoundedRect(face, round, round);
    p.setPen(Qt::NoPen);
    p.setBrush(pip);
    const qreal a = size * 0.25, r = size * 0.095;
    auto spot = [&](qreal x, qreal y) { p.drawEllipse(QPointF(x, y), r, r); };
    if (value % 2 == 1)
        spot(0, 0);
    if (value >= 2) {
        spot(a, -a);
        spot(-a, a);
    }
    if (value >= 4) {
        spot(-a, -a);
        spot(a, a);
    }
    if (value == 6) {
        spot(-a, 0);
        spot(a, 0);
    }
    p.restore();
}

// A leather dice cup lying on its side, mouth to the right, turned by angle degrees.
void drawCup(QPainter& p, QPointF centre, qreal angle)
{
    p.save();
    p.translate(centre);
    p.rotate(angle);
    const QColor leather(150, 84, 32), dark(88, 44, 12), light(214, 150, 88);

    QPainterPath body;
    body.moveTo(-30, -17);
    body.lineTo(28, -23);
    body.lineTo(28, 23);
    body.lineTo(-30, 17);
    body.closeSubpath();
    body.addEllipse(QPointF(-30, 0), 6, 17);
    body.setFillRule(Qt::WindingFill);
    QLinearGradient round(0, -23, 0, 23);
    round.setColorAt(0.0, dark);
    round.setColorAt(0.22, light);
    round.setColorAt(0.55, leather);
    round.setColorAt(1.0, dark);
    p.setPen(QPen(QColor(56, 28, 8), 1.4));
    p.setBrush(round);
    p.drawPath(body.simplified());

    // Stitched bands near the base and the mouth.
    p.setPen(QPen(QColor(250, 220, 160), 1.2, Qt::DashLine));
    p.drawLine(QPointF(-22, -17.5), QPointF(-22, 17.5));
    p.drawLine(QPointF(19, -22), QPointF(19, 22));

    // The open mouth.
    p.setPen(QPen(QColor(56, 28, 8), 1.6));
    p.setBrush(QColor(120, 64, 24));
    p.drawEllipse(QPointF(28, 0), 8, 23);
    QRadialGradient hollow(QPointF(29, 2), 18);
    hollow.setColorAt(0, QColor(20, 10, 2));
    hollow.setColorAt(1, QColor(70, 36, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(hollow);
    p.drawEllipse(QPointF(29, 0), 5.5, 19.5);
    p.restore();
}

// A two-button computer mouse seen from above, cable at the top, turned by angle degrees.
QPointF drawMouse(QPainter& p, QPointF centre, qreal angle)
{
    // Where the cable leaves the shell, in the caller's coordinates: the painter's own
    // transform would also hold the picture's scale, and put the cable that many
    // times too far out on the larger pictures.
    const QPointF cable = QTransform().translate(centre.x(), centre.y()).rotate(angle).map(QPointF(0, -28));
    p.save();
    p.translate(centre);
    p.rotate(angle);
    QPainterPath shell;
    shell.addRoundedRect(QRectF(-19, -28, 38, 56), 17, 19);
    QLinearGradient grey(-19, 0, 19, 0);
    grey.setColorAt(0, QColor(246, 246, 250));
    grey.setColorAt(0.6, QColor(214, 216, 224));
    grey.setColorAt(1, QColor(150, 152, 164));
    p.setPen(QPen(QColor(60, 62, 76), 1.4));
    p.setBrush(grey);
    p.drawPath(shell);
    p.setPen(QPen(QColor(90, 92, 108), 1.1));
    p.drawLine(QPointF(0, -28), QPointF(0, -6));
    p.drawLine(QPointF(-18.5, -6), QPointF(18.5, -6));
    p.setBrush(QColor(70, 72, 88));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(-2.5, -22, 5, 10), 2.5, 2.5);
    p.restore();
    return cable;
}

} // namespace

QImage MakeTitle(int scale, Language language)
{
    const Words& words = kWords[int(language)];
    QImage out(512 * scale, 216 * scale, QImage::Format_RGB32);
    out.fill(Qt::white);
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(scale, scale);

    // Left: name, slogan and the picture. The button of the window lies over the
    // area x 8..81, y 160..193, so that corner stays empty.
    const QFont name = font(44, true);
    p.setFont(name);
    p.setPen(QColor(0, 0, 110));
    p.drawText(QPointF(14, 48), QStringLiteral("KOLVO"));
    p.setPen(QColor(0, 40, 220));
    p.drawText(QPointF(12, 46), QStringLiteral("KOLVO"));
    p.setFont(font(15, true, true));
    p.setPen(QColor(200, 16, 28));
    p.drawText(QPointF(14, 70), QString::fromUtf8(words.slogan));

    // The mouse with its cable running up and out of the picture.
    const QPointF plug = drawMouse(p, QPointF(160, 176), -14);
    QPainterPath cable(plug);
    cable.cubicTo(plug + QPointF(4, -30), QPointF(200, 140), QPointF(196, 90));
    cable.cubicTo(QPointF(193, 50), QPointF(182, 30), QPointF(194, -2));
    p.setPen(QPen(QColor(60, 62, 76), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(cable);

    drawCup(p, QPointF(52, 112), 22);
    drawDie(p, QPointF(108, 128), 25, 14, 5, QColor(246, 246, 238), QColor(20, 20, 20));
    drawDie(p, QPointF(146, 98), 22, -20, 3, QColor(204, 24, 36), QColor(255, 255, 255));
    drawDie(p, QPointF(96, 160), 20, 38, 6, QColor(32, 80, 200), QColor(255, 255, 255));

    // Right: the rules.
    p.setPen(QColor(200, 200, 210));
    p.drawLine(QPointF(212.5, 10), QPointF(212.5, 206));
    const QFont text = font(12, false);
    const QFontMetricsF metrics(text);
    p.setFont(text);
    const qreal bulletX = 222, textX = 232, right = 508, first = 20, step = 16.5;
    for (int i = 0; i < kRuleLines; ++i) {
        const RuleLine& rule = words.rules[i];
        const QString line = QString::fromUtf8(rule.text);
        const qreal baseline = first + i * step;
        if (scale == 1 && textX + metrics.horizontalAdvance(line) > right)
            std::fprintf(stderr, "kolvo-artgen: rule line too long: %s\n", rule.text);
        if (rule.bullet) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0, 40, 220));
            p.drawRoundedRect(QRectF(bulletX, baseline - 7.5, 6, 6), 1.2, 1.2);
        }
        p.setPen(QColor(16, 16, 48));
        p.drawText(QPointF(textX, baseline), line);
    }
    p.end();
    return out.convertToFormat(QImage::Format_RGB888);
}

QImage MakeForward(int scale, Language language)
{
    QImage out(73 * scale, 20 * scale, QImage::Format_RGB32);
    QPainter p(&out);
    p.scale(scale, scale);
    QLinearGradient ground(0, 0, 0, 20);
    ground.setColorAt(0, QColor(250, 252, 240));
    ground.setColorAt(1, QColor(220, 236, 200));
    p.fillRect(QRectF(0, 0, 73, 20), ground);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font(12, true));
    p.setPen(QColor(0, 90, 20));
    p.drawText(QRectF(3, 0, 44, 20), Qt::AlignVCenter | Qt::AlignLeft,
               QString::fromUtf8(kWords[int(language)].forward));
    QPainterPath arrow;
    arrow.moveTo(48, 7);
    arrow.lineTo(58, 7);
    arrow.lineTo(58, 2.5);
    arrow.lineTo(70, 10);
    arrow.lineTo(58, 17.5);
    arrow.lineTo(58, 13);
    arrow.lineTo(48, 13);
    arrow.closeSubpath();
    p.setPen(QPen(QColor(0, 70, 10), 1.0));
    p.setBrush(QColor(30, 160, 50));
    p.drawPath(arrow);
    p.end();
    return out.convertToFormat(QImage::Format_RGB888);
}

} // namespace artgen
