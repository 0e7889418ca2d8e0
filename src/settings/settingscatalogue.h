#pragma once

#include "common/texts.h"

#include <array>

constexpr int SettingCount = 49;
constexpr int TextEntryCount = 66;
constexpr int SettingsPageCount = 5;

// Where a setting sits in the controller's RAM.
enum class SettingField {
    Byte,
    LowNibble,
    HighNibble,
    Bits, // the bits of the mask
    Word, // 16 bits, low byte first
};

// How the raw value is shown.
enum class Shown {
    Tenths,
    Decimal,
    Voltage,
    SystemVoltage,
    Lockout,
    OnOff,
    RegulatorState,
    HalfAmps,
    BatteryCapacity,
    ByStartMode,
    ByStopMode,
    ByTmod,
    ByGeneratorMode,
    VoltageWhileGeneratorBelow2,
    DecimalUnlessGenerator3,
    Empty,
};

// How an entered number becomes the raw value; toggled, stepped and reset rows take no number.
enum class EntryRule {
    Whole,
    Tenths,
    Voltage,
    SystemVoltageCode,
    HalfAmps,
    BatteryCapacity,
    ByStartMode,
    ByStopMode,
    ByTmod,
    ByGeneratorMode,
    StateOfCharge, // whole percent, and the amp-hours it makes of the battery capacity
    Toggled,
    Stepped,
    ProcessorReset,
};

struct SettingDefinition {
    int address;
    SettingField field;
    int mask; // of a Bits field
    Shown shown;
    EntryRule entry;
    bool redrawsPage; // names, units or formats of other rows of the page follow this one
    bool ramOnly;     // no non-volatile copy: written to RAM alone
};

const SettingDefinition& settingDefinition(int setting);

// Limits of a text entry in raw units; the last column holds for system voltage index 8.
struct EntryLimits {
    int min;
    int max;
    int maxIndex8;
};
const EntryLimits& entryLimits(int entry);

struct SettingsPage {
    int first;
    int last;
    int readType;
    const char* button;
    TextRow hint;
};

// Pages 1..5.
const SettingsPage& settingsPage(int page);
// The page of a setting, 1..5.
int pageOfSetting(int setting);
