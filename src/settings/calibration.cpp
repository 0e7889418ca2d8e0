#include "settings/calibration.h"

#include "data/controlleraddresses.h"

#include <algorithm>

namespace {

// A typed value that is no number reads as this, which no range admits.
constexpr int NotANumber = 260;

constexpr std::array<int, 14> RamByIndex{33,  34,  35,  36,  214, 215, 218,
                                         219, 230, 231, 234, 235, 238, 239};

bool sharesSignByte(int channel) {
    return channel < 3;
}

int nibbleAddress(int channel) {
    return ControllerAddress::FirstCalibrationNibbles + channel;
}

bool bitSet(int byte, int bit) {
    return (byte >> bit & 1) != 0;
}

int typedValue(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : NotANumber;
}

std::uint8_t withBit(int byte, int bit, bool set) {
    return static_cast<std::uint8_t>(set ? byte | (1 << bit) : byte & ~(1 << bit));
}

// Channels 0..2: the value's low four bits into one nibble, its sign into byte 33. The gain's
// sign bit is set for values of 0 and more; the offset's the other way round.
void storeNibbleValue(MemoryImage& image, int channel, CalibrationPart part, int value) {
    const int address = nibbleAddress(channel);
    const int old = image.at(address);
    const int bits = value & 15;
    const bool gain = part == CalibrationPart::Gain;
    image.store(address,
                static_cast<std::uint8_t>(gain ? (old & 240) | bits : (old & 15) | bits << 4));
    const int signBit = gain ? channel : 4 + channel;
    const bool set = gain ? value >= 0 : value < 0;
    image.store(ControllerAddress::CalibrationSigns,
                withBit(image.at(ControllerAddress::CalibrationSigns), signBit, set));
}

} // namespace

int calibrationRamAddress(int nonVolatileIndex) {
    return RamByIndex.at(static_cast<std::size_t>(nonVolatileIndex));
}

int calibrationIndex(int channel, CalibrationPart part) {
    if (sharesSignByte(channel))
        return channel + 1;
    return part == CalibrationPart::Gain ? 2 * channel - 1 : 2 * channel - 2;
}

int calibrationGain(const MemoryImage& image, int channel) {
    if (sharesSignByte(channel)) {
        const int n = image.at(nibbleAddress(channel)) & 15;
        return bitSet(image.at(ControllerAddress::CalibrationSigns), channel) ? n : n - 16;
    }
    const int address = calibrationRamAddress(calibrationIndex(channel, CalibrationPart::Gain));
    return (image.at(address) & 63) - 32;
}

int calibrationOffset(const MemoryImage& image, int channel) {
    if (sharesSignByte(channel)) {
        const int n = image.at(nibbleAddress(channel)) >> 4;
        return bitSet(image.at(ControllerAddress::CalibrationSigns), 4 + channel) ? n - 16 : n;
    }
    const int address = calibrationRamAddress(calibrationIndex(channel, CalibrationPart::Offset));
    return static_cast<std::int8_t>(image.at(address));
}

int calibrationValue(const MemoryImage& image, int channel, CalibrationPart part) {
    return part == CalibrationPart::Gain ? calibrationGain(image, channel)
                                         : calibrationOffset(image, channel);
}

QString calibrationText(int value) {
    return value >= 0 ? QLatin1Char(' ') + QString::number(value) : QString::number(value);
}

std::optional<int> storeCalibrationGain(MemoryImage& image, int channel, const QString& text) {
    const int typed = typedValue(text);
    if (typed == NotANumber)
        return std::nullopt;
    const int limit = sharesSignByte(channel) ? 16 : 32;
    const int value = std::clamp(typed, -limit, limit - 1);
    if (sharesSignByte(channel))
        storeNibbleValue(image, channel, CalibrationPart::Gain, value);
    else
        image.store(calibrationRamAddress(calibrationIndex(channel, CalibrationPart::Gain)),
                    static_cast<std::uint8_t>(value + 32));
    return value;
}

std::optional<int> storeCalibrationOffset(MemoryImage& image, int channel, const QString& text) {
    const int value = typedValue(text);
    const int limit = sharesSignByte(channel) ? 16 : 128;
    if (value < -limit || value >= limit)
        return std::nullopt;
    if (sharesSignByte(channel))
        storeNibbleValue(image, channel, CalibrationPart::Offset, value);
    else
        image.store(calibrationRamAddress(calibrationIndex(channel, CalibrationPart::Offset)),
                    static_cast<std::uint8_t>(value & 255));
    return value;
}
