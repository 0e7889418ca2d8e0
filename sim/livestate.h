#pragma once

#include "sim/controllerconfig.h"
#include "sim/controllermemory.h"

namespace sim {

// Identity, measurements, counters and output states of a controller charging on a sunny
// afternoon. Needs the settings in place (the state-of-charge amp-hours follow the capacity).
void fillLiveState(const ControllerConfig& config, ControllerMemory& memory);

} // namespace sim
