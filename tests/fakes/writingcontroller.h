#pragma once

#include "fakeserialport.h"

#include <QObject>
#include <QSet>
#include <array>

// A controller on a fake port (plain frames) that takes writes as a real one does and answers
// reads from what it holds: RAM writes land at once, an EEPROM write only right after the write
// enable (RAM 226 = 1). Writes to the lost addresses (image addressing) never arrive. An alarm
// unit takes its EEPROM writes without the write enable.
class WritingController : public QObject {
public:
    std::array<quint8, 512> memory{};
    QSet<int> lostWrites;
    bool eepromNeedsEnable = true;

    explicit WritingController(FakeSerialPort& port) : port_(port) {
        connect(&port, &FakeSerialPort::bytesSent, this, &WritingController::take);
    }

private:
    static constexpr int EnableAddress = 226;

    void take(const QByteArray& frame) {
        const auto command = static_cast<quint8>(frame.at(0));
        const auto address = static_cast<quint8>(frame.at(1));
        const auto data = static_cast<quint8>(frame.at(2));
        const bool enabled = enabled_;
        enabled_ = false;
        switch (command) {
        case 20:
        case 72: {
            const int index = command == 72 ? address + 256 : address;
            port_.queueInput(QByteArray().append(char(200)).append(char(memory[size_t(index)])));
            break;
        }
        case 152:
            enabled_ = address == EnableAddress && data == 1;
            if (!enabled_ && !lostWrites.contains(address))
                memory[address] = data;
            break;
        case 202:
            if ((enabled || !eepromNeedsEnable) && !lostWrites.contains(address + 256))
                memory[size_t(address + 256)] = data;
            break;
        default:
            break;
        }
    }

    FakeSerialPort& port_;
    bool enabled_ = false;
};
