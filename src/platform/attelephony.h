#pragma once

#include "platform/modemresultcodes.h"
#include "platform/portmap.h"
#include "platform/porttrigger.h"
#include "platform/serialport.h"
#include "platform/telephony.h"

// The telephony device made of AT commands: it opens the modem port (on the selected device,
// when one is selected), dials with ATDT, reads the modem's result codes for the outcome, and
// ends a call with the escape and ATH0 after their guard times before closing the port.
class AtTelephony : public TelephonyDevice {
    Q_OBJECT
public:
    static constexpr int PollTicks = 1, GuardTicks = 30, ReleaseTicks = 50;

    AtTelephony(SerialPort& port, PortMap& portMap, QObject* parent = nullptr);

    void dial(const QString& number) override;
    bool cancelCall() override;
    QString selectedDevice() const override { return device_; }
    void setSelectedDevice(const QString& device) override { device_ = device; }

private:
    enum class Call { Idle, Dialling, Connected, Escaping, HangingUp, Releasing };

    void triggerFired(int handle);
    void readResults();
    void hangupStep();
    void arm(int ticks);
    void endCall();

    SerialPort& port_;
    PortMap& portMap_;
    QString device_;
    Call call_ = Call::Idle;
    PortTrigger trigger_;
    ModemResultScanner results_;
};
