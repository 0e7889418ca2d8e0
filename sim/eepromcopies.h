#pragma once

#include "sim/controllermemory.h"

#include <optional>

namespace sim {

// The RAM address whose non-volatile copy lives at the EEPROM address: EEPROM 0..13 keep the
// calibration bytes (and the lockout flag with them), EEPROM 14..44 the settings of RAM 64..94.
std::optional<int> ramAddressOfCopy(int eepromAddress);

// Factory state: every EEPROM copy equal to its RAM value.
void storeEepromCopies(ControllerMemory& memory);

// What a processor reset does to the working values: each is taken again from its copy.
void reloadFromEepromCopies(ControllerMemory& memory);

} // namespace sim
