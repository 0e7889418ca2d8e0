#include "platform/qt/qtserialport.h"

#include <QFileInfo>
#include <QMetaObject>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

QtSerialPort::QtSerialPort(TickTimerSource& timers, const PortMap& ports, QObject* parent)
    : SerialPort(timers, parent), ports_(ports) {
    port_.setParent(this); // in the object tree, where a test finds it to raise its errors
    connect(&port_, &QSerialPort::errorOccurred, this, &QtSerialPort::onError);
    connect(&port_, &QIODevice::readyRead, this, &SerialPort::bytesArrived);
}

bool QtSerialPort::open() {
    if (port_.isOpen())
        port_.close();
    failing_ = false;
    port_.setPortName(deviceName());
    port_.setBaudRate(baud());
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!port_.open(QIODevice::ReadWrite)) {
        setFailure(openFailure(port_.error()));
        port_.clearError();
        return false;
    }
    // RTS off. A pseudo-terminal refuses the modem-line ioctls; that is no failure of an 8N1 link.
    port_.setRequestToSend(false);
    port_.clearError();
    setFailure({});
    return true;
}

void QtSerialPort::close() {
    if (port_.isOpen())
        port_.close();
}

void QtSerialPort::flushInput() {
    if (!port_.isOpen())
        return;
    port_.clear(QSerialPort::Input);
    port_.readAll();
}

void QtSerialPort::flushOutput() {
    if (port_.isOpen())
        port_.clear(QSerialPort::Output);
}

void QtSerialPort::putBytes(const QByteArray& bytes) {
    if (port_.isOpen())
        port_.write(bytes);
}

quint8 QtSerialPort::getChar() {
    char byte = 0;
    port_.getChar(&byte);
    return static_cast<quint8>(byte);
}

// Qt has no signal for a change of the line, so the caller asks on each tick.
std::optional<bool> QtSerialPort::carrierDetect() {
    if (!port_.isOpen())
        return std::nullopt;
    const QSerialPort::PinoutSignals lines = port_.pinoutSignals();
    if (port_.error() != QSerialPort::NoError) { // no modem lines, such as on a pseudo-terminal
        port_.clearError();
        return std::nullopt;
    }
    return lines.testFlag(QSerialPort::DataCarrierDetectSignal);
}

void QtSerialPort::onError(QSerialPort::SerialPortError error) {
    if (error != QSerialPort::ReadError && error != QSerialPort::ResourceError)
        return;
    if (failing_ || !port_.isOpen())
        return;
    if (error == QSerialPort::ReadError && !deviceVanished()) {
        port_.clearError();
        return;
    }
    // Close once, through a queued call, and report it.
    failing_ = true;
    setFailure({PortFault::StoppedAnswering, deviceName(), port_.errorString()});
    QMetaObject::invokeMethod(
        this,
        [this] {
            close();
            emit portFailed(failure());
        },
        Qt::QueuedConnection);
}

// A read that finds nothing is a failure only when the device has gone: then every read fails,
// one straight after the other. Once alone it is the port announcing bytes that a flush of the
// input took away before they were read.
bool QtSerialPort::deviceVanished() {
    constexpr int FloodWindowMs = 100;
    constexpr int FloodReads = 3;
#ifndef Q_OS_WIN
    if (!QFileInfo::exists(deviceName()))
        return true;
#endif
    if (!readErrorWindow_.isValid() || readErrorWindow_.elapsed() > FloodWindowMs) {
        readErrorWindow_.start();
        readErrorsInWindow_ = 0;
    }
    return ++readErrorsInWindow_ >= FloodReads;
}

PortFailure QtSerialPort::openFailure(QSerialPort::SerialPortError error) const {
    const QString device = deviceName();
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        return {PortFault::Missing, device, {}};
    case QSerialPort::PermissionError:
#ifndef Q_OS_WIN
        if (QFileInfo::exists(device) &&
            ::access(device.toLocal8Bit().constData(), R_OK | W_OK) != 0)
            return {PortFault::NoPermission, device, {}};
#endif
        return {PortFault::InUse, device, {}};
    default:
        return {PortFault::CannotOpen, device, port_.errorString()};
    }
}
