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

// Carries out a frame addressed to this controller and returns its reply (empty: none).
QByteArray executeFrame(const Frame& frame, ControllerMemory& memory);

} // namespace sim
