#include "settings/singlechangewrite.h"

#include "data/controlleraddresses.h"
#include "settings/settingscatalogue.h"

namespace {

constexpr int ResetRequestValue = 76;

int eepromAddress(int ramAddress) {
    return ramAddress == ControllerAddress::CalibrationSigns ? 0 : ramAddress - 50;
}

} // namespace

void prepareSettingWrite(WriteOperands& write, int setting, const MemoryImage& image) {
    const SettingDefinition& d = settingDefinition(setting);
    const bool reset = d.entry == EntryRule::ProcessorReset;
    const bool stateOfCharge = d.entry == EntryRule::StateOfCharge;
    const bool twoBytes = d.field == SettingField::Word || stateOfCharge;
    write.WriteKind = reset ? WriteOperands::ProcessorReset : WriteOperands::Setting;
    write.SettingIndex = setting;
    write.SettingRamAddress = d.address;
    write.EepromWrite = !d.ramOnly;
    write.StepCount = !d.ramOnly || twoBytes || reset ? 2 : 1;
    if (!d.ramOnly)
        write.WriteAddress = eepromAddress(d.address);
    else
        write.WriteAddress = stateOfCharge ? ControllerAddress::StateOfChargeAmpHours : d.address;
    if (reset)
        write.WriteValue = ResetRequestValue;
    else
        write.WriteValue = stateOfCharge ? write.AhValue & 255 : image.at(d.address);
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
        write.SignByte = image.at(ControllerAddress::CalibrationSigns);
        write.StepCount = 4;
    } else {
        write.StepCount = 2;
    }
}
