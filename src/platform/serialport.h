#pragma once

#include "platform/ticktimer.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <map>
#include <memory>
#include <optional>
#include <vector>

// Why a port could not be opened, or stopped working while in use. The link words it in the
// user's language; detail is the system's own account, in whatever language the system speaks.
enum class PortFault {
    None,
    Missing,          // no such device
    InUse,            // another program has it open
    NoPermission,     // the user may not open it
    CannotOpen,       // any other refusal to open
    StoppedAnswering, // the device went away while in use
    BadAddress,       // a network port whose address is not tcp://HOST:PORT
    Refused,          // the network port refused the connection
    Unreachable,      // the network port could not be reached
    Dropped,          // the network port's connection ended while in use
};

struct PortFailure {
    PortFault fault = PortFault::None;
    QString device;
    QString detail;
};

// One serial port as the link uses it: COM number, baud, 8N1 framing, open/close, buffer flushes,
// byte output and single-byte input, and timer triggers counted in ticks.
// Implementations provide the byte transport; the timer triggers are common to all of them.
class SerialPort : public QObject {
    Q_OBJECT
public:
    explicit SerialPort(TickTimerSource& timers, QObject* parent = nullptr);
    ~SerialPort() override;

    void setComNumber(int number) { comNumber_ = number; }
    int comNumber() const { return comNumber_; }
    void setBaud(int baud) { baud_ = baud; }
    int baud() const { return baud_; }

    // Opens with the COM number and baud set; returns false and sets failure() on failure.
    virtual bool open() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    virtual void flushInput() = 0;
    virtual void flushOutput() = 0;
    virtual void putBytes(const QByteArray& bytes) = 0;
    virtual bool charReady() const = 0;
    // Takes one received byte; only called after charReady() said one is there.
    virtual quint8 getChar() = 0;
    // The carrier-detect line, or nothing on a port without modem lines (a pseudo-terminal, a
    // network port): the modem's result codes then tell whether a call is up.
    virtual std::optional<bool> carrierDetect() { return std::nullopt; }
    // The received bytes not yet taken, left where they are.
    virtual QByteArray peekInput() = 0;
    // Why the last open failed or the port failed in use; fault None after a good open.
    const PortFailure& failure() const { return failure_; }

    // Timer triggers: add one, arm it for a number of ticks (fires once), remove it.
    int addTimerTrigger();
    void setTimerTrigger(int handle, int ticks);
    // Returns false for a handle that does not exist.
    bool removeTimerTrigger(int handle);
    bool hasTimerTrigger(int handle) const;

signals:
    void triggerTimer(int handle);
    // Received bytes have arrived and wait to be taken (not emitted from inside putBytes).
    void bytesArrived();
    // The port failed while in use (device gone, connection ended); it has been closed.
    void portFailed(const PortFailure& failure);

protected:
    void setFailure(const PortFailure& failure) { failure_ = failure; }

private:
    TickTimerSource& timers_;
    std::map<int, std::unique_ptr<TickTimer>> triggers_;
    // Removed triggers are kept for reuse: a trigger is often removed from its own handler.
    std::vector<std::unique_ptr<TickTimer>> idle_;
    int nextHandle_ = 1;
    int comNumber_ = 1;
    int baud_ = 2400;
    PortFailure failure_;
};
