#include "sim/commandhandler.h"

#include "sim/addresses.h"
#include "sim/eepromcopies.h"

namespace sim {
namespace {

// The reset is only taken at this address; the client always sends it with data 0.
constexpr quint8 ResetAddress = 2;

QByteArray valueReply(quint8 value) {
    return QByteArray(1, static_cast<char>(Status::Value)).append(static_cast<char>(value));
}

QByteArray statusReply(quint8 status) {
    return QByteArray(1, static_cast<char>(status));
}

QByteArray writeEeprom(const Frame& frame, ControllerMemory& memory, bool needsEnable) {
    if (needsEnable && memory.ram(Ram::WriteEnable) != 1)
        return statusReply(Status::WriteNotEnabled);
    memory.setEeprom(frame.address, frame.data);
    return statusReply(Status::Done);
}

QByteArray processorReset(const Frame& frame, ControllerMemory& memory) {
    if (frame.address != ResetAddress)
        return {};
    reloadFromEepromCopies(memory);
    return statusReply(Status::Done);
}

QByteArray carryOut(const Frame& frame, ControllerMemory& memory, bool eepromNeedsEnable) {
    switch (frame.command) {
    case Command::ReadRam:
        return valueReply(memory.ram(frame.address));
    case Command::ReadEeprom:
        return valueReply(memory.eeprom(frame.address));
    case Command::Loopback:
        return valueReply(frame.data);
    case Command::WriteRam:
        memory.setRam(frame.address, frame.data);
        return statusReply(Status::Done);
    case Command::WriteEeprom:
        return writeEeprom(frame, memory, eepromNeedsEnable);
    case Command::ProcessorReset:
        return processorReset(frame, memory);
    default:
        return {};
    }
}

bool isWriteEnable(const Frame& frame) {
    return frame.command == Command::WriteRam && frame.address == Ram::WriteEnable;
}

} // namespace

// The enable holds for the very next frame only: whatever comes between it and the EEPROM
// write, a read included, withdraws it, and the EEPROM write itself uses it up.
QByteArray executeFrame(const Frame& frame, ControllerMemory& memory, bool eepromNeedsEnable) {
    QByteArray reply = carryOut(frame, memory, eepromNeedsEnable);
    if (!isWriteEnable(frame))
        memory.setRam(Ram::WriteEnable, 0);
    return reply;
}

} // namespace sim
