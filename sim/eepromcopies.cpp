#include "sim/eepromcopies.h"

#include <array>

namespace sim {
namespace {

constexpr std::array<int, 14> CalibrationRamAddresses{33,  34,  35,  36,  214, 215, 218,
                                                      219, 230, 231, 234, 235, 238, 239};
constexpr int FirstSettingCopy = 14;
constexpr int LastSettingCopy = 44;
constexpr int SettingCopyOffset = 50; // RAM 64..94 sit 50 above their copies

} // namespace

std::optional<int> ramAddressOfCopy(int eepromAddress) {
    if (eepromAddress >= 0 && eepromAddress < static_cast<int>(CalibrationRamAddresses.size()))
        return CalibrationRamAddresses.at(static_cast<size_t>(eepromAddress));
    if (eepromAddress >= FirstSettingCopy && eepromAddress <= LastSettingCopy)
        return eepromAddress + SettingCopyOffset;
    return std::nullopt;
}

void storeEepromCopies(ControllerMemory& memory) {
    for (int eeprom = 0; eeprom <= LastSettingCopy; ++eeprom)
        memory.setEeprom(eeprom, memory.ram(*ramAddressOfCopy(eeprom)));
}

void reloadFromEepromCopies(ControllerMemory& memory) {
    for (int eeprom = 0; eeprom <= LastSettingCopy; ++eeprom)
        memory.setRam(*ramAddressOfCopy(eeprom), memory.eeprom(eeprom));
}

} // namespace sim
