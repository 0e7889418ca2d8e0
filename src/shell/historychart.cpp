#include "shell/historychart.h"

#include <algorithm>

using namespace ChartGeometry;

namespace {

constexpr int RightAxis = X0 + 540;
constexpr int AxisHeight = 340;
constexpr int GridOverhang = 4;

bool chooses(const GraphSeriesCodes& series, int code) {
    return std::find(series.begin(), series.end(), code) != series.end();
}

// The list whose colour a series takes: the last one that chooses it, or -1.
int colourList(const GraphSeriesCodes& series, int code) {
    const auto last = std::find(series.rbegin(), series.rend(), code);
    return last == series.rend() ? -1 : static_cast<int>(series.rend() - last) - 1;
}

// Under the baseline, one- and two-digit numbers centred on their day.
void addDayNumbers(HistoryChart& chart) {
    for (int day = 1; day <= HistoryBlock::Days; ++day) {
        const int x = X0 + DayPitch * (day - 1) + (day < 10 ? 7 : 4);
        chart.texts.push_back({{x, Y0 + 8}, QString::number(day), ChartInk::Maroon});
    }
}

void addAxes(HistoryChart& chart) {
    chart.lines.push_back({{X0 - GridOverhang, Y0}, {RightAxis + GridOverhang, Y0}});
    chart.lines.push_back({{X0, Y0}, {X0, Y0 - AxisHeight}});
    chart.lines.push_back({{RightAxis, Y0}, {RightAxis, Y0 - AxisHeight}});
    for (int k = 1; k <= GridSteps; ++k) {
        const int y = Y0 - GridStep * k;
        chart.lines.push_back({{X0 - GridOverhang, y}, {RightAxis + GridOverhang, y}});
    }
}

// Ah and hours in maroon, percent and volts in grey, beside each grid line but the top one.
void addScaleLabels(HistoryChart& chart, const AhScale& ah, const ChartVoltScale& volts) {
    for (int k = 0; k < GridSteps; ++k) {
        const int y = Y0 - GridStep * k;
        auto add = [&chart](int x, int top, int value, ChartInk ink) {
            chart.texts.push_back({{x, top}, QString::number(value), ink});
        };
        add(X0 - 48, y - 8, ah.label(k), ChartInk::Maroon);
        add(X0 + 545, y - 1, 2 * k, ChartInk::Maroon);
        add(X0 + 558, y - 13, 10 * k, ChartInk::Grey);
        add(X0 - 16, y - 14, volts.label(k), ChartInk::Grey);
    }
}

void addUnitLabels(HistoryChart& chart) {
    chart.texts.push_back({{X0 + 545, Y0 - 337}, QStringLiteral("Hr"), ChartInk::Maroon});
    chart.texts.push_back({{X0 - 48, Y0 - 339}, QStringLiteral("Ah"), ChartInk::Maroon});
    chart.texts.push_back({{X0 + 558, Y0 - 349}, QStringLiteral("%"), ChartInk::Grey});
    chart.texts.push_back({{X0 - 14, Y0 - 344}, QStringLiteral("V"), ChartInk::Grey});
}

int unclampedHeight(int code, const DayRecord& day, const AhScale& ah) {
    switch (code) {
    case GraphCode::ChargeAh:
        return (day.chargeAh - ah.minimum) * GridStep / ah.step;
    case GraphCode::DischargeAh:
        return (day.loadAh - ah.minimum) * GridStep / ah.step;
    case GraphCode::VoltageMax:
        return day.maximumVoltage * 14 / 5 - 196; // 12 V scale: 2.8 pixels a tenth above 7 V
    case GraphCode::VoltageMin:
        return day.minimumVoltage * 14 / 5 - 196;
    case GraphCode::FloatTime:
        return day.floatTime * 7 / 5;
    default:
        return day.stateOfCharge * 14 / 5;
    }
}

// One series: a bar a day in its slot beside the series drawn before it.
void addSeriesBars(HistoryChart& chart, const MemoryImage& image, int code, int list, int slot,
                   int width) {
    const int offset = X0 - 16 + slot * width;
    for (int day = 1; day <= HistoryBlock::Days; ++day) {
        const int height = std::clamp(unclampedHeight(code, historyDay(image, day), chart.ahScale),
                                      MinimumBar, MaximumBar);
        chart.bars.push_back({QRect(DayPitch * day + offset, Y0 - height, width, height), list});
    }
}

} // namespace

int activeListCount(const GraphSeriesCodes& series) {
    return static_cast<int>(
        std::count_if(series.begin(), series.end(), [](int code) { return code > 0; }));
}

int barWidth(int activeLists) {
    switch (activeLists) {
    case 1:
        return 16;
    case 2:
        return 8;
    case 3:
        return 5;
    default:
        return 4;
    }
}

HistoryChart layoutHistoryChart(const MemoryImage& image, const GraphSeriesCodes& series,
                                const AhScale& previousAh) {
    HistoryChart chart;
    const bool charge = chooses(series, GraphCode::ChargeAh);
    const bool discharge = chooses(series, GraphCode::DischargeAh);
    chart.ahScale = charge || discharge ? ahScaleFor(image, charge, discharge) : previousAh;
    chart.clearArea = QRect(QPoint(1, 39), QPoint(638, Y0 - 1));
    addDayNumbers(chart);
    addAxes(chart);
    addScaleLabels(chart, chart.ahScale, chartVoltScale(image));
    addUnitLabels(chart);

    const int width = barWidth(activeListCount(series));
    int slot = 0;
    for (int code = GraphCode::ChargeAh; code < GraphCode::Count; ++code) {
        const int list = colourList(series, code);
        if (list < 0)
            continue;
        addSeriesBars(chart, image, code, list, slot++, width);
    }
    return chart;
}
