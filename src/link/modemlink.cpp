#include "link/modemlink.h"

#include "link/modemtexts.h"
#include "link/transactionengine.h"

#include <algorithm>

namespace {
constexpr int CarrierPollTicks = 1;
}

ModemLink::ModemLink(LinkPorts& ports, LinkState& link, StatusPanels& status, DataValidFlags& valid,
                     LogReadFlags& log, TransactionEngine& engine, QObject* parent)
    : QObject(parent), ports_(ports), link_(link), status_(status), valid_(valid), log_(log),
      engine_(engine) {
    connect(&ports_, &LinkPorts::modemResult, this, &ModemLink::modemResult);
}

void ModemLink::useTelephony(TelephonyDevice* device) {
    if (tapi1_ != nullptr)
        tapi1_->disconnect(this);
    tapi1_ = device;
    if (device == nullptr)
        return;
    connect(device, &TelephonyDevice::TapiPortOpen, this, [this] { show(ModemText::TapiOpen); });
    connect(device, &TelephonyDevice::TapiConnect, this, &ModemLink::tapiConnect);
    connect(device, &TelephonyDevice::TapiPortClose, this, &ModemLink::tapiPortClose);
    connect(device, &TelephonyDevice::TapiFail, this, &ModemLink::tapiFail);
}

void ModemLink::reset() {
    state_ = ModemState{};
}

void ModemLink::show(const TextRow& row) {
    status_.setText(StatusPanels::Link, text(row, link_.LanguageIndex));
}

void ModemLink::dialup(DialCaller caller) {
    if (state_.HangupInProgress)
        return;
    // A read running on the direct port ends here instead of timing out on a closed port.
    if (link_.DirectMode)
        engine_.abortRead(LinkPorts::Direct, ReadOutcome::PortLost);
    if (ports_.Comport1.isOpen())
        ports_.Comport1.close();
    if (caller == DialCaller::Log)
        state_.LogDialRequested = true;
    if (!state_.ModemIdle) {
        if (state_.LogDialRequested && state_.LogDialCountdown < 1)
            state_.LogDialCountdown = CountdownSeconds;
        return;
    }
    state_.ModemIdle = false;
    link_.DirectMode = false;
    ports_.comstatusupdate();
    state_.ConnectCountdown = CountdownSeconds;
    if (caller == DialCaller::Log) {
        state_.LogDialCountdown = 0;
        log_.LogPending = true;
        state_.LogDialRequested = false;
    }
    const QString number = log_.LogPending ? settings.logNumber : settings.dialNumber;
    if (settings.Tapicheck && tapi1_ != nullptr) {
        link_.Dialling = true;
        show(ModemText::Dialing); // the device may tell at once that the call failed
        tapi1_->dial(number);
        return;
    }
    dialWithAtCommands(number);
}

// A modem port opened for the dial gets the set-up string first.
void ModemLink::dialWithAtCommands(const QString& number) {
    if (!ports_.Comport2.isOpen())
        nontapimodemsetup();
    if (!ports_.Comport2.isOpen()) {
        // Left in modem mode the link would have no connection and no way back but a restart.
        dialendset();
        show(ModemText::CantOpenCommPort);
        emit dialFailed(QString());
        return;
    }
    link_.Dialling = true;
    startCarrierWatch();
    const QByteArray command = settings.Pulsecheck ? "ATDP" : "ATDT";
    ports_.CommSend(LinkPorts::Modem, command + number.toLatin1() + "\r\n");
    show(ModemText::Dialing);
}

bool ModemLink::nontapimodemsetup() {
    ports_.portset2();
    if (!ports_.Comport2.isOpen()) {
        show(ModemText::CantOpenPort);
        return false;
    }
    ports_.Comport2.flushInput();
    ports_.Comport2.flushOutput();
    ports_.CommSend(LinkPorts::Modem, "AT" + settings.ModemSetString.toLatin1() + "\r\n");
    show(ModemText::ModemSetup);
    return true;
}

void ModemLink::HangupClick() {
    if (state_.HangupInProgress)
        return;
    state_.HangupRequested = false;
    if (!settings.Tapicheck || tapi1_ == nullptr) {
        if (!state_.ModemIdle && ports_.Comport2.isOpen()) {
            startHangupSteps();
            return;
        }
        // With the port gone there is nothing to hang up, but the link must not stay on it.
        if (!state_.ModemIdle)
            dialendset();
        show(ModemText::PortNotOpen);
        return;
    }
    stopCarrierWatch();
    if (tapi1_->cancelCall()) {
        show(ModemText::TapiClosed);
        dialendset();
    } else {
        state_.HangupInProgress = true;
        show(ModemText::WaitForClose);
    }
}

void ModemLink::startHangupSteps() {
    stopCarrierWatch();
    state_.HangupStep = 1;
    HangupTimer_.arm(ports_.Comport2, EscapeTicks);
    state_.HangupInProgress = true;
    show(ModemText::WaitForClose);
}

// The escape follows a guard time of silence, the hang-up command another, and the link is
// released once the modem has had time to put the line down.
void ModemLink::hangupStep() {
    switch (state_.HangupStep) {
    case 1:
        ports_.CommSend(LinkPorts::Modem, "+++");
        show(ModemText::Break);
        state_.HangupStep = 2;
        HangupTimer_.arm(ports_.Comport2, HangupTicks);
        break;
    case 2:
        ports_.CommSend(LinkPorts::Modem, "ATH0\r\n");
        show(ModemText::HangUp);
        state_.HangupStep = 3;
        HangupTimer_.arm(ports_.Comport2, ReleaseTicks);
        break;
    default:
        HangupTimer_.remove(ports_.Comport2);
        state_.HangupStep = 0;
        state_.HangupInProgress = false;
        show(ModemText::Closed);
        dialendset();
        break;
    }
}

