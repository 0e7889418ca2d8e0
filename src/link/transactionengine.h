#pragma once

#include "common/statuspanels.h"
#include "data/memoryimage.h"
#include "link/commandframe.h"
#include "link/linkports.h"
#include "link/linkstate.h"
#include "link/writeoperands.h"

#include <QObject>
#include <array>

class ReadSequencer;

// Why the last read sequence failed.
enum class ReadFailure { None, Timeout, Mismatch, NoData };

// The global state of the one transaction engine.
struct EngineState {
    bool Busy = false;
    int BusyWatchdog = 0;
    int WaitState = 0;       // 1..5 waiting, 6 timed out, 7 reply complete
    bool ReplyPhase = false; // status 200 arrived, data byte awaited
    int ReplyStatus = 0;
    int replyData = 0;
    int RetryCount = 0;
    bool StopReplyTimer = false;
    int ReadType = 0;
    int ReadNum = 0;
    bool ReadFailed = false;
    int Requester = 1;
    int noDataReplies = 0; // consecutive replies without a data byte on this address
    ReadFailure lastFailure = ReadFailure::None;
    MatchState match;
    WriteEnableState writeEnable;
    WriteOperands write;
};

// Sends one frame on the link port and polls for its reply on the port's reply trigger; reads
// are double-checked and stored in the memory image.
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

    EngineState state;

    void attach(ReadSequencer* sequencer) { sequencer_ = sequencer; }

    // Kinds 1..5 (any other kind is the loopback).
    void sendcommand(int kind, int address, int data);
    // The same with a command byte given directly (writes and the processor reset).
    void sendframe(int command, int address, int data);
    // A read of a memory image address: RAM below 256, EEPROM above.
    void sendRead(int address);
    // A new address begins: no readings, no replies counted yet.
    void startAddress();

    void readfail();
    void comfail();
    // Once a second from the main window's timer.
    void watchdogStep();

    void Comport1TriggerTimer(int handle);
    void Comport2TriggerTimer(int handle);

signals:
    void beep(int count);
    // A reply of a single command (ReadType 1): the data byte when isData, else the status.
    void singleCommandReply(int value, bool isData);
    // A read could not start: the asking window redraws what it has.
    void commFailed(int requester);

private:
    struct ReplyTrigger {
        int handle = 0;
        bool exists = false;
    };

    void replyTick(int port);
    void takeReplyByte(int port);
    void handleTimeout();
    void handleCompleteReply();
    void handleReadReply();
    void acceptReading();
    void armReplyTrigger(int port, int ticks);
    void removeReplyTrigger(int port);
    void failRead(ReadFailure reason);

    LinkPorts& ports_;
    LinkState& link_;
    MemoryImage& image_;
    AlarmUnitImage& alarmImage_;
    LogReadFlags& log_;
    StatusPanels& status_;
    ReadSequencer* sequencer_ = nullptr;
    std::array<ReplyTrigger, 2> replyTriggers_{};
    bool noDataFailure_ = false; // the read ended in this tick for lack of data bytes
};
