#include "sim/livequantities.h"

#include "sim/addresses.h"
#include "sim/batteryvoltage.h"

#include <algorithm>

namespace sim {
namespace {

LiveQuantity around(int address, int initial, int spread) {
    return {address, initial, std::max(0, initial - spread), std::min(255, initial + spread)};
}

} // namespace

QList<LiveQuantity> liveQuantities(const SystemProfile& system) {
    return {
        around(Ram::BatteryVoltage, batteryVoltageByte(system, system.restingVoltage), 8),
        around(Ram::SolarVoltage, system.solarRaw, 6),
        {Ram::InternalChargeCurrent, 62, 40, 80},
        {Ram::ExternalChargeCurrent, 45, 30, 60},
        {Ram::InternalLoadCurrent, 24, 15, 35},
        {Ram::ExternalLoadCurrent, 12, 5, 20},
        {Ram::StateOfCharge, 87, 60, 100},
        {Ram::Temperature, 24, 15, 35},
        {Ram::PwmDuty, 178, 120, 230},
        {Ram::LightLevel, 42, 20, 100}, // bit 7 stays clear: daytime
    };
}

} // namespace sim
