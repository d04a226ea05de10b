// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ReviewChart.h"

#include <algorithm>
#include <cmath>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace ui {

namespace {

// Told apart without colour too: each series has its own marker and dash as well. The
// colours keep 3:1 or more against white.
constexpr QRgb kSeriesColours[]
    = {qRgb(0, 114, 178), qRgb(213, 94, 0), qRgb(0, 140, 100), qRgb(0, 0, 0), qRgb(170, 68, 153), qRgb(140, 105, 0)};
constexpr Qt::PenStyle kSeriesDashes[]
    = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine, Qt::DashDotDotLine, Qt::SolidLine};
enum class Marker { Circle, Square, TriangleUp, Diamond, TriangleDown, Cross };
constexpr Marker kSeriesMarkers[]
    = {Marker::Circle, Marker::Square, Marker::TriangleUp, Marker::Diamond, Marker::TriangleDown, Marker::Cross};
constexpr std::size_t kSeriesLooks = std::size(kSeriesColours);

constexpr QRgb kChartMarkColour = qRgb(176, 0, 32);
constexpr QRgb kChartGridColour = qRgb(228, 228, 228);
constexpr QRgb kChartAxisColour = qRgb(100, 100, 100);
constexpr QRgb kChartReferenceColour = qRgb(80, 80, 80);
constexpr double kSeriesMarkerRadius = 3.5;
constexpr double kChartRingRadius = 8;        // around a labelled mark
constexpr double kChartSmallRingRadius = 5.5; // around the others
constexpr int kLegendSampleWidth = 26;        // the line drawn before a name in the legend
constexpr int kLegendNameWidth = 110;         // a longer name is elided in the legend
constexpr int kChartGap = 6;
// The chart asks for no more room than the sheet's window gives it with two players, where
// that window still finds room beside the main window; it reads well larger too.
constexpr int kHintChars = 36;
constexpr int kHintLines = 13;
constexpr int kLeastChars = 28;
constexpr int kLeastLines = 9;

void drawSeriesMarker(QPainter& p, Marker marker, QPointF c, double r)
{
    const auto polygon
        = [&p](std::initializer_list<QPointF> points) { p.drawPolygon(points.begin(), int(points.size())); };
    switch (marker) {
    case Marker::Circle:
        p.drawEllipse(c, r, r);
        break;
    case Marker::Square:
        p.drawRect(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r));
        break;
    case Marker::TriangleUp:
        polygon({{c.x(), c.y() - 1.2 * r}, {c.x() + 1.1 * r, c.y() + r}, {c.x() - 1.1 * r, c.y() + r}});
        break;
    case Marker::Diamond:
        polygon(
            {{c.x(), c.y() - 1.3 * r}, {c.x() + 1.3 * r, c.y()}, {c.x(), c.y() + 1.3 * r}, {c.x() - 1.3 * r, c.y()}});
        break;
    case Marker::TriangleDown:
        polygon({{c.x(), c.y() + 1.2 * r}, {c.x() + 1.1 * r, c.y() - r}, {c.x() - 1.1 * r, c.y() - r}});
        break;
    case Marker::Cross:
        p.drawLine(QPointF(c.x() - r, c.y() - r), QPointF(c.x() + r, c.y() + r));
        p.drawLine(QPointF(c.x() - r, c.y() + r), QPointF(c.x() + r, c.y() - r));
        break;
    }
}

void drawLegendSample(QPainter& p, std::size_t series, QPointF from, double length)
{
    const QColor colour(kSeriesColours[series % kSeriesLooks]);
    p.setPen(QPen(colour, 2, kSeriesDashes[series % kSeriesLooks], Qt::FlatCap));
    p.drawLine(from, from + QPointF(length, 0));
    p.setPen(QPen(colour, 1.5));
    p.setBrush(colour);
    drawSeriesMarker(p, kSeriesMarkers[series % kSeriesLooks], from + QPointF(length / 2, 0), kSeriesMarkerRadius);
    p.setBrush(Qt::NoBrush);
}

// A step of 1, 2 or 5 times a power of ten that splits span into at most `most` parts.
double chartTickStep(double span, int most)
{
    const double rough = span / most;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * power >= rough)
            return m * power;
    return 10 * power;
}

class ChartAccessible : public QAccessibleWidget {
public:
    explicit ChartAccessible(QWidget* chart) : QAccessibleWidget(chart, QAccessible::Chart) {}
};

