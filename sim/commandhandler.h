#pragma once

#include "sim/controllermemory.h"
#include "sim/frame.h"

#include <QByteArray>

namespace sim {

namespace Status {
constexpr quint8 Value = 200;
constexpr quint8 Done = 201;
constexpr quint8 WriteNotEnabled = 243; // error 3
} // namespace Status

// Carries out a frame addressed to this device and returns its reply (empty: none). A controller
// takes an EEPROM write only right after the write enable; the alarm unit takes it at once.
QByteArray executeFrame(const Frame& frame, ControllerMemory& memory,
                        bool eepromNeedsEnable = true);

} // namespace sim
