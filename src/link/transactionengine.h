#pragma once

#include "common/statuspanels.h"
#include "data/memoryimage.h"
#include "link/commandframe.h"
#include "link/linkports.h"
#include "link/linkstate.h"
#include "link/readresults.h"
#include "platform/porttrigger.h"

#include <QObject>
#include <array>

class ModemLink;
class PacedWrites;
class ReadSequencer;
class SingleCommands;

// The transaction engine's own state: the open transaction, its reply and the double check.
struct EngineState {
    bool Busy = false;
    int BusyWatchdog = 0;
    int WaitState = 0;       // 1..5 waiting, 6 timed out, 7 reply complete
    bool ReplyPhase = false; // status 200 arrived, data byte awaited
    int ReplyStatus = 0;
    int replyData = 0;
    int RetryCount = 0;
    bool StopReplyTimer = false;
    int noDataReplies = 0; // consecutive replies without a data byte on this address
    MatchState match;
    WriteEnableState writeEnable;
};

// Sends one frame on the link port and polls for its reply on the port's reply trigger; reads
// are double-checked and stored in the memory image. The read sequencer owns what is read; the
// engine owns the transaction.
class TransactionEngine : public QObject {
    Q_OBJECT
public:
    static constexpr int DirectPollTicks = 2;
    static constexpr int PollsBeforeTimeout = 5;
    static constexpr int TimeoutsPerAddress = 4;
    static constexpr int WatchdogSeconds = 10;
    // Replies without a data byte are re-requested at once; this many in a row end the read.
    static constexpr int MaxNoDataReplies = 10;

    TransactionEngine(LinkPorts& ports, LinkState& link, MemoryImage& image,
                      AlarmUnitImage& alarmImage, LogReadFlags& log, StatusPanels& status,
                      QObject* parent = nullptr);

    void attach(ReadSequencer* sequencer) { sequencer_ = sequencer; }
    void attach(PacedWrites* writes) { writes_ = writes; }
    void attach(ModemLink* modem) { modem_ = modem; }
    void attach(SingleCommands* single) { single_ = single; }

    const EngineState& state() const { return state_; }
    // A transaction is open or a paced write is still sending.
    bool isBusy() const;
    // The paced writes build their frames through the same write enable.
    WriteEnableState& writeEnable() { return state_.writeEnable; }

    // Kinds 1..5 (any other kind is the loopback).
    void sendcommand(int kind, int address, int data);
    // The same with a command byte given directly (writes and the processor reset).
    void sendframe(int command, int address, int data);
    // A read of a memory image address: RAM below 256, EEPROM above.
    void sendRead(int address);
    // A read sequence begins at this address: no timeouts or readings yet, and the reply
    // trigger stays even when a read that ended in this tick asked for its removal.
    void openRead(int address);
    // A read sequence has ended: the link is free and the reply trigger goes.
    void endTransaction();
    // The open command is answered again, with nothing sent: its reply wait starts afresh.
    void awaitReply();

    // The port under a running read or single command went away: it ends in failure now, and no
    // further poll of that port's reply comes.
    void abortRead(int port, ReadOutcome reason);

    void comfail();
    // Once a second from the main window's timer.
    void watchdogStep();
    void reset() { state_ = EngineState{}; }

    void Comport1TriggerTimer(int handle);
    void Comport2TriggerTimer(int handle);

signals:
    void beep(int count);
    // A read could not start: the asking window redraws what it has.
    void commFailed(Requester requester);

private:
    void replyTick(int port);
    void replyArrived(int port);
    bool awaitsReadReplyOn(int port) const;
    void finishTick(int port);
    void takeReplyByte(int port);
    void handleTimeout(int port);
    void handleCompleteReply();
    void handleReadReply();
    void acceptReading();
    void startAddress();
    void openTransaction(int port);
    void dropLeftoverBytes();
    void armReplyTrigger(int port, int ticks);
    void removeReplyTrigger(int port);
    void readfail(ReadOutcome reason);

    LinkPorts& ports_;
    LinkState& link_;
    MemoryImage& image_;
    AlarmUnitImage& alarmImage_;
    LogReadFlags& log_;
    StatusPanels& status_;
    ReadSequencer* sequencer_ = nullptr;
    PacedWrites* writes_ = nullptr;
    ModemLink* modem_ = nullptr;
    SingleCommands* single_ = nullptr;
    EngineState state_;
    std::array<PortTrigger, 2> replyTriggers_{};
    bool noDataFailure_ = false; // the read ended in this tick for lack of data bytes
};
