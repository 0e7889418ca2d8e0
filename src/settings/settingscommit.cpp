#include "settings/settingscommit.h"

#include "settings/settingscatalogue.h"
#include "settings/settingsentry.h"
#include "settings/singlechangewrite.h"

SettingCommit commitSetting(int setting, const QString& text, MemoryImage& image,
                            const ControllerIdentity& identity, WriteOperands& write) {
    if (!takesNumber(setting)) {
        prepareSettingWrite(write, setting, image);
        return {true, true, false};
    }
    const EntryResult entry = applyEntry(setting, text, image, identity);
    if (entry.ampHours)
        write.AhValue = *entry.ampHours;
    const bool armed =
        entry.accepted || settingDefinition(setting).entry != EntryRule::StateOfCharge;
    if (armed)
        prepareSettingWrite(write, setting, image);
    return {entry.accepted, armed, entry.accepted && entryRedrawsPage(setting)};
}

std::optional<int> commitCalibration(int channel, CalibrationPart part, const QString& text,
                                     MemoryImage& image, WriteOperands& write) {
    const std::optional<int> value = part == CalibrationPart::Gain
                                         ? storeCalibrationGain(image, channel, text)
                                         : storeCalibrationOffset(image, channel, text);
    if (value)
        prepareCalibrationWrite(write, channel, part, image);
    return value;
}
