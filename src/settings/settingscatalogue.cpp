#include "settings/settingscatalogue.h"

#include <algorithm>

namespace {

using F = SettingField;
using S = Shown;
using E = EntryRule;

// Address, field, mask of a bits field, shown as, entry rule, redraws the page, RAM only.
constexpr std::array<SettingDefinition, SettingCount> Definitions{{
    {48, F::Byte, 0, S::Tenths, E::Tenths, false, true},                        // 0 VX time
    {93, F::LowNibble, 0, S::SystemVoltage, E::SystemVoltageCode, true, false}, // 1
    {93, F::HighNibble, 0, S::Decimal, E::Whole, false, false},                 // 2
    {33, F::Bits, 128, S::Lockout, E::Toggled, false, false},                   // 3
    {115, F::Bits, 1, S::OnOff, E::Toggled, false, true},                       // 4
    {69, F::Byte, 0, S::Voltage, E::Voltage, false, false},                     // 5
    {70, F::Byte, 0, S::Voltage, E::Voltage, false, false},                     // 6
    {71, F::Byte, 0, S::Decimal, E::Whole, false, false},                       // 7
    {101, F::Bits, 3, S::RegulatorState, E::Stepped, false, true},              // 8
    {87, F::Byte, 0, S::Voltage, E::Voltage, false, false},                     // 9 BMAX
    {85, F::Byte, 0, S::Voltage, E::Voltage, false, false},                     // 10
    {83, F::Byte, 0, S::Tenths, E::Tenths, false, false},                       // 11
    {82, F::Byte, 0, S::Decimal, E::Whole, false, false},                       // 12
    {84, F::Byte, 0, S::Voltage, E::Voltage, false, false},                     // 13
    {74, F::Byte, 0, S::Tenths, E::Tenths, false, false},                       // 14
    {86, F::Byte, 0, S::Voltage, E::Voltage, false, false},                     // 15
    {75, F::Byte, 0, S::Voltage, E::Voltage, false, false},                     // 16
    {76, F::Byte, 0, S::Voltage, E::Voltage, false, false},                     // 17
    {77, F::Byte, 0, S::HalfAmps, E::HalfAmps, false, false},                   // 18
    {73, F::Byte, 0, S::Decimal, E::Whole, false, false},                       // 19
    {92, F::HighNibble, 0, S::Decimal, E::Whole, false, false},                 // 20
    {88, F::LowNibble, 0, S::Decimal, E::Whole, false, false},                  // 21
    {88, F::HighNibble, 0, S::Decimal, E::Whole, false, false},                 // 22
    {89, F::HighNibble, 0, S::Decimal, E::Whole, false, false},                 // 23
    {78, F::Byte, 0, S::Voltage, E::Voltage, false, false},                     // 24
    {89, F::LowNibble, 0, S::Decimal, E::Whole, false, false},                  // 25
    {94, F::Byte, 0, S::BatteryCapacity, E::BatteryCapacity, false, false},     // 26
    {72, F::Byte, 0, S::Voltage, E::Voltage, false, false},                     // 27
    {102, F::Byte, 0, S::Empty, E::ProcessorReset, false, true},                // 28
    {90, F::LowNibble, 0, S::Decimal, E::Whole, true, false},                   // 29 STRT mode
    {79, F::Byte, 0, S::ByStartMode, E::ByStartMode, false, false},             // 30
    {90, F::HighNibble, 0, S::Decimal, E::Whole, true, false},                  // 31 STOP mode
    {80, F::Byte, 0, S::ByStopMode, E::ByStopMode, false, false},               // 32
    {91, F::LowNibble, 0, S::Decimal, E::Whole, false, false},                  // 33 EMOD
    {91, F::HighNibble, 0, S::Decimal, E::Whole, true, false},                  // 34 TMOD
    {81, F::Byte, 0, S::ByTmod, E::ByTmod, false, false},                       // 35
    {188, F::Word, 0, S::Decimal, E::Whole, false, true},                       // 36
    {193, F::Word, 0, S::Decimal, E::Whole, false, true},                       // 37
    {198, F::Word, 0, S::Decimal, E::Whole, false, true},                       // 38
    {203, F::Word, 0, S::Decimal, E::Whole, false, true},                       // 39
    {116, F::Bits, 2, S::OnOff, E::Toggled, false, true},                       // 40
    {92, F::LowNibble, 0, S::Decimal, E::Whole, true, false},                   // 41 GMOD
    {64, F::Byte, 0, S::ByGeneratorMode, E::ByGeneratorMode, false, false},     // 42
    {65, F::Byte, 0, S::VoltageWhileGeneratorBelow2, E::Voltage, false, false}, // 43
    {66, F::Byte, 0, S::DecimalUnlessGenerator3, E::Whole, false, false},       // 44
    {67, F::Byte, 0, S::Decimal, E::Whole, false, false},                       // 45
    {68, F::Byte, 0, S::Tenths, E::Tenths, false, false},                       // 46
    {181, F::Byte, 0, S::Decimal, E::StateOfCharge, false, true},               // 47
    {96, F::Byte, 0, S::Decimal, E::Whole, false, true},                        // 48
}};

// Entries without limits (toggled rows, entries replaced by their variants, unused) hold 0, 0.
// Entry 18's maximum depends on the model and is not taken from here.
constexpr std::array<EntryLimits, TextEntryCount> Limits{{
    {0, 239, 239},   {0, 4, 0},       {0, 4, 4},         {0, 0, 0},       {0, 0, 0},
    {100, 125, 142}, {110, 160, 182}, {0, 15, 15},       {0, 0, 0},       {135, 165, 187},
    {140, 170, 190}, {0, 20, 20},     {20, 150, 170},    {135, 155, 176}, {0, 40, 40},
    {135, 150, 170}, {1, 10, 10},     {110, 130, 147},   {1, 0, 0},       {1, 20, 20},
    {0, 8, 8},       {0, 11, 11},     {0, 11, 11},       {0, 2, 2},       {130, 160, 181},
    {0, 3, 3},       {1, 240, 240},   {100, 180, 190},   {0, 0, 0},       {0, 15, 15},
    {0, 0, 0},       {0, 15, 15},     {0, 0, 0},         {0, 11, 11},     {0, 14, 14},
    {0, 0, 0},       {0, 990, 990},   {0, 25000, 25000}, {0, 990, 990},   {0, 25000, 25000},
    {0, 0, 0},       {0, 6, 6},       {0, 0, 0},         {110, 165, 185}, {0, 0, 0},
    {2, 60, 60},     {0, 40, 40},     {0, 127, 147},     {0, 60, 60},     {0, 0, 0},
    {0, 0, 0},       {0, 199, 199},   {0, 250, 250},     {0, 239, 239},   {0, 240, 240},
    {0, 199, 199},   {0, 250, 250},   {0, 252, 252},     {0, 240, 240},   {0, 250, 250},
    {0, 250, 250},   {0, 252, 252},   {100, 125, 145},   {0, 99, 99},     {1, 15, 15},
    {1, 125, 125},
}};

constexpr std::array<SettingsPage, SettingsPageCount> Pages{{
    {0, 8, 4, "SET", {"Basic Settings", "", "基本设置数据", "Grundeinstellungen"}},
    {9, 20, 5, "REG", {"Regulation Settings", "", "控制设置数据", "Einstellung Ladekennlinien"}},
    {21,
     28,
     6,
     "MODE",
     {"Operating Mode Settings", "", "操作模式设置数据", "Eistellung Betriebsweise"}},
    {29,
     39,
     7,
     "EVNT",
     {"Event Controller Settings", "", "事项控制器设置数据", "Einstellung Ereignissteuerung"}},
    {40,
     48,
     8,
     "GEN",
     {"Generator Control Settings", "", "发电机控制设置数据", "Einstellung Generatorsteuerung"}},
}};

} // namespace

const SettingDefinition& settingDefinition(int setting) {
    return Definitions.at(static_cast<std::size_t>(setting));
}

const EntryLimits& entryLimits(int entry) {
    return Limits.at(static_cast<std::size_t>(entry));
}

const SettingsPage& settingsPage(int page) {
    return Pages.at(static_cast<std::size_t>(page - 1));
}

int pageOfSetting(int setting) {
    const auto found = std::find_if(Pages.begin(), Pages.end(), [setting](const SettingsPage& p) {
        return setting >= p.first && setting <= p.last;
    });
    return static_cast<int>(found - Pages.begin()) + 1;
}
