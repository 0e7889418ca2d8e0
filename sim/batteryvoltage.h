#pragma once

#include "sim/controllermemory.h"
#include "sim/controllerprofile.h"

namespace sim {

// Voltages here are what the client shows: tenths of a volt, whole volts on the high-voltage
// variant.

// The battery voltage byte that shows as the given voltage.
int batteryVoltageByte(const SystemProfile& system, int voltage);
int batteryVoltage(const SystemProfile& system, int voltageByte);

// Today's range bytes are scaled with the system's voltage scale instead: the smallest byte
// that shows at least the voltage, and the largest that shows at most the voltage.
int rangeByteAtLeast(const SystemProfile& system, int voltage);
int rangeByteAtMost(const SystemProfile& system, int voltage);
// The voltage a range byte shows as.
int rangeVoltage(const SystemProfile& system, int rangeByte);

// Keeps today's minimum and maximum around the battery voltage as it moves.
void widenTodaysRange(const SystemProfile& system, ControllerMemory& memory);

} // namespace sim
