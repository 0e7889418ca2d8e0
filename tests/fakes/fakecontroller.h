#pragma once

#include "fakeserialport.h"

#include "link/linkstate.h"

#include <QObject>
#include <array>

// A controller on a fake port that answers every read frame at once from its memory (image
// addressing: EEPROM reads at 256 and above), as status 200 and the byte.
inline void answerReadsFrom(FakeSerialPort& port, const LinkState& link,
                            const std::array<quint8, 512>& memory) {
    QObject::connect(&port, &FakeSerialPort::bytesSent, &port,
                     [&port, &link, memory](const QByteArray& frame) {
                         const int offset = link.SiteMode ? 1 : 0;
                         const auto command = static_cast<quint8>(frame.at(offset));
                         const auto address = static_cast<quint8>(frame.at(offset + 1));
                         const int index = command == 72 ? address + 256 : address;
                         port.queueInput(QByteArray().append(char(200)).append(
                             static_cast<char>(memory[static_cast<size_t>(index)])));
                     });
}
