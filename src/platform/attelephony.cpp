#include "platform/attelephony.h"

AtTelephony::AtTelephony(SerialPort& port, PortMap& portMap, QObject* parent)
    : TelephonyDevice(parent), port_(port), portMap_(portMap) {
    connect(&port_, &SerialPort::triggerTimer, this, &AtTelephony::triggerFired);
}

void AtTelephony::dial(const QString& number) {
    if (!device_.isEmpty())
        portMap_.setRunDevice(port_.comNumber(), device_);
    if (!port_.isOpen() && !port_.open()) {
        emit TapiFail(QString());
        return;
    }
    emit TapiPortOpen();
    port_.flushInput();
    results_ = ModemResultScanner{};
    port_.putBytes("ATDT" + number.toLatin1() + "\r\n");
    call_ = Call::Dialling;
    arm(PollTicks);
}

// A call being dialled ends at once (any byte stops the modem dialling); one that is up needs
// the escape and the hang-up command first.
bool AtTelephony::cancelCall() {
    switch (call_) {
    case Call::Dialling:
        port_.putBytes("\r");
        endCall();
        port_.close();
        return true;
    case Call::Connected:
        call_ = Call::Escaping;
        arm(GuardTicks);
        return false;
    case Call::Idle:
        return true;
    case Call::Escaping:
    case Call::HangingUp:
    case Call::Releasing:
        return false;
    }
    return false;
}

void AtTelephony::triggerFired(int handle) {
    if (!trigger_.is(handle))
        return;
    if (call_ == Call::Dialling)
        readResults();
    else
        hangupStep();
}

void AtTelephony::readResults() {
    while (port_.charReady()) {
        const auto result = results_.feed(static_cast<char>(port_.getChar()));
        if (result == ModemResult::Connect) {
            endCall();
            call_ = Call::Connected;
            emit TapiConnect();
            return;
        }
        if (result && endsDial(*result)) {
            endCall();
            port_.close();
            emit TapiFail(modemResultText(*result));
            return;
        }
    }
    if (!port_.isOpen()) {
        endCall();
        emit TapiFail(modemResultText(ModemResult::NoCarrier));
        return;
    }
    arm(PollTicks);
}

void AtTelephony::hangupStep() {
    switch (call_) {
    case Call::Escaping:
        port_.putBytes("+++");
        call_ = Call::HangingUp;
        arm(GuardTicks);
        return;
    case Call::HangingUp:
        port_.putBytes("ATH0\r\n");
        call_ = Call::Releasing;
        arm(ReleaseTicks);
        return;
    default:
        endCall();
        port_.close();
        emit TapiPortClose();
        return;
    }
}

void AtTelephony::arm(int ticks) {
    trigger_.arm(port_, ticks);
}

void AtTelephony::endCall() {
    trigger_.remove(port_);
    call_ = Call::Idle;
}
