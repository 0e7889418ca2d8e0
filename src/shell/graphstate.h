#pragma once

#include "shell/chartscales.h"

#include <array>

// The codes chosen in the blue, yellow, red and green series lists.
using GraphSeriesCodes = std::array<int, 4>;

// The graph's program-wide state, kept for the whole run: the lists' choices (blue charge and
// yellow discharge at start), whether the history on hand was read without failure, and the Ah
// scale of the last chart that had an Ah series.
struct GraphState {
    GraphSeriesCodes GraphSeries{GraphCode::ChargeAh, GraphCode::DischargeAh, GraphCode::NotUsed,
                                 GraphCode::NotUsed};
    bool HistoryValid = false;
    AhScale ahScale;
};
