#include "sim/batteryvoltage.h"

#include "sim/addresses.h"

namespace sim {
namespace {

// The battery voltage byte counts from this offset, in steps of half the battery factor.
constexpr int BatteryByteOffset = 150;

} // namespace

int batteryVoltageByte(const SystemProfile& system, int voltage) {
    return voltage * 2 / system.batteryFactor - BatteryByteOffset;
}

int batteryVoltage(const SystemProfile& system, int voltageByte) {
    return (voltageByte + BatteryByteOffset) * system.batteryFactor / 2;
}

int rangeByteAtLeast(const SystemProfile& system, int voltage) {
    return (voltage * system.scaleDenominator + system.scaleNumerator - 1) / system.scaleNumerator;
}

int rangeByteAtMost(const SystemProfile& system, int voltage) {
    return voltage * system.scaleDenominator / system.scaleNumerator;
}

int rangeVoltage(const SystemProfile& system, int rangeByte) {
    return rangeByte * system.scaleNumerator / system.scaleDenominator;
}

void widenTodaysRange(const SystemProfile& system, ControllerMemory& memory) {
    const int voltage = batteryVoltage(system, memory.ram(Ram::BatteryVoltage));
    if (memory.ram(Ram::TodaysMaximum) < rangeByteAtLeast(system, voltage))
        memory.setRam(Ram::TodaysMaximum, rangeByteAtLeast(system, voltage));
    if (memory.ram(Ram::TodaysMinimum) > rangeByteAtMost(system, voltage))
        memory.setRam(Ram::TodaysMinimum, rangeByteAtMost(system, voltage));
}

} // namespace sim
