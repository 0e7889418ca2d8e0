#include "sim/alarmunitmemory.h"

#include "sim/controllerprofile.h"

#include <array>

namespace sim {
namespace {

// Bytes 0..7 are the unit's own (the programmer never writes them, but they count in the sum).
constexpr std::array<int, 8> OwnBytes{0x56, 0x58, 0x41, 0x02, 0x19, 0x64, 0x00, 0x07};
// Thresholds in tenths of a volt of a 12 V battery: 11.5, 11.9, 15.0, 14.6, 11.8, 14.8.
constexpr std::array<int, 6> Thresholds{115, 119, 150, 146, 118, 148};
constexpr int FirstThreshold = 8;
constexpr int DelayOrMode = 14;
constexpr int Checksum = 15;
constexpr int FirstConfigurationCopy = 16, ConfigurationCopies = 5;
constexpr int DelayHours = 24; // the later variant: charge-fail alarm after a day
constexpr int Mode = 2;
constexpr int BaudCode2400 = 2;

} // namespace

void fillAlarmUnitMemory(const ControllerConfig& config, ControllerMemory& memory) {
    for (int index = 0; index < static_cast<int>(OwnBytes.size()); ++index)
        memory.setEeprom(index, OwnBytes.at(static_cast<size_t>(index)));
    for (int index = 0; index < static_cast<int>(Thresholds.size()); ++index)
        memory.setEeprom(FirstThreshold + index, Thresholds.at(static_cast<size_t>(index)));
    memory.setEeprom(DelayOrMode, config.vxaVariant != 0 ? DelayHours : Mode);
    int sum = 0;
    for (int index = 0; index < Checksum; ++index)
        sum += memory.eeprom(index);
    memory.setEeprom(Checksum, config.vxaBadChecksum ? sum + 1 : sum);
    const int configuration = BaudCode2400 << 4 | systemProfile(config.system).code;
    for (int copy = 0; copy < ConfigurationCopies; ++copy)
        memory.setEeprom(FirstConfigurationCopy + copy, configuration);
}

} // namespace sim
