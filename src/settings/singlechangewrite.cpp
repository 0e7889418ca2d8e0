#include "settings/singlechangewrite.h"

#include "settings/settingscatalogue.h"

namespace {

constexpr int ResetSetting = 28;
constexpr int StateOfChargeSetting = 47;
constexpr int ResetRequestValue = 76;
constexpr int AmpHoursLowAddress = 211;

bool takesTwoBytes(int setting) {
    return (setting >= 36 && setting <= 39) || setting == StateOfChargeSetting;
}

bool livesInRamOnly(int setting) {
    return setting == 0 || setting == 4 || setting == 8 || setting == ResetSetting ||
           (setting >= 36 && setting <= 40) || setting == StateOfChargeSetting || setting == 48;
}

int eepromAddress(int ramAddress) {
    return ramAddress == CalibrationSignAddress ? 0 : ramAddress - 50;
}

} // namespace

void prepareSettingWrite(WriteOperands& write, int setting, const MemoryImage& image) {
    const int address = settingDefinition(setting).address;
    const bool ramOnly = livesInRamOnly(setting);
    write.WriteKind =
        setting == ResetSetting ? WriteOperands::ProcessorReset : WriteOperands::Setting;
    write.SettingIndex = setting;
    write.SettingRamAddress = address;
    write.EepromWrite = !ramOnly;
    write.StepCount = !ramOnly || takesTwoBytes(setting) || setting == ResetSetting ? 2 : 1;
    if (!ramOnly)
        write.WriteAddress = eepromAddress(address);
    else
        write.WriteAddress = setting == StateOfChargeSetting ? AmpHoursLowAddress : address;
    if (setting == ResetSetting)
        write.WriteValue = ResetRequestValue;
    else
        write.WriteValue =
            setting == StateOfChargeSetting ? write.AhValue & 255 : image.at(address);
}

void prepareCalibrationWrite(WriteOperands& write, int channel, CalibrationPart part,
                             const MemoryImage& image) {
    const int index = calibrationIndex(channel, part);
    const int ramAddress = calibrationRamAddress(index);
    write.WriteKind = WriteOperands::Calibration;
    write.EepromWrite = true;
    write.WriteAddress = index;
    write.WriteValue = image.at(ramAddress);
    write.CalRamAddress = ramAddress;
    if (index <= 3) {
        // The nibble byte of a voltage range: its sign byte goes first.
        write.SignByte = image.at(CalibrationSignAddress);
        write.StepCount = 4;
    } else {
        write.StepCount = 2;
    }
}
