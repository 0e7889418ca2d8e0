#include "link/transactionengine.h"

#include "link/linktexts.h"
#include "link/readsequences.h"

TransactionEngine::TransactionEngine(LinkPorts& ports, LinkState& link, MemoryImage& image,
                                     AlarmUnitImage& alarmImage, LogReadFlags& log,
                                     StatusPanels& status, QObject* parent)
    : QObject(parent), ports_(ports), link_(link), image_(image), alarmImage_(alarmImage),
      log_(log), status_(status) {
    connect(&ports_.Comport1, &SerialPort::triggerTimer, this,
            &TransactionEngine::Comport1TriggerTimer);
    connect(&ports_.Comport2, &SerialPort::triggerTimer, this,
            &TransactionEngine::Comport2TriggerTimer);
}

void TransactionEngine::sendcommand(int kind, int address, int data) {
    sendframe(commandByteForKind(kind), address, data);
}

void TransactionEngine::sendframe(int command, int address, int data) {
    const FrameAddressing addressing{link_.SiteMode, link_.siteNumber};
    const QByteArray frame = buildframe(command, address, data, addressing, state.writeEnable);
    const int port = ports_.linkPortId();
    ports_.CommSend(port, frame);
    armReplyTrigger(port, DirectPollTicks);
    state.ReplyPhase = false;
    state.WaitState = 1;
    status_.setText(StatusPanels::Link, text(LinkText::RequestSent, link_.LanguageIndex));
    state.Busy = true;
    state.BusyWatchdog = WatchdogSeconds;
    state.match.DataReceived = false;
}

void TransactionEngine::sendRead(int address) {
    if (address >= MemoryImage::EepromBase)
        sendcommand(2, address - MemoryImage::EepromBase, 0);
    else
        sendcommand(1, address, 0);
}

void TransactionEngine::startAddress() {
    state.noDataReplies = 0;
    state.lastFailure = ReadFailure::None;
}

void TransactionEngine::armReplyTrigger(int port, int ticks) {
    auto& trigger = replyTriggers_[static_cast<size_t>(port)];
    SerialPort& serial = ports_.port(port);
    if (!trigger.exists) {
        trigger.handle = serial.addTimerTrigger();
        trigger.exists = true;
    }
    serial.setTimerTrigger(trigger.handle, ticks);
}

void TransactionEngine::removeReplyTrigger(int port) {
    auto& trigger = replyTriggers_[static_cast<size_t>(port)];
    if (!trigger.exists)
        return;
    const bool removed = ports_.port(port).removeTimerTrigger(trigger.handle);
    // Only the direct port's handler guards the removal and says so.
    if (!removed && port == LinkPorts::Direct)
        status_.setText(StatusPanels::Link, QString::fromUtf8(LinkText::BadHandle));
    trigger.exists = false;
}

void TransactionEngine::Comport1TriggerTimer(int handle) {
    const auto& trigger = replyTriggers_[LinkPorts::Direct];
    if (trigger.exists && handle == trigger.handle)
        replyTick(LinkPorts::Direct);
}

void TransactionEngine::Comport2TriggerTimer(int handle) {
    const auto& trigger = replyTriggers_[LinkPorts::Modem];
    if (trigger.exists && handle == trigger.handle)
        replyTick(LinkPorts::Modem);
}

void TransactionEngine::replyTick(int port) {
    state.StopReplyTimer = false;
    noDataFailure_ = false;
    takeReplyByte(port);
    if (state.WaitState < 6) {
        armReplyTrigger(port, port == LinkPorts::Direct ? DirectPollTicks : link_.pathTimeDelay);
        ++state.WaitState;
    }
    if (state.WaitState == 6)
        handleTimeout();
    if (state.WaitState > 6)
        handleCompleteReply();
    if (state.StopReplyTimer)
        removeReplyTrigger(port);
    if (state.WaitState == 6)
        status_.setText(StatusPanels::Link, text(LinkText::Timeout, link_.LanguageIndex));
    else if (noDataFailure_)
        status_.setText(StatusPanels::Link, text(LinkText::NoDataReply, link_.LanguageIndex));
    else
        status_.setText(StatusPanels::Link, QString::number(state.ReadNum));
}

