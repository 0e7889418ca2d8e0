#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <array>

namespace sim {

// The controller's RAM and EEPROM, addressed as well through the client's memory image index:
// RAM address for 0..255, EEPROM address + 256 for 256..511.
class ControllerMemory {
public:
    static constexpr int ImageSize = 512;
    static constexpr int EepromBase = 256;

    quint8 imageByte(int index) const { return bytes_.at(static_cast<size_t>(index)); }
    void setImageByte(int index, quint8 value) { bytes_.at(static_cast<size_t>(index)) = value; }

    quint8 ram(int address) const { return imageByte(address & 0xFF); }
    void setRam(int address, int value) { setImageByte(address & 0xFF, lowByte(value)); }
    quint8 eeprom(int address) const { return imageByte(EepromBase + (address & 0xFF)); }
    void setEeprom(int address, int value) {
        setImageByte(EepromBase + (address & 0xFF), lowByte(value));
    }

    // 16-bit counters are kept low byte first.
    int ramWord(int lowAddress) const { return ram(lowAddress) + 256 * ram(lowAddress + 1); }
    void setRamWord(int lowAddress, int value) {
        setRam(lowAddress, value);
        setRam(lowAddress + 1, value >> 8);
    }

    QByteArray image() const {
        return QByteArray(reinterpret_cast<const char*>(bytes_.data()), ImageSize);
    }

private:
    static quint8 lowByte(int value) { return static_cast<quint8>(value & 0xFF); }

    std::array<quint8, ImageSize> bytes_{};
};

} // namespace sim
