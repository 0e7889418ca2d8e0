#include "settings/settingsentry.h"

#include "data/controlleraddresses.h"
#include "settings/settingscatalogue.h"
#include "settings/settingsfields.h"
#include "settings/settingsformat.h"

#include <algorithm>
#include <limits>

namespace {

constexpr int ReservedEntry = 30000;

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool takesFractionDigit(EntryRule rule, const ControllerIdentity& identity) {
    switch (rule) {
    case EntryRule::Tenths:
    case EntryRule::HalfAmps:
    case EntryRule::ByStartMode:
    case EntryRule::ByStopMode:
    case EntryRule::ByTmod:
        return true;
    case EntryRule::Voltage:
    case EntryRule::ByGeneratorMode:
        return !identity.wholeVoltSystem();
    default:
        return false;
    }
}

int voltageRaw(int value, const ControllerIdentity& identity) {
    if (identity.wholeVoltSystem())
        return value;
    // A huge typed number saturates here; the limits of the setting cap it afterwards.
    const qint64 raw =
        qint64(value) * identity.VoltageScaleDenominator / identity.VoltageScaleNumerator;
    return int(
        std::clamp<qint64>(raw, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

std::optional<int> systemVoltageCode(int volts, const ControllerIdentity& identity) {
    // The code of a 96 V or 108 V system has no text to type; a typed value would silently
    // switch the controller to another system voltage.
    if (volts >= 100 || identity.SystemVoltageIndex == 5 || identity.SystemVoltageIndex == 6)
        return std::nullopt;
    if (identity.SystemVoltageIndex > 4)
        return 0; // the high-voltage models keep code 0
    if (volts < 24)
        return 0;
    if (volts < 32)
        return 1;
    if (volts < 36)
        return 2;
    return volts < 48 ? 3 : 4;
}

int batteryCapacityCode(int ampHours) {
    return ampHours >= 1000 ? ampHours / 100 + 40 : ampHours / 20;
}

// Start and stop values: half-volt steps for solar volts, whole numbers for a rate.
int modeRaw(int mode, int tenths) {
    if (mode <= 1)
        return tenths / 5;
    return mode == 14 ? tenths / 10 : tenths;
}

std::optional<int> convertEntry(int setting, int value, const MemoryImage& image,
                                const ControllerIdentity& identity) {
    switch (settingDefinition(setting).entry) {
    case EntryRule::Voltage:
        return voltageRaw(value, identity);
    case EntryRule::SystemVoltageCode:
        return systemVoltageCode(value, identity);
    case EntryRule::HalfAmps:
        return value / 5;
    case EntryRule::BatteryCapacity:
        return batteryCapacityCode(value);
    case EntryRule::ByStartMode:
        return modeRaw(startMode(image), value);
    case EntryRule::ByStopMode:
        return modeRaw(stopMode(image), value);
    case EntryRule::ByTmod:
        return (tmodNibble(image) & 7) < 3 ? value / 10 : value;
    case EntryRule::ByGeneratorMode:
        if (generatorMode(image) == 0)
            return voltageRaw(value, identity);
        return takesFractionDigit(EntryRule::ByGeneratorMode, identity) ? value / 10 : value;
    default:
        return value;
    }
}

int chargeCurrentMaximum(const QString& modelName) {
    if (modelName == QLatin1String("VX40"))
        return 80;
    return modelName == QLatin1String("VX60") ? 120 : 40;
}

int clampToLimits(int setting, int raw, const MemoryImage& image,
                  const ControllerIdentity& identity) {
    const int entry = textEntry(setting, image);
    const EntryLimits& limits = entryLimits(entry);
    int maximum = identity.SystemVoltageIndex == 8 ? limits.maxIndex8 : limits.max;
    if (entry == 18)
        maximum = chargeCurrentMaximum(identity.ModelName);
    return std::max(std::min(raw, maximum), limits.min);
}

} // namespace

std::optional<int> readEnteredNumber(int setting, const QString& text,
                                     const ControllerIdentity& identity) {
    QString kept;
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    for (const QChar c : text.left(point < 0 ? text.size() : point))
        if (c == QLatin1Char('-') || isDigit(c))
            kept += c;
    const bool fractionTyped = point >= 0 && point + 1 < text.size();
    const QChar fraction = fractionTyped ? text.at(point + 1) : QLatin1Char('0');
    // Only a digit may follow the point: "14. 4" would otherwise be read as 14 tenths.
    if (!isDigit(fraction))
        return std::nullopt;
    // Text without a single digit is no number, even where a missing decimal counts as 0:
    // otherwise an emptied cell would set the setting to its minimum.
    if (!std::any_of(kept.begin(), kept.end(), isDigit) && !fractionTyped)
        return std::nullopt;
    if (takesFractionDigit(settingDefinition(setting).entry, identity))
        kept += fraction;
    bool ok = false;
    const int value = kept.toInt(&ok);
    if (!ok || value == ReservedEntry)
        return std::nullopt;
    return std::max(value, 0);
}

EntryResult applyEntry(int setting, const QString& text, MemoryImage& image,
                       const ControllerIdentity& identity) {
    const std::optional<int> typed = readEnteredNumber(setting, text, identity);
    if (!typed)
        return {};
    const std::optional<int> raw = convertEntry(setting, *typed, image, identity);
    if (!raw)
        return {};
    const int value = clampToLimits(setting, *raw, image, identity);
    storeSettingRaw(setting, value, image);
    EntryResult result{true, std::nullopt};
    if (settingDefinition(setting).entry == EntryRule::StateOfCharge)
        result.ampHours =
            batteryCapacityAh(image.at(ControllerAddress::BatteryCapacity)) * value / 100;
    return result;
}

bool togglesOnEdit(int setting) {
    const EntryRule rule = settingDefinition(setting).entry;
    return rule == EntryRule::Toggled || rule == EntryRule::Stepped;
}

void toggleSetting(int setting, MemoryImage& image) {
    const SettingDefinition& d = settingDefinition(setting);
    const int old = image.at(d.address);
    if (d.entry == EntryRule::Toggled)
        image.store(d.address, static_cast<std::uint8_t>(old ^ d.mask));
    else if (d.entry == EntryRule::Stepped)
        // BOST, EQUL, ABSV, FLOT and round again; bit 2 is cleared on the way.
        image.store(d.address, static_cast<std::uint8_t>(((old & 251) + 1) & 251));
}

bool takesNumber(int setting) {
    return !togglesOnEdit(setting) && settingDefinition(setting).entry != EntryRule::ProcessorReset;
}

bool entryRedrawsPage(int setting) {
    return settingDefinition(setting).redrawsPage;
}
