#include "sim/livestate.h"

#include "sim/addresses.h"
#include "sim/batteryvoltage.h"
#include "sim/controllerprofile.h"
#include "sim/livequantities.h"

#include <array>
#include <utility>

namespace sim {
namespace {

constexpr std::array<std::pair<int, int>, 9> FixedBytes{{
    {Ram::Clock, 134},         // 13.4 hours
    {Ram::FloatStart, 118},    // went to float at 11.8 hours
    {Ram::RegulationState, 3}, // float
    {Ram::DaysSinceBoost, 3},
    {Ram::DaysSinceEqualise, 12},
    {Ram::DaysSinceGeneratorRun, 5},
    {Ram::EventConditions, 0x0B}, // only the second event condition holds
    {Ram::Outputs, 0x04},         // load connected, generator stopped, event controller on
    {Ram::GeneratorToggle, 0x00},
}};

constexpr std::array<std::pair<int, int>, 4> AmpHoursToday{{
    {Ram::InternalChargeAh, 312},
    {Ram::ExternalChargeAh, 38},
    {Ram::InternalLoadAh, 61},
    {Ram::ExternalLoadAh, 17},
}};

// Bits 4..5 of the range byte select the battery factor.
int batteryRangeByte(int factor) {
    return factor == 1 ? 0x00 : factor == 2 ? 0x10 : 0x20;
}

int capacityAmpHours(int capacityCode) {
    return capacityCode < 50 ? capacityCode * 20 : (capacityCode - 40) * 100;
}

void fillTodaysRange(const SystemProfile& system, ControllerMemory& memory) {
    const int voltage = batteryVoltage(system, memory.ram(Ram::BatteryVoltage));
    memory.setRam(Ram::TodaysMaximum, rangeByteAtLeast(system, voltage) + 15);
    memory.setRam(Ram::TodaysMinimum, rangeByteAtMost(system, voltage) - 4);
}

void fillStateOfChargeAmpHours(ControllerMemory& memory) {
    const int ampHours =
        capacityAmpHours(memory.ram(Ram::BatteryCapacity)) * memory.ram(Ram::StateOfCharge) / 100;
    memory.setRam(Ram::SocAmpHoursLow, ampHours);
    memory.setRam(Ram::SocAmpHoursHigh, ampHours >> 8);
}

} // namespace

void fillLiveState(const ControllerConfig& config, ControllerMemory& memory) {
    const SystemProfile& system = systemProfile(config.system);
    memory.setRam(Ram::Identity, identityByte(config));
    memory.setRam(Ram::BatteryRange, batteryRangeByte(system.batteryFactor));
    for (const LiveQuantity& quantity : liveQuantities(system))
        memory.setRam(quantity.address, quantity.initial);
    for (const auto& [address, value] : FixedBytes)
        memory.setRam(address, value);
    memory.setRam(Ram::ShuntConfig, shuntConfigByte(config));
    for (const auto& [address, ampHours] : AmpHoursToday)
        memory.setRamWord(address, ampHours);
    fillTodaysRange(system, memory);
    fillStateOfChargeAmpHours(memory);
}

} // namespace sim
