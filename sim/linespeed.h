#pragma once

#include <optional>
#include <termios.h>

namespace sim {

// The speed a serial port starts with until someone sets another.
constexpr int DefaultBaud = 2400;

// Baud rates a pseudo-terminal can carry in its settings, and back.
std::optional<speed_t> terminalSpeed(int baud);
// 0 when the settings hold a speed outside the table.
int baudOfTerminalSpeed(speed_t speed);

} // namespace sim
