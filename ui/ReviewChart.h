// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <limits>
#include <vector>
#include <QColor>
#include <QPointF>
#include <QString>
#include <QWidget>

namespace ui {

// One line of the chart: x counts the turns written (0: before the first), y is a score.
struct ChartSeries {
    QString name;
    std::vector<QPointF> points; // by rising x
};

// A point of a line singled out, a costly choice where it fell. One with a label is ringed
// larger, the label beside it.
struct ChartMark {
    std::size_t series = 0;
    QPointF at;
    QString label;
};

// Everything the chart shows, in plain values: it knows nothing of the game.
struct ChartContent {
    std::vector<ChartSeries> series; // in the players' order; each keeps its colour and marker
    std::vector<ChartMark> marks;
    double reference = std::numeric_limits<double>::quiet_NaN(); // a level drawn across; NaN: none
    QString referenceLabel;
    int lastX = 15;
    QString xTitle;
    QString yTitle;
    QString note;        // shown in place of the chart while it has no series
    QString name;        // for a screen reader
    QString description; // what the chart shows, in words
};

// A line chart drawn with QPainter, in logical pixels and the widget's own font: one line per
// series, told apart by colour, marker and dash alike, the marks ringed, the reference
// dashed across and named in the legend. A screen reader reads its name and description.
class ReviewChart : public QWidget {
    Q_OBJECT
public:
    explicit ReviewChart(QWidget* parent = nullptr);

    void setContent(const ChartContent& content);
    const ChartContent& content() const { return content_; }

    // The look of series i: six distinct ones, then they repeat.
    static QColor colourOf(std::size_t series);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ChartContent content_;
};

} // namespace ui
