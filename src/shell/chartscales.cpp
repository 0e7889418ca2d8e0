#include "shell/chartscales.h"

#include "data/controlleraddresses.h"
#include "data/identity.h"

#include <algorithm>
#include <array>

namespace {

constexpr int MaximumAh = 3999;

struct StepRule {
    int spanBelow;
    int step;
};
constexpr std::array<StepRule, 8> StepRules{
    {{12, 1}, {24, 2}, {60, 5}, {120, 10}, {240, 20}, {600, 50}, {1200, 100}, {2400, 200}}};
constexpr int LargestStep = 500;

int stepForSpan(int span) {
    for (const auto& rule : StepRules)
        if (span < rule.spanBelow)
            return rule.step;
    return LargestStep;
}

} // namespace

AhScale ahScaleFor(const MemoryImage& image, bool charge, bool discharge) {
    int minimum = 30000;
    int maximum = 0;
    for (int record = 0; record < HistoryBlock::Days; ++record) {
        const DayRecord day = historyRecord(image, record);
        for (const auto& [selected, value] :
             {std::pair{charge, day.chargeAh}, {discharge, day.loadAh}}) {
            if (!selected)
                continue;
            minimum = std::min(minimum, value);
            maximum = std::max(maximum, value);
        }
    }
    minimum = std::clamp(minimum, 0, MaximumAh);
    maximum = std::min(std::max(maximum, minimum), MaximumAh);
    const int step = stepForSpan(maximum - minimum);
    return {minimum / step * step, step};
}

ChartVoltScale chartVoltScale(const MemoryImage& image) {
    const VoltageScale scale = voltageScaleForCode(image.at(ControllerAddress::SystemVoltageCode));
    return {historyInWholeVolts(image) ? 10 : scale.numerator, scale.denominator};
}
