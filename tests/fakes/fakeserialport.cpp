#include "fakeserialport.h"

bool FakeSerialPort::open() {
    ++openCount;
    if (failOpen) {
        setFailure({PortFault::CannotOpen, QStringLiteral("fake"), QStringLiteral("refused")});
        return false;
    }
    open_ = true;
    return true;
}

void FakeSerialPort::putBytes(const QByteArray& bytes) {
    if (!open_)
        return;
    sent.append(bytes);
    emit bytesSent(bytes);
}

quint8 FakeSerialPort::getChar() {
    const auto byte = static_cast<quint8>(input_.at(0));
    input_.remove(0, 1);
    return byte;
}

void FakeSerialPort::queueInput(const QByteArray& bytes) {
    input_.append(bytes);
    emit bytesArrived();
}
