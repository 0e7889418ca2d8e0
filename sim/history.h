#pragma once

#include "sim/controllerconfig.h"
#include "sim/controllermemory.h"

namespace sim {

// Thirty days of records in the EEPROM ring, today's filled from today's live values.
// Needs the live state and the settings copies (the history is scaled by the copied system
// voltage code) in place.
void fillHistory(const ControllerConfig& config, ControllerMemory& memory);

} // namespace sim
