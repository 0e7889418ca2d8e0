#include "platform/qt/qtserialport.h"

#include <QFileInfo>
#include <QMetaObject>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

QtSerialPort::QtSerialPort(TickTimerSource& timers, const PortMap& ports, QObject* parent)
    : SerialPort(timers, parent), ports_(ports) {
    connect(&port_, &QSerialPort::errorOccurred, this, &QtSerialPort::onError);
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
        setErrorString(openFailureText(port_.error()));
        port_.clearError();
        return false;
    }
    // RTS off. A pseudo-terminal refuses the modem-line ioctls; that is no failure of an 8N1 link.
    port_.setRequestToSend(false);
    port_.clearError();
    setErrorString({});
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

void QtSerialPort::onError(QSerialPort::SerialPortError error) {
    // A vanished device floods ReadError; close once, through a queued call, and report it.
    if (error != QSerialPort::ReadError && error != QSerialPort::ResourceError)
        return;
    if (failing_ || !port_.isOpen())
        return;
    failing_ = true;
    const QString reason =
        tr("%1: the device stopped answering (%2)").arg(deviceName(), port_.errorString());
    QMetaObject::invokeMethod(
        this,
        [this, reason] {
            close();
            emit portFailed(reason);
        },
        Qt::QueuedConnection);
}

QString QtSerialPort::openFailureText(QSerialPort::SerialPortError error) const {
    const QString device = deviceName();
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        return tr("%1 does not exist").arg(device);
    case QSerialPort::PermissionError:
#ifndef Q_OS_WIN
        if (QFileInfo::exists(device) &&
            ::access(device.toLocal8Bit().constData(), R_OK | W_OK) != 0)
            return tr("%1: permission denied; add your user to the dialout group "
                      "(sudo usermod -aG dialout $USER) and log in again")
                .arg(device);
#endif
        return tr("%1 is in use by another program").arg(device);
    default:
        return tr("%1 cannot be opened: %2").arg(device, port_.errorString());
    }
}
