#pragma once

#include "platform/portmap.h"
#include "platform/serialport.h"

#include <QElapsedTimer>
#include <QSerialPort>

// A real serial port (or pseudo-terminal) through QSerialPort, 8N1 without flow control.
class QtSerialPort : public SerialPort {
    Q_OBJECT
public:
    QtSerialPort(TickTimerSource& timers, const PortMap& ports, QObject* parent = nullptr);

    bool open() override;
    void close() override;
    bool isOpen() const override { return port_.isOpen(); }
    void flushInput() override;
    void flushOutput() override;
    void putBytes(const QByteArray& bytes) override;
    bool charReady() const override { return port_.isOpen() && port_.bytesAvailable() > 0; }
    quint8 getChar() override;
    std::optional<bool> carrierDetect() override;
    QByteArray peekInput() override { return port_.peek(port_.bytesAvailable()); }

    QString deviceName() const { return ports_.deviceFor(comNumber()); }

private:
    void onError(QSerialPort::SerialPortError error);
    bool deviceVanished();
    PortFailure openFailure(QSerialPort::SerialPortError error) const;

    const PortMap& ports_;
    QSerialPort port_;
    bool failing_ = false;
    QElapsedTimer readErrorWindow_;
    int readErrorsInWindow_ = 0;
};
