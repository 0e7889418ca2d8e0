#include "sim/linespeed.h"

#include <algorithm>
#include <array>
#include <utility>

namespace sim {
namespace {

constexpr std::array<std::pair<int, speed_t>, 12> Speeds{{
    {300, B300},
    {600, B600},
    {1200, B1200},
    {2400, B2400},
    {4800, B4800},
    {9600, B9600},
    {19200, B19200},
    {38400, B38400},
    {57600, B57600},
    {115200, B115200},
    {230400, B230400},
    {460800, B460800},
}};

} // namespace

std::optional<speed_t> terminalSpeed(int baud) {
    const auto row = std::find_if(Speeds.begin(), Speeds.end(),
                                  [baud](const auto& entry) { return entry.first == baud; });
    return row == Speeds.end() ? std::nullopt : std::optional(row->second);
}

int baudOfTerminalSpeed(speed_t speed) {
    const auto row = std::find_if(Speeds.begin(), Speeds.end(),
                                  [speed](const auto& entry) { return entry.second == speed; });
    return row == Speeds.end() ? 0 : row->first;
}

} // namespace sim
