#include "shell/ui/historychartpainter.h"

#include <QFontMetrics>
#include <QPainter>
#include <array>

namespace {

int sign(int value) {
    return (value > 0) - (value < 0);
}

void paintLine(QPainter& painter, const ChartLine& line) {
    const QPoint towardsEnd(sign(line.to.x() - line.from.x()), sign(line.to.y() - line.from.y()));
    painter.drawLine(line.from, line.to - towardsEnd);
}

void paintText(QPainter& painter, const ChartText& text) {
    painter.setPen(chartInkColour(text.ink));
    const QPoint baseline = text.topLeft + QPoint(0, painter.fontMetrics().ascent());
    painter.drawText(baseline, text.text);
}

} // namespace

QColor seriesListColour(int list) {
    static const std::array<QColor, 4> colours{QColor(0, 0, 255), QColor(255, 255, 0),
                                               QColor(255, 0, 0), QColor(0, 255, 0)};
    return colours.at(static_cast<size_t>(list));
}

// Sharp pixels, like the small bitmap face the chart was laid out for.
QFont chartFont() {
    QFont font(QStringLiteral("ms sans serif"), 8);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

QColor chartInkColour(ChartInk ink) {
    return ink == ChartInk::Maroon ? QColor(128, 0, 0) : QColor(128, 128, 128);
}

void paintHistoryChart(QPainter& painter, const HistoryChart& chart) {
    painter.fillRect(chart.clearArea, Qt::white);
    painter.setFont(chartFont());
    painter.setPen(QPen(Qt::black, 1));
    for (const auto& line : chart.lines)
        paintLine(painter, line);
    for (const auto& text : chart.texts)
        paintText(painter, text);
    for (const auto& bar : chart.bars)
        painter.fillRect(bar.rect, seriesListColour(bar.list));
}
