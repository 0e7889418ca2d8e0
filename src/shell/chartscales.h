#pragma once

#include "data/history.h"
#include "data/memoryimage.h"

// The history chart's grid: 12 steps of 28 pixels above the baseline, a day every 18 pixels.
namespace ChartGeometry {
constexpr int X0 = 50;  // left axis
constexpr int Y0 = 380; // baseline
constexpr int GridStep = 28;
constexpr int GridSteps = 12;
constexpr int DayPitch = 18;
constexpr int MinimumBar = 2;
constexpr int MaximumBar = GridStep * GridSteps;
} // namespace ChartGeometry

// The rows of a series list.
namespace GraphCode {
constexpr int NotUsed = 0, ChargeAh = 1, DischargeAh = 2, VoltageMax = 3, VoltageMin = 4,
              FloatTime = 5, Soc = 6;
constexpr int Count = 7;
} // namespace GraphCode

// The amp-hour scale: one grid step is `step` Ah above `minimum`. Before the first chart with an
// Ah series both are 0, so every label reads 0.
struct AhScale {
    int minimum = 0;
    int step = 0;

    int label(int gridLine) const { return gridLine * step + minimum; }
};

// The scale over all 30 records of the charge Ah, the load Ah, or both.
AhScale ahScaleFor(const MemoryImage& image, bool charge, bool discharge);

// The volt scale: grid line k is (k + 7) × factor ÷ divisor volts, from the battery voltage code
// at address 93; whole-volt systems count ten volts a step. It comes from the image the history
// read leaves, so the graph does not depend on what was decoded before it.
struct ChartVoltScale {
    int factor = 1;
    int divisor = 1;

    int label(int gridLine) const { return (gridLine + 7) * factor / divisor; }
};
ChartVoltScale chartVoltScale(const MemoryImage& image);
