#pragma once

#include "shell/chartscales.h"
#include "shell/graphstate.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <vector>

// What the graph window draws, in its own pixels: cleared area, lines, texts and bars, in the
// order they are painted.
enum class ChartInk { Maroon, Grey };

struct ChartLine {
    QPoint from;
    QPoint to; // the end point itself is not drawn
};

struct ChartText {
    QPoint topLeft;
    QString text;
    ChartInk ink;
};

struct ChartBar {
    QRect rect;
    int list; // 0..3: the blue, yellow, red or green list that gives the colour
};

struct HistoryChart {
    AhScale ahScale; // the scale the chart used; kept for the next chart without Ah series
    QRect clearArea;
    std::vector<ChartLine> lines;
    std::vector<ChartText> texts;
    std::vector<ChartBar> bars;
};

// The chart of the history in the image for the lists' choices. `previousAh` is the scale of the
// last chart, used when no Ah series is chosen.
HistoryChart layoutHistoryChart(const MemoryImage& image, const GraphSeriesCodes& series,
                                const AhScale& previousAh);

// How many lists choose a series, and the bar width that leaves room for them side by side.
int activeListCount(const GraphSeriesCodes& series);
int barWidth(int activeLists);
