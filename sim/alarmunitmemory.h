#pragma once

#include "sim/controllerconfig.h"
#include "sim/controllermemory.h"

namespace sim {

// The alarm unit's configuration in its EEPROM 0..20: a few bytes of its own, six voltage
// thresholds, the delay time or mode, the checksum and five copies of the configuration byte.
void fillAlarmUnitMemory(const ControllerConfig& config, ControllerMemory& memory);

} // namespace sim
