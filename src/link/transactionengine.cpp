#include "link/transactionengine.h"

#include "link/linktexts.h"
#include "link/modemlink.h"
#include "link/pacedwrites.h"
#include "link/readsequences.h"
#include "link/singlecommand.h"

TransactionEngine::TransactionEngine(LinkPorts& ports, LinkState& link, MemoryImage& image,
                                     AlarmUnitImage& alarmImage, LogReadFlags& log,
                                     StatusPanels& status, QObject* parent)
    : QObject(parent), ports_(ports), link_(link), image_(image), alarmImage_(alarmImage),
      log_(log), status_(status) {
    connect(&ports_.Comport1, &SerialPort::triggerTimer, this,
            &TransactionEngine::Comport1TriggerTimer);
    connect(&ports_.Comport2, &SerialPort::triggerTimer, this,
            &TransactionEngine::Comport2TriggerTimer);
    // Queued: a reply is handled after the send that asked for it has returned.
    connect(
        &ports_.Comport1, &SerialPort::bytesArrived, this,
        [this] { replyArrived(LinkPorts::Direct); }, Qt::QueuedConnection);
    connect(
        &ports_.Comport2, &SerialPort::bytesArrived, this,
        [this] { replyArrived(LinkPorts::Modem); }, Qt::QueuedConnection);
}

bool TransactionEngine::isBusy() const {
    return state_.Busy || (writes_ && writes_->isPacing());
}

void TransactionEngine::sendcommand(int kind, int address, int data) {
    sendframe(commandByteForKind(kind), address, data);
}

void TransactionEngine::sendframe(int command, int address, int data) {
    const FrameAddressing addressing{link_.SiteMode, link_.siteNumber};
    const QByteArray frame = buildframe(command, address, data, addressing, state_.writeEnable);
    const int port = ports_.linkPortId();
    ports_.CommSend(port, frame);
    openTransaction(port);
}

void TransactionEngine::awaitReply() {
    openTransaction(ports_.linkPortId());
}

void TransactionEngine::openTransaction(int port) {
    armReplyTrigger(port, DirectPollTicks);
    state_.ReplyPhase = false;
    state_.WaitState = 1;
    status_.setText(StatusPanels::Link, text(LinkText::RequestSent, link_.LanguageIndex));
    state_.Busy = true;
    state_.BusyWatchdog = WatchdogSeconds;
    state_.match.DataReceived = false;
}

void TransactionEngine::sendRead(int address) {
    dropLeftoverBytes();
    if (address >= MemoryImage::EepromBase)
        sendcommand(2, address - MemoryImage::EepromBase, 0);
    else
        sendcommand(1, address, 0);
}

// Whatever still waits is left over from an earlier reply (a garbled status leaves its data byte
// behind). Taken as this frame's reply it would shift every later reply by one frame, and at the
// next address two stale readings would agree on the previous address's byte. The bytes are
// taken rather than flushed, so that the trace shows them.
void TransactionEngine::dropLeftoverBytes() {
    const int port = ports_.linkPortId();
    while (ports_.port(port).charReady())
        ports_.CommReceive(port);
}

void TransactionEngine::openRead(int address) {
    state_.RetryCount = 0;
    state_.match.MatchCount = 0;
    startAddress();
    state_.StopReplyTimer = false;
    sendRead(address);
}

void TransactionEngine::endTransaction() {
    state_.Busy = false;
    state_.StopReplyTimer = true;
}

void TransactionEngine::startAddress() {
    state_.noDataReplies = 0;
}

void TransactionEngine::armReplyTrigger(int port, int ticks) {
    replyTriggers_[static_cast<size_t>(port)].arm(ports_.port(port), ticks);
}

void TransactionEngine::removeReplyTrigger(int port) {
    const bool removed = replyTriggers_[static_cast<size_t>(port)].remove(ports_.port(port));
    // Only the direct port's handler guards the removal and says so.
    if (!removed && port == LinkPorts::Direct)
        status_.setText(StatusPanels::Link, QString::fromUtf8(LinkText::BadHandle));
}

void TransactionEngine::Comport1TriggerTimer(int handle) {
    if (writes_ && writes_->triggerFired(LinkPorts::Direct, handle))
        return;
    if (replyTriggers_[LinkPorts::Direct].is(handle))
        replyTick(LinkPorts::Direct);
}

void TransactionEngine::Comport2TriggerTimer(int handle) {
    if (writes_ && writes_->triggerFired(LinkPorts::Modem, handle))
        return;
    if (modem_ && modem_->triggerFired(handle))
        return;
    if (replyTriggers_[LinkPorts::Modem].is(handle))
        replyTick(LinkPorts::Modem);
}

void TransactionEngine::replyTick(int port) {
    state_.StopReplyTimer = false;
    noDataFailure_ = false;
    if (single_)
        single_->followStep();
    takeReplyByte(port);
    if (single_ && single_->fillStepDue(state_.WaitState, state_.writeEnable.WriteEnablePending))
        single_->historyFillStep(port, state_.WaitState > 6 ? state_.ReplyStatus : -1);
    if (state_.WaitState < 6) {
        armReplyTrigger(port, port == LinkPorts::Direct ? DirectPollTicks : link_.pathTimeDelay);
        ++state_.WaitState;
    }
    if (state_.WaitState == 6)
        handleTimeout(port);
    if (state_.WaitState > 6)
        handleCompleteReply();
    finishTick(port);
}

