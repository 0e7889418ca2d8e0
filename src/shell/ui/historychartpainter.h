#pragma once

#include "shell/historychart.h"

#include <QColor>
#include <QFont>

class QPainter;

// The colours of the blue, yellow, red and green series lists and their bars.
QColor seriesListColour(int list);
// The canvas font of the chart's numbers and units.
QFont chartFont();
QColor chartInkColour(ChartInk ink);

// Paints a laid-out chart on the graph window's canvas.
void paintHistoryChart(QPainter& painter, const HistoryChart& chart);