void ModemLink::dialendset() {
    stopCarrierWatch();
    // A read over the connection that has ended cannot be finished.
    if (!link_.DirectMode)
        engine_.abortRead(LinkPorts::Modem, ReadOutcome::CarrierLost);
    link_.Dialling = false;
    link_.ModemConnected = false;
    log_.LogPending = false;
    state_.ModemIdle = true;
    link_.DirectMode = true;
    ports_.comstatusupdate();
    valid_.forgetSettings();
    emit connectionChanged(false);
}

void ModemLink::timerStep() {
    if (state_.HangupRequested)
        HangupClick();
    if (state_.LogDialCountdown >= 1) {
        state_.LogDialCountdown = std::min(state_.LogDialCountdown, CountdownSeconds) - 1;
        if (state_.ModemIdle)
            dialup(DialCaller::Log);
    } else {
        state_.LogDialRequested = false;
    }
    if (state_.ConnectCountdown > 0) {
        state_.ConnectCountdown = std::min(state_.ConnectCountdown, CountdownSeconds) - 1;
        if (state_.ConnectCountdown == 0 && log_.LogPending) {
            log_.LogPending = false;
            if (!state_.ModemIdle)
                state_.HangupRequested = true;
        }
    }
}

bool ModemLink::triggerFired(int handle) {
    if (HangupTimer_.is(handle)) {
        hangupStep();
        return true;
    }
    if (CarrierTrigger_.is(handle)) {
        watchCarrier();
        return true;
    }
    return false;
}

// The carrier is watched from the dial until the hang-up, on every tick: the line's carrier
// detect where the port has one, the modem's result codes where it has not.
void ModemLink::startCarrierWatch() {
    lastCarrier_ = false;
    carrierFromCodes_ = false;
    dialEnded_.reset();
    CarrierTrigger_.arm(ports_.Comport2, CarrierPollTicks);
}

void ModemLink::stopCarrierWatch() {
    CarrierTrigger_.remove(ports_.Comport2);
}

void ModemLink::watchCarrier() {
    // While no read runs, what the modem says is taken here. During a read the engine takes the
    // bytes one a poll, too slowly to see the line end before it gives the read up.
    if (engine_.isBusy() && ports_.Comport2.peekInput().contains("NO CARRIER"))
        carrierFromCodes_ = false;
    while (!engine_.isBusy() && ports_.Comport2.charReady())
        ports_.CommReceive(LinkPorts::Modem);
    if (dialEnded_ && link_.Dialling) {
        failDial(modemResultText(*dialEnded_));
        return;
    }
    const bool open = ports_.Comport2.isOpen();
    const bool carrier = open && ports_.Comport2.carrierDetect().value_or(carrierFromCodes_);
    CarrierTrigger_.arm(ports_.Comport2, CarrierPollTicks);
    if (carrier != lastCarrier_ || !open) {
        lastCarrier_ = carrier;
        Comport2TriggerModemStatus(carrier);
    }
}

void ModemLink::modemResult(ModemResult result) {
    if (result == ModemResult::Connect)
        carrierFromCodes_ = true;
    if (result == ModemResult::NoCarrier)
        carrierFromCodes_ = false;
    if (link_.Dialling && endsDial(result))
        dialEnded_ = result;
}

void ModemLink::Comport2TriggerModemStatus(bool carrier) {
    if (carrier && link_.Dialling) {
        connectionUp(ModemText::Carrier);
        ports_.CommSend(LinkPorts::Modem, "ATO");
    } else if (!carrier && !state_.ModemIdle) {
        carrierLost();
    }
}

void ModemLink::connectionUp(const TextRow& status) {
    link_.Dialling = false;
    link_.ModemConnected = true;
    emit connectionChanged(true);
    show(status);
    if (log_.LogPending)
        emit logConnectionUp();
}

// Nothing more is read over a connection that has gone; the next tick of the main window's
// timer hangs up.
void ModemLink::carrierLost() {
    stopCarrierWatch();
    state_.HangupRequested = true;
    if (link_.ModemConnected) {
        link_.ModemConnected = false;
        engine_.abortRead(LinkPorts::Modem, ReadOutcome::CarrierLost);
    }
    show(ModemText::CarrierLost);
}

void ModemLink::failDial(const QString& resultCode) {
    dialendset();
    status_.setText(StatusPanels::Link,
                    text(ModemText::CallFailed, link_.LanguageIndex).arg(resultCode));
    emit dialFailed(resultCode);
}

void ModemLink::tapiConnect() {
    ports_.Comport2.flushInput();
    ports_.Comport2.flushOutput();
    connectionUp(ModemText::Connected);
    startCarrierWatch();
    lastCarrier_ = true;
    carrierFromCodes_ = true;
}

void ModemLink::tapiPortClose() {
    show(ModemText::TapiClosed);
    state_.HangupInProgress = false;
    dialendset();
}

// No result code: the device could not open the modem port.
void ModemLink::tapiFail(const QString& resultCode) {
    state_.HangupInProgress = false;
    if (!resultCode.isEmpty()) {
        failDial(resultCode);
        return;
    }
    dialendset();
    show(ModemText::CantOpenCommPort);
    emit dialFailed(resultCode);
}
