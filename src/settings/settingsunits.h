#pragma once

#include "common/texts.h"

#include <array>

// Units by text entry; entries not named here have no unit.
namespace SettingUnit {
inline constexpr TextRow None{"", "", "", ""};
inline constexpr TextRow Hours{"Hours", "Heure", "小时", "Stunden"};
inline constexpr TextRow Volts{"V", "V", "V", "V"};
inline constexpr TextRow Minutes{"min", "min", "分", "min"};
inline constexpr TextRow Days{"Days", "Jours", "天", "Tage"};
inline constexpr TextRow Amps{"A", "A", "A", "A"};
inline constexpr TextRow AmpHours{"Ah", "Ah", "安时", "Ah"};
inline constexpr TextRow Day{"day", "jour", "天", "Tag"};
inline constexpr TextRow RunHours{"hours", "heure", "小时", "Stunden"};
inline constexpr TextRow Percent{"%", "%", "%", "%"};
inline constexpr TextRow Hr{"hr", "hr", "小时", "Std"};
inline constexpr TextRow Celsius{"oC", "oC", "oC", "oC"};
} // namespace SettingUnit

inline constexpr std::array<TextRow, 66> EntryUnits = [] {
    using namespace SettingUnit;
    std::array<TextRow, 66> units{};
    units.fill(None);
    const auto give = [&units](const TextRow& unit, std::initializer_list<int> entries) {
        for (const int entry : entries)
            units[static_cast<std::size_t>(entry)] = unit;
    };
    give(Hours, {0, 11, 14});
    give(Volts, {1, 5, 6, 9, 10, 13, 15, 16, 17, 24, 27, 43, 51, 52, 55, 56, 60, 62});
    give(Minutes, {7, 44, 54, 58, 64});
    give(Days, {12, 19});
    give(Amps, {18});
    give(AmpHours, {26, 36, 37, 38, 39});
    give(Day, {45, 48});
    give(RunHours, {46});
    give(Percent, {47, 63, 65});
    give(Hr, {53, 57, 61});
    give(Celsius, {59});
    return units;
}();

// Texts of the settings that show a choice rather than a number.
namespace SettingChoice {
inline constexpr TextRow Locked{"Locked", "Lock", "锁定", "Gesperrt"};
inline constexpr TextRow Adjust{"Adjust", "Adj", "可调", "Offen"};
inline constexpr TextRow On{"On", "On", "开", "Ein"};
inline constexpr TextRow Off{"Off", "Off", "关", "Aus"};
inline constexpr std::array<const char*, 4> RegulatorStates{"BOST", "EQUL", "ABSV", "FLOT"};
// Setting 1 by system voltage code, while the system is not a whole-volt one.
inline constexpr std::array<const char*, 5> SystemVoltages{"12", "24", "32", "36", "48"};
} // namespace SettingChoice
