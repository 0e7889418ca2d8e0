#include "link/historytestdata.h"

namespace HistoryTestData {
namespace {

constexpr std::array<Day, Days> Table{{
    {150, 114, 104, 100, 420, 120}, {143, 123, 0, 82, 480, 380},   {150, 124, 149, 85, 530, 430},
    {150, 124, 134, 74, 340, 440},  {132, 118, 0, 68, 210, 310},   {130, 116, 0, 62, 180, 280},
    {124, 120, 0, 55, 100, 200},    {131, 125, 0, 94, 390, 90},    {139, 127, 0, 92, 490, 190},
    {145, 125, 0, 81, 450, 490},    {150, 126, 127, 85, 550, 310}, {150, 122, 119, 68, 388, 588},
    {135, 122, 0, 74, 260, 250},    {136, 121, 0, 76, 210, 290},   {138, 120, 0, 77, 489, 410},
    {138, 118, 0, 72, 410, 440},    {150, 124, 124, 90, 490, 290}, {150, 125, 125, 91, 350, 250},
    {150, 120, 120, 83, 340, 440},  {139, 118, 0, 82, 410, 420},   {138, 116, 0, 73, 280, 480},
    {135, 119, 0, 84, 500, 300},    {134, 117, 0, 73, 190, 290},   {136, 120, 0, 75, 290, 230},
    {150, 118, 149, 66, 150, 450},  {150, 117, 134, 51, 140, 440}, {129, 114, 0, 44, 188, 388},
    {132, 116, 0, 47, 260, 270},    {150, 117, 126, 62, 270, 170}, {140, 120, 0, 71, 401, 301},
}};

} // namespace

const Day& day(int index) {
    return Table.at(static_cast<std::size_t>(index));
}

// The high nibbles of both amp-hour counts share the last byte, the load's on top.
std::array<std::uint8_t, RecordSize> recordBytes(int index) {
    const Day& d = day(index);
    return {static_cast<std::uint8_t>(d.vmax),
            static_cast<std::uint8_t>(d.vmin),
            static_cast<std::uint8_t>(d.ftim),
            static_cast<std::uint8_t>(d.soc),
            static_cast<std::uint8_t>(d.in % 256),
            static_cast<std::uint8_t>(d.out % 256),
            static_cast<std::uint8_t>(d.out / 256 * 16 + d.in / 256)};
}

std::uint8_t fillValue(int readNum, bool clear) {
    if (clear)
        return 0;
    const int dayIndex = (readNum - 1) / RecordSize;
    const int field = readNum - RecordSize * dayIndex; // 1..7
    return recordBytes(dayIndex).at(static_cast<std::size_t>(field - 1));
}

} // namespace HistoryTestData
