#include "sim/livedrift.h"

#include "sim/addresses.h"
#include "sim/batteryvoltage.h"
#include "sim/randomstream.h"

#include <array>

namespace sim {
namespace {

constexpr std::array<int, 4> AmpHourCounters{Ram::InternalChargeAh, Ram::ExternalChargeAh,
                                             Ram::InternalLoadAh, Ram::ExternalLoadAh};
constexpr int TenthsPerDay = 240;

void advanceClock(ControllerMemory& memory) {
    memory.setRam(Ram::Clock, (memory.ram(Ram::Clock) + 1) % TenthsPerDay);
}

} // namespace

LiveDrift::LiveDrift(const ControllerConfig& config)
    : system_(systemProfile(config.system)), quantities_(liveQuantities(system_)),
      random_(randomStream(config.seed, RandomStream::Drift)) {}

void LiveDrift::step(ControllerMemory& memory) {
    const auto choice = static_cast<qsizetype>(random_.bounded(int(quantities_.size()) + 2));
    if (choice < quantities_.size())
        wander(quantities_.at(choice), memory);
    else if (choice == quantities_.size())
        advanceClock(memory);
    else
        countAmpHour(memory);
}

void LiveDrift::wander(const LiveQuantity& quantity, ControllerMemory& memory) {
    const int step = random_.bounded(2) == 0 ? -1 : 1;
    memory.setRam(quantity.address,
                  qBound(quantity.low, memory.ram(quantity.address) + step, quantity.high));
    if (quantity.address == Ram::BatteryVoltage)
        widenTodaysRange(system_, memory);
}

void LiveDrift::countAmpHour(ControllerMemory& memory) {
    const int counter = AmpHourCounters.at(static_cast<size_t>(random_.bounded(4)));
    memory.setRamWord(counter, qMin(memory.ramWord(counter) + 1, 0xFFFF));
}

} // namespace sim
