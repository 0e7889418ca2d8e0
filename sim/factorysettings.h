#pragma once

#include "sim/controllerconfig.h"
#include "sim/controllermemory.h"

namespace sim {

// The settings and calibration an installer would leave behind, in RAM and in their EEPROM
// copies.
void fillFactorySettings(const ControllerConfig& config, ControllerMemory& memory);

} // namespace sim
