#pragma once

#include "platform/serialport.h"

#include <QByteArray>
#include <QList>

// An in-memory port for engine scenarios: records what is sent, hands out what the test queues.
class FakeSerialPort : public SerialPort {
    Q_OBJECT
public:
    using SerialPort::SerialPort;

    bool open() override;
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    void flushInput() override { input_.clear(); }
    void flushOutput() override {}
    void putBytes(const QByteArray& bytes) override;
    bool charReady() const override { return open_ && !input_.isEmpty(); }
    quint8 getChar() override;
    QByteArray peekInput() override { return input_; }
    std::optional<bool> carrierDetect() override { return open_ ? carrier : std::nullopt; }

    // Bytes the device "sent", waiting to be taken.
    void queueInput(const QByteArray& bytes);
    int pendingInput() const { return static_cast<int>(input_.size()); }
    // Each putBytes call, in order.
    QList<QByteArray> sent;
    bool failOpen = false;
    // The carrier-detect line; nothing plays a port without modem lines.
    std::optional<bool> carrier;
    int openCount = 0;

signals:
    void bytesSent(const QByteArray& bytes);

private:
    QByteArray input_;
    bool open_ = false;
};
