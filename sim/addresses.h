#pragma once

namespace sim {

// Controller RAM addresses the simulated controller fills or changes itself.
namespace Ram {
constexpr int Identity = 0;
constexpr int PwmDuty = 21;
constexpr int BatteryRange = 32;
constexpr int LockoutAndSigns = 33;
constexpr int LightLevel = 37;
constexpr int Clock = 48;
constexpr int Temperature = 52;
constexpr int SolarVoltage = 53;
constexpr int DaysSinceBoost = 63;
constexpr int ChargeLimit = 77;
constexpr int SystemVoltage = 93;
constexpr int BatteryCapacity = 94;
constexpr int DaysSinceEqualise = 95;
constexpr int DaysSinceGeneratorRun = 96;
constexpr int EventConditions = 98;
constexpr int RegulationState = 101;
constexpr int SocAmpHoursHigh = 113;
constexpr int Outputs = 115;
constexpr int GeneratorToggle = 116;
constexpr int StateOfCharge = 181;
constexpr int TodaysMaximum = 182;
constexpr int TodaysMinimum = 183;
constexpr int FloatStart = 184;
constexpr int InternalChargeAh = 188; // 16-bit, low byte first, like the other amp-hours
constexpr int ExternalChargeAh = 193;
constexpr int InternalLoadAh = 198;
constexpr int ExternalLoadAh = 203;
constexpr int ExternalChargeCurrent = 205;
constexpr int ExternalLoadCurrent = 206;
constexpr int ShuntConfig = 207;
constexpr int SocAmpHoursLow = 211;
constexpr int InternalChargeCurrent = 213;
constexpr int InternalLoadCurrent = 217;
constexpr int BatteryVoltage = 221;
constexpr int WriteEnable = 226;
} // namespace Ram

namespace Eeprom {
constexpr int HistoryIndex = 45;
constexpr int FirstDayRecord = 46;
constexpr int DayRecordSize = 7;
constexpr int HistoryDays = 30;
} // namespace Eeprom

} // namespace sim
