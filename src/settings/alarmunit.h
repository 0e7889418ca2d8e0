#pragma once

#include "data/memoryimage.h"

#include <QString>
#include <array>
#include <cstdint>

// The VXA alarm unit's 21 configuration bytes and the nine values the programmer shows for them:
// system voltage, baud rate, six voltage thresholds and a delay time or mode number.
namespace AlarmUnit {
constexpr int Rows = 9; // value rows 1..9
constexpr int VoltageRow = 1, BaudRow = 2, FirstThresholdRow = 3, LastThresholdRow = 8,
              DelayRow = 9;
constexpr int FirstThreshold = 8; // bytes 8..13 hold rows 3..8
constexpr int DelayByte = 14;
constexpr int ChecksumByte = 15;
constexpr int FirstConfigurationCopy = 16; // bytes 16..20: five copies of one byte
constexpr int ConfigurationCopies = 5;
} // namespace AlarmUnit

// The texts of value rows 1..9, as the grid shows them.
class AlarmUnitValues {
public:
    const QString& row(int row) const { return rows_.at(index(row)); }
    void setRow(int row, const QString& text) { rows_.at(index(row)) = text; }

private:
    static std::size_t index(int row) { return static_cast<std::size_t>(row - 1); }
    std::array<QString, AlarmUnit::Rows> rows_;
};

// What the image says: the nine texts and whether its checksum holds.
struct AlarmUnitDisplay {
    AlarmUnitValues values;
    bool checksumOk = false;
};

// The bytes a new programmer starts with: 12 V, 2400 baud, thresholds 11.2 .. 15.4 V, delay 0.
AlarmUnitImage defaultAlarmUnitImage();
// (sum of bytes 0..14) mod 256.
std::uint8_t alarmUnitChecksum(const AlarmUnitImage& image);
// The configuration byte: each bit set when more than two of the five copies have it.
int majorityConfiguration(const AlarmUnitImage& image);

// The image as the grid shows it.
AlarmUnitDisplay Vxatodis(const AlarmUnitImage& image);
// The shown values back into the image, with the configuration copies and the checksum; bytes
// 0..7 stay as they are.
void distovxa(const AlarmUnitValues& values, AlarmUnitImage& image);

// What a text typed into a value row becomes, as the row keeps and shows it.
QString normaliseAlarmUnitEntry(int row, const QString& typed);
