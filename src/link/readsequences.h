#pragma once

#include "data/memoryimage.h"
#include "link/linkports.h"
#include "link/linkstate.h"
#include "link/readresults.h"
#include "link/tracelog.h"

#include <QObject>
#include <vector>

class TransactionEngine;

// Read types: 1 is a single command, 2..11 the read sequences.
namespace ReadKind {
constexpr int Single = 1, Current = 2, Status = 3, SettingsPage1 = 4, SettingsPage5 = 8,
              Calibration = 9, History = 10, AlarmUnit = 11;
// A read of addresses the caller lists, such as those a write has just changed.
constexpr int Listed = 12;
} // namespace ReadKind

// The address list of a read sequence, entries 1..count; empty for types without a sequence.
const std::vector<int>& readList(int readType);
int readCount(int readType);
// The address at a position of a sequence, or -1 where there is none.
int readAddress(int readType, int readNum);

// The read that runs, or the last one once it has ended.
struct ReadState {
    int ReadType = 0;
    int ReadNum = 0; // position, counting down to 1; where a failed read stopped
    int Requester = static_cast<int>(::Requester::Window);
    bool ReadFailed = false; // the running read ends in failure; cleared once its end is handled
    ReadOutcome outcome = ReadOutcome::Completed; // how the last read ended
    std::vector<int> addresses;                   // entries 1..count of the read

    // The address of the current position (-1 once a read has completed).
    int address() const;
};

// Starts read sequences and ends them: Getdata, readadd, readnext, readstep, readdone. It owns
// the sequence's state; the engine reads it and moves it on through the calls below.
class ReadSequencer : public QObject {
    Q_OBJECT
public:
    ReadSequencer(TransactionEngine& engine, LinkPorts& ports, LinkState& link,
                  DataValidFlags& valid, LogReadFlags& log, StatusPanels& status, TraceLog& trace,
                  QObject* parent = nullptr);

    // Starts a read sequence of the given type, or says why it did not start. The type is
    // taken only once the request is accepted, so a refused request never changes the type of
    // a read that is running. The main window's log reads choose their own type: the current
    // state, then the status.
    ReadStart Getdata(Requester sender, int readType);
    // Starts a read of exactly these image addresses, with the refusals of Getdata.
    ReadStart readAddresses(Requester sender, std::vector<int> addresses);
    int readadd();
    void readnext();
    void readstep();
    void readdone();

    const ReadState& state() const { return state_; }
    // The byte of the current position is stored: the read moves to the next position.
    void positionAccepted();
    // The engine gave the read up: it ends in failure for this reason.
    void endInFailure(ReadOutcome reason);
    // A single command runs in place of a sequence, with the refusals of Getdata; a history
    // fill counts its writes down from `count` as a read counts its positions.
    ReadStart beginSingleCommand(int count);
    void reset() { state_ = ReadState{}; }

signals:
    // One byte accepted; the asking window advances its progress bar.
    void readStepped(int readType);
    // A sequence ended; the asking window redraws.
    void readEnded(int readType, ReadOutcome outcome);

private:
    ReadStart start(Requester sender, int readType, std::vector<int> addresses);
    ReadStart refusal() const;
    // Takes the link for a read of this type, or says the port cannot be used.
    bool claimLink(Requester sender, int readType, std::vector<int> addresses);
    ReadStart portUnusable();
    bool openLinkPort();
    ReadStart refuse(ReadStart why);

    TransactionEngine& engine_;
    LinkPorts& ports_;
    LinkState& link_;
    DataValidFlags& valid_;
    LogReadFlags& log_;
    StatusPanels& status_;
    TraceLog& trace_;
    ReadState state_;
};