// Fast replies: a read's reply that is complete is handled now and the next frame goes out at
// once; a reply still missing is left to the polls, so timeouts and retries are unchanged. So is
// a reply without a data byte: more of it may be on the way (a garbled status is followed by its
// data byte), and only the poll sees the line settled.
void TransactionEngine::replyArrived(int port) {
    if (!link_.fastReplies || !awaitsReadReplyOn(port))
        return;
    takeReplyByte(port);
    if (state_.WaitState != 7 || !state_.match.DataReceived)
        return;
    state_.StopReplyTimer = false;
    noDataFailure_ = false;
    handleCompleteReply();
    finishTick(port);
}

bool TransactionEngine::awaitsReadReplyOn(int port) const {
    return state_.Busy && state_.WaitState >= 1 && state_.WaitState < 6 &&
           replyTriggers_[static_cast<size_t>(port)].exists() &&
           sequencer_->state().ReadType > ReadKind::Single;
}

void TransactionEngine::finishTick(int port) {
    if (state_.StopReplyTimer)
        removeReplyTrigger(port);
    if (state_.WaitState == 6)
        status_.setText(StatusPanels::Link, text(LinkText::Timeout, link_.LanguageIndex));
    else if (noDataFailure_)
        status_.setText(StatusPanels::Link, text(LinkText::NoDataReply, link_.LanguageIndex));
    else
        status_.setText(StatusPanels::Link, QString::number(sequencer_->state().ReadNum));
}

void TransactionEngine::takeReplyByte(int port) {
    SerialPort& serial = ports_.port(port);
    if (!serial.charReady())
        return;
    const quint8 byte = ports_.CommReceive(port);
    if (state_.ReplyPhase) {
        state_.replyData = byte;
        state_.match.DataReceived = true;
    } else {
        state_.ReplyStatus = byte;
    }
    const bool siteReply = single_ && single_->awaitsSiteReply();
    if (!state_.ReplyPhase && state_.ReplyStatus == ReplyStatus::Value && !siteReply) {
        if (serial.charReady()) {
            state_.replyData = ports_.CommReceive(port);
            state_.match.DataReceived = true;
            state_.WaitState = 7;
        }
        state_.ReplyPhase = true;
    } else {
        state_.WaitState = 7;
    }
}

void TransactionEngine::handleTimeout(int port) {
    ++state_.RetryCount;
    if (state_.RetryCount >= TimeoutsPerAddress ||
        sequencer_->state().ReadType <= ReadKind::Single) {
        // A port closed under the read (the device went away) is told apart from silence.
        readfail(ports_.port(port).isOpen() ? ReadOutcome::Timeout : ReadOutcome::PortLost);
    } else {
        sequencer_->readnext();
    }
}

void TransactionEngine::handleCompleteReply() {
    state_.RetryCount = 0;
    if (sequencer_->state().ReadType != ReadKind::Single) {
        handleReadReply();
        return;
    }
    state_.Busy = false;
    state_.StopReplyTimer = true;
    if (single_)
        single_->replyComplete(state_.ReplyStatus, state_.replyData, state_.ReplyPhase);
    // A command that goes on (the new site number, an EEPROM write's own reply) keeps polling.
    if (state_.Busy)
        state_.StopReplyTimer = false;
}

void TransactionEngine::handleReadReply() {
    auto& match = state_.match;
    if (match.DataReceived) {
        // A reply taken as a read reply after the readings ran out is never stored.
        if (!recordReading(match, static_cast<std::uint8_t>(state_.replyData))) {
            readfail(ReadOutcome::Mismatch);
            return;
        }
        state_.noDataReplies = 0;
    } else if (++state_.noDataReplies >= MaxNoDataReplies) {
        readfail(ReadOutcome::NoData);
        return;
    }

    if (datamatch(match)) {
        acceptReading();
    } else if (match.DataReceived && ++match.MatchCount > MatchState::LastSlot) {
        // The read is over: no further frame, and the link is free for the next one.
        readfail(ReadOutcome::Mismatch);
        return;
    }
    if (sequencer_->state().ReadNum < 1)
        sequencer_->readdone();
    else
        sequencer_->readnext();
}

void TransactionEngine::acceptReading() {
    const int address = sequencer_->readadd();
    const auto value = static_cast<std::uint8_t>(state_.replyData);
    if (sequencer_->state().ReadType == ReadKind::AlarmUnit)
        alarmImage_.storeReading(address - MemoryImage::EepromBase, value);
    else if (address >= 0)
        image_.storeReading(address, value);
    state_.match.MatchCount = 0;
    startAddress();
    sequencer_->positionAccepted();
}

void TransactionEngine::readfail(ReadOutcome reason) {
    noDataFailure_ = reason == ReadOutcome::NoData;
    state_.StopReplyTimer = true;
    emit beep(3);
    state_.Busy = false;
    if (single_ && sequencer_->state().ReadType == ReadKind::Single)
        single_->failed();
    sequencer_->endInFailure(reason);
}

void TransactionEngine::abortRead(int port, ReadOutcome reason) {
    // A paced write awaits no reply: there is no read to end.
    const bool writing = writes_ && writes_->isPacing();
    if (!state_.Busy || writing || sequencer_->state().ReadType == 0)
        return;
    readfail(reason);
    removeReplyTrigger(port);
}

void TransactionEngine::comfail() {
    state_.Busy = false;
    status_.setText(StatusPanels::Link, text(LinkText::CommFail, link_.LanguageIndex));
    const auto requester = static_cast<Requester>(sequencer_->state().Requester);
    if (requester == Requester::MainWindow)
        log_.LogPending = false;
    emit commFailed(requester);
    emit beep(1);
}

void TransactionEngine::watchdogStep() {
    if (state_.BusyWatchdog > WatchdogSeconds)
        state_.BusyWatchdog = WatchdogSeconds;
    if (state_.BusyWatchdog < 1)
        state_.Busy = false;
    else
        --state_.BusyWatchdog;
}
