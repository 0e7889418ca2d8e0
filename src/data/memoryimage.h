#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>

// What has been read of the controller, indexed by controller address: 0..255 RAM,
// 256..511 EEPROM address + 256. All zero at start.
class MemoryImage {
public:
    static constexpr int Size = 512;
    static constexpr int EepromBase = 256;

    std::uint8_t at(int address) const { return bytes_.at(static_cast<std::size_t>(address)); }
    void store(int address, std::uint8_t value) {
        bytes_.at(static_cast<std::size_t>(address)) = value;
    }
    // A byte the controller sent and the engine accepted: stored, and remembered as read, so
    // that what was really read can be told from what the image merely holds.
    void storeReading(int address, std::uint8_t value) {
        store(address, value);
        read_.set(static_cast<std::size_t>(address));
    }
    bool wasRead(int address) const { return read_.test(static_cast<std::size_t>(address)); }
    // Little-endian 16-bit value of the pair low, low + 1.
    int word(int lowAddress) const { return at(lowAddress) + 256 * at(lowAddress + 1); }
    void clear() {
        bytes_.fill(0);
        read_.reset();
    }
    const std::array<std::uint8_t, Size>& bytes() const { return bytes_; }
    // A loaded settings file: none of its bytes was read from the controller.
    void replaceAll(const std::array<std::uint8_t, Size>& bytes) {
        bytes_ = bytes;
        read_.reset();
    }

private:
    std::array<std::uint8_t, Size> bytes_{};
    std::bitset<Size> read_;
};

// The alarm unit's EEPROM 0..20.
class AlarmUnitImage {
public:
    static constexpr int Size = 21;
    std::uint8_t at(int index) const { return bytes_.at(static_cast<std::size_t>(index)); }
    void store(int index, std::uint8_t value) {
        bytes_.at(static_cast<std::size_t>(index)) = value;
    }
    // A byte the unit sent, remembered as read like those of the controller's image.
    void storeReading(int index, std::uint8_t value) {
        store(index, value);
        read_.set(static_cast<std::size_t>(index));
    }
    bool wasRead(int index) const { return read_.test(static_cast<std::size_t>(index)); }
    const std::array<std::uint8_t, Size>& bytes() const { return bytes_; }

private:
    std::array<std::uint8_t, Size> bytes_{};
    std::bitset<Size> read_;
};

// Current and status: set when a read sequence of the kind ends (also in failure); nothing clears
// them. Settings pages 1..5 (index 0..4) and calibration: set once drawn from a read that did not
// fail, or when a settings file is loaded; cleared when the site changes or a modem connection
// ends.
struct DataValidFlags {
    bool CurrentDataValid = false;
    bool StatusDataValid = false;
    std::array<bool, 5> SettingsPageValid{};
    bool CalibrationValid = false;

    // The settings pages and the calibration have to be read again before they are shown.
    void forgetSettings() {
        SettingsPageValid.fill(false);
        CalibrationValid = false;
    }
};
