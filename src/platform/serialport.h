#pragma once

#include "platform/ticktimer.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <map>
#include <memory>
#include <vector>

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

    // Opens with the COM number and baud set; returns false and sets errorString() on failure.
    virtual bool open() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    virtual void flushInput() = 0;
    virtual void flushOutput() = 0;
    virtual void putBytes(const QByteArray& bytes) = 0;
    virtual bool charReady() const = 0;
    // Takes one received byte; only called after charReady() said one is there.
    virtual quint8 getChar() = 0;
    QString errorString() const { return errorString_; }

    // Timer triggers: add one, arm it for a number of ticks (fires once), remove it.
    int addTimerTrigger();
    void setTimerTrigger(int handle, int ticks);
    // Returns false for a handle that does not exist.
    bool removeTimerTrigger(int handle);
    bool hasTimerTrigger(int handle) const;

signals:
    void triggerTimer(int handle);
    // The port failed while in use (device gone); it has been closed.
    void portFailed(const QString& reason);

protected:
    void setErrorString(const QString& text) { errorString_ = text; }

private:
    TickTimerSource& timers_;
    std::map<int, std::unique_ptr<TickTimer>> triggers_;
    // Removed triggers are kept for reuse: a trigger is often removed from its own handler.
    std::vector<std::unique_ptr<TickTimer>> idle_;
    int nextHandle_ = 1;
    int comNumber_ = 1;
    int baud_ = 2400;
    QString errorString_;
};