void TransactionEngine::takeReplyByte(int port) {
    SerialPort& serial = ports_.port(port);
    if (!serial.charReady())
        return;
    const quint8 byte = ports_.CommReceive(port);
    if (state.ReplyPhase) {
        state.replyData = byte;
        state.match.DataReceived = true;
    } else {
        state.ReplyStatus = byte;
    }
    if (!state.ReplyPhase && state.ReplyStatus == ReplyStatus::Value) {
        if (serial.charReady()) {
            state.replyData = ports_.CommReceive(port);
            state.match.DataReceived = true;
            state.WaitState = 7;
        }
        state.ReplyPhase = true;
    } else {
        state.WaitState = 7;
    }
}

void TransactionEngine::handleTimeout() {
    ++state.RetryCount;
    if (state.RetryCount >= TimeoutsPerAddress || state.ReadType <= ReadKind::Single) {
        state.lastFailure = ReadFailure::Timeout;
        readfail();
    } else {
        sequencer_->readnext();
    }
}

void TransactionEngine::handleCompleteReply() {
    state.RetryCount = 0;
    if (state.ReadType != ReadKind::Single) {
        handleReadReply();
        return;
    }
    emit singleCommandReply(state.ReplyPhase ? state.replyData : state.ReplyStatus,
                            state.ReplyPhase);
    state.Busy = false;
    state.StopReplyTimer = true;
}

void TransactionEngine::handleReadReply() {
    auto& match = state.match;
    if (match.DataReceived) {
        // A reply taken as a read reply after the readings ran out is never stored.
        if (match.MatchCount > MatchState::LastSlot) {
            failRead(ReadFailure::Mismatch);
            return;
        }
        match.MatchReadings[static_cast<size_t>(match.MatchCount)] =
            static_cast<std::uint8_t>(state.replyData);
        state.noDataReplies = 0;
    } else if (++state.noDataReplies >= MaxNoDataReplies) {
        failRead(ReadFailure::NoData);
        return;
    }

    if (datamatch(match)) {
        acceptReading();
    } else if (match.DataReceived && ++match.MatchCount > MatchState::LastSlot) {
        failRead(ReadFailure::Mismatch);
    }
    if (state.ReadNum < 1)
        sequencer_->readdone();
    else
        sequencer_->readnext();
}

void TransactionEngine::acceptReading() {
    const int address = sequencer_->readadd();
    const auto value = static_cast<std::uint8_t>(state.replyData);
    if (state.ReadType == ReadKind::AlarmUnit)
        alarmImage_.store(address - MemoryImage::EepromBase, value);
    else if (address >= 0)
        image_.storeReading(address, value);
    --state.ReadNum;
    state.match.MatchCount = 0;
    startAddress();
    sequencer_->readstep();
}

void TransactionEngine::failRead(ReadFailure reason) {
    state.lastFailure = reason;
    noDataFailure_ = reason == ReadFailure::NoData;
    readfail();
}

void TransactionEngine::readfail() {
    state.StopReplyTimer = true;
    state.ReadFailed = true;
    emit beep(3);
    state.Busy = false;
    sequencer_->readdone();
}

void TransactionEngine::comfail() {
    state.Busy = false;
    status_.setText(StatusPanels::Link, text(LinkText::CommFail, link_.LanguageIndex));
    if (state.Requester == static_cast<int>(Requester::MainWindow))
        log_.LogPending = false;
    emit commFailed(state.Requester);
    emit beep(1);
}

void TransactionEngine::watchdogStep() {
    if (state.BusyWatchdog > WatchdogSeconds)
        state.BusyWatchdog = WatchdogSeconds;
    if (state.BusyWatchdog < 1)
        state.Busy = false;
    else
        --state.BusyWatchdog;
}
