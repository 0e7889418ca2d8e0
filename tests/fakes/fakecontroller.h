#pragma once

#include "fakeserialport.h"

#include "link/linkstate.h"

#include <QObject>
#include <QSet>
#include <array>

// A controller on a fake port that answers every read frame at once from its memory (image
// addressing: EEPROM reads at 256 and above), as status 200 and the byte; the silent addresses
// get no answer.
inline void answerReadsFrom(FakeSerialPort& port, const LinkState& link,
                            const std::array<quint8, 512>& memory,
                            const QSet<int>& silentAddresses = {}) {
    QObject::connect(&port, &FakeSerialPort::bytesSent, &port,
                     [&port, &link, memory, silentAddresses](const QByteArray& frame) {
                         const int offset = link.SiteMode ? 1 : 0;
                         const auto command = static_cast<quint8>(frame.at(offset));
                         const auto address = static_cast<quint8>(frame.at(offset + 1));
                         const int index = command == 72 ? address + 256 : address;
                         if (silentAddresses.contains(index))
                             return;
                         port.queueInput(QByteArray().append(char(200)).append(
                             static_cast<char>(memory[static_cast<size_t>(index)])));
                     });
}
