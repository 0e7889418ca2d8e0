#pragma once

#include "platform/portmap.h"
#include "platform/qt/qtserialport.h"
#include "platform/qt/tcpserialport.h"

// The port the link uses: on each open, the device behind the COM number decides whether the
// bytes go through a serial device (or pseudo-terminal) or a serial-over-network adapter
// ("tcp://HOST:PORT"). The timer triggers are this port's own, whichever carries the bytes.
class DevicePort : public SerialPort {
    Q_OBJECT
public:
    DevicePort(TickTimerSource& timers, const PortMap& ports, QObject* parent = nullptr);

    bool open() override;
    void close() override { carrier_->close(); }
    bool isOpen() const override { return carrier_->isOpen(); }
    void flushInput() override { carrier_->flushInput(); }
    void flushOutput() override { carrier_->flushOutput(); }
    void putBytes(const QByteArray& bytes) override { carrier_->putBytes(bytes); }
    bool charReady() const override { return carrier_->charReady(); }
    quint8 getChar() override { return carrier_->getChar(); }
    std::optional<bool> carrierDetect() override { return carrier_->carrierDetect(); }
    QByteArray peekInput() override { return carrier_->peekInput(); }

private:
    const PortMap& ports_;
    QtSerialPort serial_;
    TcpSerialPort network_;
    SerialPort* carrier_ = &serial_;
};
