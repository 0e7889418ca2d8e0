#include "settings/settingsfields.h"

#include "data/controlleraddresses.h"
#include "settings/settingscatalogue.h"

int settingRaw(int setting, const MemoryImage& image) {
    const SettingDefinition& d = settingDefinition(setting);
    switch (d.field) {
    case SettingField::LowNibble:
        return image.at(d.address) & 15;
    case SettingField::HighNibble:
        return image.at(d.address) >> 4;
    case SettingField::Bits:
        return image.at(d.address) & d.mask;
    case SettingField::Word:
        return image.word(d.address);
    case SettingField::Byte:
        break;
    }
    return image.at(d.address);
}

void storeSettingRaw(int setting, int value, MemoryImage& image) {
    const SettingDefinition& d = settingDefinition(setting);
    const int old = image.at(d.address);
    switch (d.field) {
    case SettingField::LowNibble:
        image.store(d.address, static_cast<std::uint8_t>((old & 240) + value));
        return;
    case SettingField::HighNibble:
        image.store(d.address, static_cast<std::uint8_t>((old & 15) + value * 16));
        return;
    case SettingField::Word:
        image.store(d.address, static_cast<std::uint8_t>(value & 255));
        image.store(d.address + 1, static_cast<std::uint8_t>(value / 256));
        return;
    case SettingField::Bits:
        image.store(d.address, static_cast<std::uint8_t>((old & ~d.mask) | (value & d.mask)));
        return;
    case SettingField::Byte:
        break;
    }
    image.store(d.address, static_cast<std::uint8_t>(value));
}

int startMode(const MemoryImage& image) {
    return image.at(ControllerAddress::StartStopModes) & 15;
}
int stopMode(const MemoryImage& image) {
    return image.at(ControllerAddress::StartStopModes) >> 4;
}
int tmodNibble(const MemoryImage& image) {
    return image.at(ControllerAddress::EventModes) >> 4;
}
int generatorMode(const MemoryImage& image) {
    return image.at(ControllerAddress::GeneratorControl) & 3;
}

int batteryCapacityAh(int code) {
    return code < 50 ? code * 20 : (code - 40) * 100;
}