QAccessibleInterface* charts(const QString&, QObject* object)
{
    auto* chart = qobject_cast<ReviewChart*>(object);
    return chart ? new ChartAccessible(chart) : nullptr;
}

} // namespace

ReviewChart::ReviewChart(QWidget* parent) : QWidget(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(charts);
        return true;
    }();
    Q_UNUSED(installed);
    setObjectName(QStringLiteral("reviewChart"));
    // Reached with Tab, so that a screen reader reads what it shows; clicks leave the focus alone.
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    setPalette(white);
}

QColor ReviewChart::colourOf(std::size_t series)
{
    return QColor(kSeriesColours[series % kSeriesLooks]);
}

void ReviewChart::setContent(const ChartContent& content)
{
    content_ = content;
    if (accessibleName() != content.name)
        setAccessibleName(content.name);
    const QString description = content.series.empty() ? content.note : content.description;
    if (accessibleDescription() != description)
        setAccessibleDescription(description);
    update();
}

QSize ReviewChart::sizeHint() const
{
    return {fontMetrics().averageCharWidth() * kHintChars, fontMetrics().height() * kHintLines};
}

QSize ReviewChart::minimumSizeHint() const
{
    return {fontMetrics().averageCharWidth() * kLeastChars, fontMetrics().height() * kLeastLines};
}

