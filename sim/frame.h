#pragma once

#include <QtGlobal>

namespace sim {

namespace Command {
constexpr quint8 ReadRam = 20;
constexpr quint8 ReadEeprom = 72;
constexpr quint8 WriteRam = 152;
constexpr quint8 WriteEeprom = 202;
constexpr quint8 Loopback = 187;
constexpr quint8 ProcessorReset = 87;
} // namespace Command

constexpr bool isKnownCommand(quint8 command) {
    return command == Command::ReadRam || command == Command::ReadEeprom ||
           command == Command::WriteRam || command == Command::WriteEeprom ||
           command == Command::Loopback || command == Command::ProcessorReset;
}

// One frame as received; site is -1 for a plain frame.
struct Frame {
    quint8 command = 0;
    quint8 address = 0;
    quint8 data = 0;
    int site = -1;

    friend bool operator==(const Frame&, const Frame&) = default;
};

} // namespace sim
