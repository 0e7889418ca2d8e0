#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// What "Test History" writes: thirty days of plausible records, and the byte layout of a day
// record in the controller's history (seven bytes a day).
namespace HistoryTestData {

constexpr int Days = 30;
constexpr int RecordSize = 7;
// The fill writes today's index, then every record byte: EEPROM 45, then 255 down to 46.
constexpr int TodayIndexAddress = 45;
constexpr int FillWrites = 1 + Days * RecordSize;

// One day of the table: voltages and float time in the controller's own units, amp-hours whole.
struct Day {
    int vmax, vmin, ftim, soc, in, out;
};

// The table's day, 0..29.
const Day& day(int index);
// The seven record bytes of a table day.
std::array<std::uint8_t, RecordSize> recordBytes(int index);
// The byte a fill writes at countdown position readNum (1..210, EEPROM readNum + 45): zero
// when clearing, else the table's.
std::uint8_t fillValue(int readNum, bool clear);

} // namespace HistoryTestData