void ReviewChart::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics fm = fontMetrics();
    const QRect area = rect().adjusted(kChartGap, kChartGap, -kChartGap, -kChartGap);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
    if (content_.series.empty()) {
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, content_.note);
        return;
    }

    // The legend, in as many rows as the names need: each series, then the reference.
    int x = area.left();
    int y = area.top();
    const bool reference = std::isfinite(content_.reference);
    for (std::size_t s = 0; s < content_.series.size() + (reference ? 1 : 0); ++s) {
        const bool line = s < content_.series.size();
        const QString name
            = line ? fm.elidedText(content_.series[s].name, Qt::ElideRight, kLegendNameWidth) : content_.referenceLabel;
        const int entry = kLegendSampleWidth + kChartGap + fm.horizontalAdvance(name);
        if (x > area.left() && x + entry > area.right()) {
            x = area.left();
            y += fm.height();
        }
        const QPointF from(x, y + fm.height() / 2.0);
        if (line) {
            drawLegendSample(p, s, from, kLegendSampleWidth);
        } else {
            p.setPen(QPen(QColor(kChartReferenceColour), 1.5, Qt::DashLine));
            p.drawLine(from, from + QPointF(kLegendSampleWidth, 0));
        }
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(QRect(x + kLegendSampleWidth + kChartGap, y, entry, fm.height()), Qt::AlignLeft | Qt::AlignVCenter,
                   name);
        x += entry + 2 * kChartGap;
    }
    y += fm.height() + kChartGap / 2;
    p.drawText(QRect(area.left(), y, area.width(), fm.height()), Qt::AlignLeft | Qt::AlignVCenter, content_.yTitle);
    y += fm.height() + kChartGap / 2;

    // The scale: every value shown, the reference included, on round steps.
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    for (const ChartSeries& s : content_.series)
        for (const QPointF& point : s.points) {
            low = std::min(low, point.y());
            high = std::max(high, point.y());
        }
    if (reference) {
        low = std::min(low, content_.reference);
        high = std::max(high, content_.reference);
    }
    if (!std::isfinite(low))
        low = high = 0;
    if (high - low < 10) {
        const double middle = (high + low) / 2;
        low = middle - 5;
        high = middle + 5;
    }
    const double step = chartTickStep(high - low, 5);
    low = std::floor(low / step) * step;
    high = std::ceil(high / step) * step;

    const QString widest = QString::number(high, 'f', 0).size() >= QString::number(low, 'f', 0).size()
        ? QString::number(high, 'f', 0)
        : QString::number(low, 'f', 0);
    const QRectF plot(area.left() + fm.horizontalAdvance(widest) + kChartGap, y + kChartRingRadius,
                      area.width() - fm.horizontalAdvance(widest) - 2 * kChartGap,
                      area.bottom() - 2 * fm.height() - kChartGap - y - kChartRingRadius);
    if (plot.width() < 20 || plot.height() < 20)
        return;
    const auto at = [&](QPointF v) {
        return QPointF(plot.left() + plot.width() * v.x() / std::max(1, content_.lastX),
                       plot.bottom() - plot.height() * (v.y() - low) / (high - low));
    };

    for (double tick = low; tick <= high + step / 2; tick += step) {
        const double ty = at({0, tick}).y();
        p.setPen(QPen(QColor(kChartGridColour), 1));
        p.drawLine(QPointF(plot.left(), ty), QPointF(plot.right(), ty));
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(QRectF(area.left(), ty - fm.height() / 2.0, plot.left() - area.left() - kChartGap, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, QString::number(tick, 'f', 0));
    }
    // Turn numbers as far apart as they need to be read.
    const double perTurn = plot.width() / std::max(1, content_.lastX);
    int every = 1;
    for (int n : {1, 3, 5}) {
        every = n;
        if (perTurn * n >= fm.horizontalAdvance(QStringLiteral("15")) + kChartGap)
            break;
    }
    p.setPen(QPen(QColor(kChartAxisColour), 1));
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    for (int turn = 0; turn <= content_.lastX; ++turn) {
        const double tx = at({double(turn), low}).x();
        p.setPen(QPen(QColor(kChartAxisColour), 1));
        p.drawLine(QPointF(tx, plot.bottom()), QPointF(tx, plot.bottom() + 3));
        if (turn % every == 0) {
            p.setPen(palette().color(QPalette::WindowText));
            p.drawText(QRectF(tx - perTurn * every / 2, plot.bottom() + 3, perTurn * every, fm.height()),
                       Qt::AlignHCenter | Qt::AlignTop, QString::number(turn));
        }
    }
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(QRectF(plot.left(), plot.bottom() + 3 + fm.height(), plot.width(), fm.height()),
               Qt::AlignHCenter | Qt::AlignTop, content_.xTitle);

    if (reference) {
        const double ry = at({0, content_.reference}).y();
        p.setPen(QPen(QColor(kChartReferenceColour), 1.5, Qt::DashLine));
        p.drawLine(QPointF(plot.left(), ry), QPointF(plot.right(), ry));
    }

    for (std::size_t s = 0; s < content_.series.size(); ++s) {
        const auto& points = content_.series[s].points;
        if (points.empty())
            continue;
        const QColor colour(kSeriesColours[s % kSeriesLooks]);
        QPainterPath path(at(points.front()));
        for (std::size_t i = 1; i < points.size(); ++i)
            path.lineTo(at(points[i]));
        p.setPen(QPen(colour, 2, kSeriesDashes[s % kSeriesLooks], Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        p.setPen(QPen(colour, 1.5));
        p.setBrush(colour);
        for (const QPointF& point : points)
            drawSeriesMarker(p, kSeriesMarkers[s % kSeriesLooks], at(point), kSeriesMarkerRadius);
    }

    p.setBrush(Qt::NoBrush);
    std::vector<QRectF> labels;
    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    const QFontMetrics boldMetrics(bold);
    for (const ChartMark& mark : content_.marks) {
        const QPointF c = at(mark.at);
        if (mark.label.isEmpty()) {
            p.setPen(QPen(QColor(kChartMarkColour), 1.5));
            p.drawEllipse(c, kChartSmallRingRadius, kChartSmallRingRadius);
            continue;
        }
        p.setPen(QPen(QColor(kChartMarkColour), 2));
        p.drawEllipse(c, kChartRingRadius, kChartRingRadius);
        // Above the ring, else below, right or left of it, or a line further out: the first
        // place inside the chart that no label covers, else the least covered.
        const QSizeF size(boldMetrics.horizontalAdvance(mark.label), boldMetrics.height());
        const double r = kChartRingRadius;
        const double h = size.height();
        const QPointF corners[] = {{c.x() - size.width() / 2, c.y() - r - h},
                                   {c.x() - size.width() / 2, c.y() + r},
                                   {c.x() + r + 1, c.y() - h / 2},
                                   {c.x() - r - 1 - size.width(), c.y() - h / 2},
                                   {c.x() - size.width() / 2, c.y() - r - 2 * h},
                                   {c.x() - size.width() / 2, c.y() + r + h}};
        QRectF place;
        double leastCovered = std::numeric_limits<double>::infinity();
        for (const QPointF& corner : corners) {
            const QRectF candidate(corner, size);
            if (!rect().toRectF().contains(candidate))
                continue;
            double covered = 0;
            for (const QRectF& l : labels) {
                const QRectF both = l.intersected(candidate);
                covered += both.width() * both.height();
            }
            if (covered < leastCovered) {
                leastCovered = covered;
                place = candidate;
            }
            if (covered == 0)
                break;
        }
        if (place.isNull())
            place = QRectF(corners[0], size);
        labels.push_back(place);
        p.drawText(place, Qt::AlignCenter, mark.label);
    }
}

} // namespace ui
