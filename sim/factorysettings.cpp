#include "sim/factorysettings.h"

#include "sim/addresses.h"
#include "sim/controllerprofile.h"
#include "sim/eepromcopies.h"

#include <array>
#include <utility>

namespace sim {
namespace {

// Voltages are in tenths of a volt of a 12 V battery: the controller scales them to the system.
constexpr std::array<std::pair<int, int>, 29> Settings{{
    {64, 115},                  // generator on below 11.5 V
    {65, 140},                  // generator off at 14.0 V
    {66, 5},                    // generator delay, minutes
    {67, 30},                   // generator exercise every 30 days
    {68, 20},                   // generator run 2.0 hours
    {69, 115},                  // load disconnect 11.5 V
    {70, 125},                  // load reconnect 12.5 V
    {71, 5},                    // load disconnect delay, minutes
    {72, 115},                  // low battery alarm 11.5 V
    {73, 20},                   // at most 20 days between boosts
    {74, 20},                   // absorption 2.0 hours
    {75, 5},                    // hysteresis 0.5 V
    {76, 125},                  // boost return 12.5 V
    {78, 138},                  // second battery 13.8 V
    {79, 30},                   // event start at 15.0 V solar
    {80, 65},                   // event stop after 6.5 hours
    {81, 45},                   // third event condition at 45 degrees
    {82, 30},                   // 30 days between equalisations
    {83, 10},                   // equalise 1.0 hour
    {84, 144},                  // absorption 14.4 V
    {85, 155},                  // equalise maximum 15.5 V
    {86, 137},                  // float 13.7 V
    {87, 146},                  // boost maximum 14.6 V
    {88, 0x20},                 // load terminal function 0, G terminal function 2
    {89, 0x01},                 // B- input function 0, PWM use 1
    {90, 0x40},                 // event start on solar voltage, stop on time
    {91, 0x10},                 // second event condition 0, third 1 (temperature)
    {92, 0x30},                 // temperature profile 3, generator on battery voltage
    {Ram::BatteryCapacity, 20}, // 400 Ah
}};

// Another installer's choices for the alternate profile; the settings not named keep the
// factory value.
constexpr std::array<std::pair<int, int>, 28> AlternateSettings{{
    {64, 118},                  // generator on below 11.8 V
    {65, 142},                  // generator off at 14.2 V
    {66, 10},                   // generator delay, minutes
    {67, 14},                   // generator exercise every 14 days
    {68, 30},                   // generator run 3.0 hours
    {69, 112},                  // load disconnect 11.2 V
    {70, 128},                  // load reconnect 12.8 V
    {71, 10},                   // load disconnect delay, minutes
    {72, 112},                  // low battery alarm 11.2 V
    {73, 14},                   // at most 14 days between boosts
    {74, 30},                   // absorption 3.0 hours
    {75, 4},                    // hysteresis 0.4 V
    {76, 124},                  // boost return 12.4 V
    {78, 140},                  // second battery 14.0 V
    {79, 28},                   // event start at 14.0 V solar
    {80, 50},                   // event stop after 5.0 hours
    {81, 40},                   // third event condition at 40 degrees
    {82, 28},                   // 28 days between equalisations
    {83, 20},                   // equalise 2.0 hours
    {84, 146},                  // absorption 14.6 V
    {85, 158},                  // equalise maximum 15.8 V
    {86, 136},                  // float 13.6 V
    {87, 148},                  // boost maximum 14.8 V
    {88, 0x31},                 // load terminal function 1, G terminal function 3
    {89, 0x10},                 // B- input function 1, PWM use 0
    {90, 0x50},                 // event start on solar voltage, stop on time
    {92, 0x40},                 // temperature profile 4, generator on battery voltage
    {Ram::BatteryCapacity, 30}, // 600 Ah
}};

constexpr int ProgramNumber = 1; // high nibble of the system voltage byte

// Gains and offsets of the eight channels, sign bits in byte 33 (lockout clear).
constexpr std::array<std::pair<int, int>, 14> Calibration{{
    {Ram::LockoutAndSigns, 0x25},
    {34, 0x23},
    {35, 0xFE},
    {36, 0x01},
    {214, 0xFD},
    {215, 34},
    {218, 4},
    {219, 31},
    {230, 0xFE},
    {231, 32},
    {234, 1},
    {235, 35},
    {238, 0},
    {239, 32},
}};

} // namespace

void fillFactorySettings(const ControllerConfig& config, ControllerMemory& memory) {
    const bool alternate = config.settings == SettingsProfile::Alternate;
    for (const auto& [address, value] : Settings)
        memory.setRam(address, value);
    if (alternate) {
        for (const auto& [address, value] : AlternateSettings)
            memory.setRam(address, value);
    }
    const int chargeLimit = modelProfile(effectiveModel(config)).chargeLimit;
    memory.setRam(Ram::ChargeLimit, alternate ? chargeLimit / 2 : chargeLimit);
    memory.setRam(Ram::SystemVoltage, ProgramNumber << 4 | systemProfile(config.system).code);
    for (const auto& [address, value] : Calibration)
        memory.setRam(address, value);
    storeEepromCopies(memory);
}

} // namespace sim
