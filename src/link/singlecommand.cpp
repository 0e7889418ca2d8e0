#include "link/singlecommand.h"

#include "link/commandframe.h"
#include "link/historytestdata.h"
#include "link/readsequences.h"
#include "link/transactionengine.h"

#include <QRandomGenerator>
#include <utility>

namespace {

constexpr int LoopbackKind = 5;
constexpr int EepromWriteKind = 4;
constexpr int ErrorBase = 240;

bool isErrorStatus(int status) {
    return status > ErrorBase && status <= 255 && status != ReplyStatus::SiteAcknowledge;
}

bool isHistoryFill(SingleEntry entry) {
    return entry == SingleEntry::ClearHistory || entry == SingleEntry::TestHistory;
}

} // namespace

SingleCommands::SingleCommands(TransactionEngine& engine, ReadSequencer& sequencer,
                               LinkPorts& ports, LinkState& link, QObject* parent)
    : QObject(parent), engine_(engine), sequencer_(sequencer), ports_(ports), link_(link),
      siteKeySource_([] { return QRandomGenerator::global()->bounded(255); }) {}

ReadStart SingleCommands::singsendClick(SingleEntry entry, int address, int data) {
    const bool fill = isHistoryFill(entry);
    if (const ReadStart start =
            sequencer_.beginSingleCommand(fill ? HistoryTestData::FillWrites : 0);
        start != ReadStart::Started)
        return start;
    state_ = SingleCommandState{};
    state_.entry = entry;
    siteData_ = data;
    fillEnded_ = false;
    fillFramesSent_ = 0;
    fillRepliesTaken_ = 0;
    WriteEnableState& enable = engine_.writeEnable();
    enable.WriteEnablePending = 0;
    if (entry == SingleEntry::WriteEeprom || fill) {
        state_.EepromWriteFollow = true;
        enable.WriteEnablePending = 1;
    }
    if (fill) {
        state_.HistoryFill = true;
        state_.HistoryClear = entry == SingleEntry::ClearHistory;
        sendFillFrame(EepromWriteKind, HistoryTestData::TodayIndexAddress, 0);
    } else if (entry == SingleEntry::SetSite) {
        state_.SiteSetPending = true;
        state_.SiteKey = siteKeySource_();
        engine_.sendcommand(LoopbackKind, SiteKeyAddress, state_.SiteKey);
    } else {
        engine_.sendcommand(static_cast<int>(entry) + 1, address, data);
    }
    return ReadStart::Started;
}

void SingleCommands::followStep() {
    WriteEnableState& enable = engine_.writeEnable();
    if (!state_.EepromWriteFollow || enable.WriteEnablePending <= 0)
        return;
    --enable.WriteEnablePending;
    if (state_.HistoryFill) {
        sendFillFrame(enable.StashedKind, enable.StashedAddress, enable.StashedData);
    } else {
        engine_.sendcommand(enable.StashedKind, enable.StashedAddress, enable.StashedData);
        state_.EepromWriteFollow = false;
        state_.enableReplyAwaited = true;
    }
}

bool SingleCommands::fillStepDue(int waitState, int writeEnablePending) const {
    return state_.HistoryFill && waitState > 4 && writeEnablePending == 0;
}

// Writes the next record byte through its own write enable, EEPROM 255 down to 46; after the
// last the fill is over. `replyStatus` is -1 when the step comes after polls without a reply.
void SingleCommands::historyFillStep(int port, int replyStatus) {
    noteFillReply(replyStatus);
    // Every frame of the fill is answered: the replies already in are all looked at.
    while (ports_.port(port).charReady())
        noteFillReply(ports_.CommReceive(port));
    sequencer_.positionAccepted();
    const int readNum = sequencer_.state().ReadNum;
    if (readNum >= 1) {
        engine_.writeEnable().WriteEnablePending = 1;
        sendFillFrame(EepromWriteKind, readNum + HistoryTestData::TodayIndexAddress,
                      HistoryTestData::fillValue(readNum, state_.HistoryClear));
        return;
    }
    endFill();
}

// The last writes may still be on their way: the fill is over once they are answered.
void SingleCommands::endFill() {
    state_.HistoryFill = false;
    state_.HistoryClear = false;
    state_.EepromWriteFollow = false;
    fillEnded_ = true;
    if (fillRepliesTaken_ < fillFramesSent_)
        engine_.awaitReply();
    else
        engine_.endTransaction();
}

void SingleCommands::sendFillFrame(int kind, int address, int data) {
    ++fillFramesSent_;
    engine_.sendcommand(kind, address, data);
}

void SingleCommands::noteFillReply(int status) {
    if (status < 0)
        return;
    ++fillRepliesTaken_;
    if (state_.fillError == 0 && isErrorStatus(status))
        state_.fillError = status;
}

// The command is not over while frames it sent are still to be answered: the last writes of a
// fill, or an EEPROM write whose write enable was answered without an error.
bool SingleCommands::awaitingFurtherReply(int status) {
    if (fillEnded_) {
        noteFillReply(status);
        return fillRepliesTaken_ < fillFramesSent_;
    }
    return std::exchange(state_.enableReplyAwaited, false) && !isErrorStatus(status);
}

void SingleCommands::replyComplete(int status, int data, bool dataReceived) {
    if (awaitingFurtherReply(status)) {
        engine_.awaitReply();
        return;
    }
    // A fill shows the first write the controller refused, else its last reply.
    if (std::exchange(fillEnded_, false) && state_.fillError != 0)
        status = state_.fillError;
    SingleReply reply;
    reply.status = status;
    reply.value = dataReceived ? data : status;
    if (state_.entry == SingleEntry::WriteRam || state_.entry == SingleEntry::WriteEeprom)
        reply.shown = SingleReply::Shown::Nothing;
    if (std::exchange(state_.SiteSetAck, false) && link_.SiteMode)
        reply.caption = SingleReply::Caption::Site;
    if (state_.entry == SingleEntry::Loopback && link_.SiteMode)
        reply.caption = SingleReply::Caption::Site;
    if (state_.SiteSetPending && status == ReplyStatus::SiteAcknowledge) {
        state_.SiteSetPending = false;
        state_.SiteSetAck = true;
        reply.shown = SingleReply::Shown::SendingSite;
        engine_.sendcommand(LoopbackKind, state_.SiteKey, siteData_);
    } else if (isErrorStatus(status)) {
        reply.value = status - ErrorBase;
        reply.caption = SingleReply::Caption::Error;
        reply.shown = SingleReply::Shown::Value;
    }
    if (!state_.SiteSetAck)
        endCommand();
    emit replied(reply);
}

void SingleCommands::failed() {
    const bool siteExchange = state_.SiteSetAck;
    endCommand();
    if (siteExchange) {
        SingleReply reply;
        reply.shown = SingleReply::Shown::Failed;
        emit replied(reply);
    }
}

// Nothing of the command outlives it: later reads and commands start clean.
void SingleCommands::endCommand() {
    state_.EepromWriteFollow = false;
    state_.HistoryFill = false;
    state_.HistoryClear = false;
    state_.SiteSetPending = false;
    state_.SiteSetAck = false;
    state_.enableReplyAwaited = false;
    fillEnded_ = false;
}
