#include "settings/settingsformat.h"

#include "data/tenths.h"
#include "settings/settingscatalogue.h"
#include "settings/settingsfields.h"
#include "settings/settingsnames.h"
#include "settings/settingsunits.h"

namespace {

// Event start and stop modes: 0..1 solar volts, 2..3 external volts, 4..13 time, 14..15 rate.
int modeEntry(int mode, int firstEntry) {
    if (mode <= 1)
        return firstEntry;
    if (mode <= 3)
        return firstEntry + 1;
    return mode <= 13 ? firstEntry + 2 : firstEntry + 3;
}

int tmodEntry(const MemoryImage& image) {
    const int t = tmodNibble(image) & 7;
    if (t < 3)
        return 59;
    return t < 5 ? 60 : 61;
}

QString latin(const char* text) {
    return QString::fromLatin1(text);
}

QString voltageText(int raw, const ControllerIdentity& identity) {
    return formatVoltage(identity.scaleVoltage(raw), identity.wholeVoltSystem());
}

QString systemVoltageText(int raw, const ControllerIdentity& identity) {
    const int index = identity.SystemVoltageIndex;
    if (index < 5)
        return latin(SettingChoice::SystemVoltages.at(static_cast<std::size_t>(raw & 7)));
    if (index == 7)
        return QStringLiteral("120");
    return index == 8 ? QStringLiteral("136") : QString();
}

// Start and stop values: half-volt steps for solar volts, whole numbers for a rate, else tenths.
QString modeValueText(int mode, int raw) {
    if (mode <= 1)
        return formatTenthsUncapped(raw * 5);
    return mode == 14 ? QString::number(raw) : formatTenthsUncapped(raw);
}

QString tmodValueText(const MemoryImage& image, int raw) {
    switch (((tmodNibble(image) + 1) / 2) & 3) {
    case 0:
        return {};
    case 1:
        return QString::number(raw);
    default:
        return formatTenthsUncapped(raw);
    }
}

QString generatorStartText(const MemoryImage& image, int raw, const ControllerIdentity& identity) {
    const int g = generatorMode(image);
    if (g == 3)
        return {};
    return g == 0 ? voltageText(raw, identity) : QString::number(raw);
}

} // namespace

int textEntry(int setting, const MemoryImage& image) {
    switch (setting) {
    case 30:
        return modeEntry(startMode(image), 51);
    case 32:
        return modeEntry(stopMode(image), 55);
    case 35:
        return tmodEntry(image);
    case 42:
        return generatorMode(image) == 0 ? 62 : 63;
    case 44:
        return generatorMode(image) < 2 ? 64 : 65;
    default:
        return setting;
    }
}

QString rowName(int setting, const MemoryImage& image, int language) {
    return text(EntryNames.at(static_cast<std::size_t>(textEntry(setting, image))), language);
}

QString rowUnit(int setting, const MemoryImage& image, int language) {
    int entry = textEntry(setting, image);
    // Mode 15 counts hours, not minutes, though it shares the rate's name.
    if ((setting == 30 && startMode(image) == 15) || (setting == 32 && stopMode(image) == 15))
        entry -= 1;
    return text(EntryUnits.at(static_cast<std::size_t>(entry)), language);
}

QString formatSetting(int setting, const MemoryImage& image, const ControllerIdentity& identity,
                      int language) {
    const int raw = settingRaw(setting, image);
    switch (settingDefinition(setting).shown) {
    case Shown::Tenths:
        return formatTenthsUncapped(raw);
    case Shown::Decimal:
        return QString::number(raw);
    case Shown::Voltage:
        return voltageText(raw, identity);
    case Shown::SystemVoltage:
        return systemVoltageText(raw, identity);
    case Shown::Lockout:
        return text(raw != 0 ? SettingChoice::Adjust : SettingChoice::Locked, language);
    case Shown::OnOff:
        return text(raw != 0 ? SettingChoice::On : SettingChoice::Off, language);
    case Shown::RegulatorState:
        return latin(SettingChoice::RegulatorStates.at(static_cast<std::size_t>(raw & 3)));
    case Shown::HalfAmps:
        return formatTenthsUncapped(raw * 5);
    case Shown::BatteryCapacity:
        return QString::number(batteryCapacityAh(raw));
    case Shown::ByStartMode:
        return modeValueText(startMode(image), raw);
    case Shown::ByStopMode:
        return modeValueText(stopMode(image), raw);
    case Shown::ByTmod:
        return tmodValueText(image, raw);
    case Shown::ByGeneratorMode:
        return generatorStartText(image, raw, identity);
    case Shown::VoltageWhileGeneratorBelow2:
        return generatorMode(image) > 1 ? QString() : voltageText(raw, identity);
    case Shown::DecimalUnlessGenerator3:
        return generatorMode(image) == 3 ? QString() : QString::number(raw);
    case Shown::Empty:
        break;
    }
    return {};
}

SettingRowTexts settingRowTexts(int setting, const MemoryImage& image,
                                const ControllerIdentity& identity, int language) {
    return {rowName(setting, image, language), formatSetting(setting, image, identity, language),
            rowUnit(setting, image, language)};
}
