#pragma once

#include "link/linkports.h"
#include "link/linkstate.h"
#include "link/readresults.h"
#include "link/singlereply.h"

#include <QObject>
#include <functional>

class ReadSequencer;
class TransactionEngine;

// What the single command tool can send, in the order of its list.
enum class SingleEntry {
    ReadRam,
    ReadEeprom,
    WriteRam,
    WriteEeprom,
    Loopback,
    ClearHistory,
    TestHistory,
    SetSite,
};

// The state of a single command while it runs.
struct SingleCommandState {
    SingleEntry entry = SingleEntry::ReadRam;
    // The reply engine itself sends the EEPROM write held back by the write enable.
    bool EepromWriteFollow = false;
    bool HistoryFill = false;
    bool HistoryClear = false;
    bool SiteSetPending = false; // the site key is out; status 250 acknowledges it
    bool SiteSetAck = false;     // the new site number is out; its reply ends the exchange
    int SiteKey = 0;
    // A single EEPROM write is answered twice: the write enable's reply comes first, and
    // the command ends on the write's own.
    bool enableReplyAwaited = false;
    int fillError = 0; // the first error status a history fill met, 0 when none
};

// One command sent from the single command tool and what its replies lead to: the EEPROM
// write that follows its write enable, the history fill, and the set-site exchange. The
// transaction engine calls in at the steps of its reply tick that serve them.
class SingleCommands : public QObject {
    Q_OBJECT
public:
    static constexpr int SiteKeyAddress = 101;

    SingleCommands(TransactionEngine& engine, ReadSequencer& sequencer, LinkPorts& ports,
                   LinkState& link, QObject* parent = nullptr);

    // Sends the entry's first frame, or says why nothing was sent. `data` is the data spin's
    // value: the data byte, or the new site number of SetSite.
    ReadStart singsendClick(SingleEntry entry, int address, int data);
    // Where the site keys come from: any even choice of 0..254.
    void setSiteKeySource(std::function<int()> source) { siteKeySource_ = std::move(source); }

    const SingleCommandState& state() const { return state_; }
    void reset() { state_ = SingleCommandState{}; }

    // From the reply tick: the write that follows a write enable.
    void followStep();
    // While the new site number is awaited, a status of 200 is the whole reply.
    bool awaitsSiteReply() const { return state_.SiteSetAck; }
    // From the reply tick, once a reply is in or four polls have passed.
    bool fillStepDue(int waitState, int writeEnablePending) const;
    void historyFillStep(int port, int replyStatus);
    // The reply tick has a complete reply for the command.
    void replyComplete(int status, int data, bool dataReceived);
    // The command got no reply in time.
    void failed();

signals:
    void replied(const SingleReply& reply);

private:
    bool awaitingFurtherReply(int status);
    void noteFillReply(int status);
    void sendFillFrame(int kind, int address, int data);
    void endFill();
    void endCommand();

    TransactionEngine& engine_;
    ReadSequencer& sequencer_;
    LinkPorts& ports_;
    LinkState& link_;
    SingleCommandState state_;
    int siteData_ = 0;
    // Every frame of a fill is answered once: the fill ends on the last write's own reply.
    int fillFramesSent_ = 0;
    int fillRepliesTaken_ = 0;
    bool fillEnded_ = false;
    std::function<int()> siteKeySource_;
};
