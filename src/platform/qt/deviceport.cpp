#include "platform/qt/deviceport.h"

#include "platform/tcpaddress.h"

DevicePort::DevicePort(TickTimerSource& timers, const PortMap& ports, QObject* parent)
    : SerialPort(timers, parent), ports_(ports), serial_(timers, ports), network_(timers, ports) {
    for (SerialPort* carrier :
         {static_cast<SerialPort*>(&serial_), static_cast<SerialPort*>(&network_)}) {
        connect(carrier, &SerialPort::portFailed, this, [this](const PortFailure& failure) {
            setFailure(failure);
            emit portFailed(failure);
        });
        connect(carrier, &SerialPort::bytesArrived, this, &SerialPort::bytesArrived);
    }
}

bool DevicePort::open() {
    SerialPort* chosen = isTcpDevice(ports_.deviceFor(comNumber()))
                             ? static_cast<SerialPort*>(&network_)
                             : static_cast<SerialPort*>(&serial_);
    if (chosen != carrier_)
        carrier_->close();
    carrier_ = chosen;
    carrier_->setComNumber(comNumber());
    carrier_->setBaud(baud());
    const bool opened = carrier_->open();
    setFailure(carrier_->failure());
    return opened;
}
