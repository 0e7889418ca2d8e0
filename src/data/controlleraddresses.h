#pragma once

// Where the controller keeps what the program decodes, as indexes of the memory image: RAM at
// its own address 0..255, EEPROM at 256 + its address. The read sequences and the settings
// table list their addresses as tables of their own.
namespace ControllerAddress {

// Identity: model and version in byte 0, the nominal system voltage code in bits 0..2 of 93.
constexpr int ModelAndVersion = 0;
constexpr int SystemVoltageCode = 93;

// Battery: the instantaneous voltage is counted from an offset with a factor chosen by bits
// 4..5 of the range byte; today's range uses the system's voltage scale.
constexpr int BatteryVoltage = 221;
constexpr int BatteryVoltageRange = 32;
constexpr int TodaysMaximumVoltage = 182;
constexpr int TodaysMinimumVoltage = 183;
constexpr int StateOfCharge = 181;
constexpr int BatteryTemperature = 52;
constexpr int BatteryCapacity = 94;
constexpr int RegulationState = 101; // bits 0..1

// Currents right now: internal shunts in model steps, external shunts as configured in 207.
constexpr int InternalChargeCurrent = 213;
constexpr int InternalLoadCurrent = 217;
constexpr int ExternalChargeCurrent = 205;
constexpr int ExternalLoadCurrent = 206;
constexpr int ExternalShunts = 207;

// Today's amp-hours: 16-bit counts, low byte first.
constexpr int InternalChargeAmpHours = 188;
constexpr int ExternalChargeAmpHours = 193;
constexpr int InternalLoadAmpHours = 198;
constexpr int ExternalLoadAmpHours = 203;
// The state of charge in amp-hours, low byte first, written when the state of charge is set.
constexpr int StateOfChargeAmpHours = 211;

// The status table.
constexpr int Clock = 48;           // tenths of an hour
constexpr int FloatStartTime = 184; // tenths of an hour
constexpr int Outputs = 115;        // load, generator, event controller and alarm bits
constexpr int DaysSinceBoost = 63;
constexpr int DaysSinceEqualise = 95;
constexpr int DaysSinceGeneratorRun = 96;
constexpr int PwmDuty = 21; // 256ths
constexpr int SolarVoltage = 53;
constexpr int LightLevel = 37;      // bit 7 night; the whole byte is the day/night counter
constexpr int EventConditions = 98; // a set bit means the condition is off

// Generator and event modes, shared nibbles of the settings.
constexpr int StartStopModes = 90;   // start mode low nibble, stop mode high nibble
constexpr int EventModes = 91;       // Tmod in the high nibble
constexpr int GeneratorControl = 92; // bits 0..1 the generator mode

// Calibration: the sign bits of the three voltage ranges, then their gain/offset nibbles.
constexpr int CalibrationSigns = 33;
constexpr int FirstCalibrationNibbles = 34;

// The 30-day history in EEPROM 43..255: the system voltage code it was kept under, today's
// record and the ring of day records.
constexpr int HistoryVoltageCode = 299;
constexpr int HistoryTodayIndex = 301;
constexpr int FirstDayRecord = 302;

} // namespace ControllerAddress
