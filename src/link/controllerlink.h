#pragma once

#include "common/statuspanels.h"
#include "data/memoryimage.h"
#include "link/linkports.h"
#include "link/linkstate.h"
#include "link/modemlink.h"
#include "link/pacedwrites.h"
#include "link/readresults.h"
#include "link/readsequences.h"
#include "link/singlecommand.h"
#include "link/tracelog.h"
#include "link/transactionengine.h"
#include "link/writeoperands.h"
#include "link/writeverification.h"
#include "platform/wallclock.h"

#include <QObject>

// The controller link put together on two ports: the program-wide link state, the memory
// image it fills, and the one way in for windows and the command line. The engine and the read
// sequencer stay inside: callers start reads, ask whether the link is busy, hear how reads end
// and fill the operands of the next write. The program and the command line own one.
class ControllerLink : public QObject {
    Q_OBJECT
public:
    ControllerLink(SerialPort& direct, SerialPort& modem, const WallClock& clock,
                   QObject* parent = nullptr);

    LinkState state;
    StatusPanels status;
    TraceLog trace;
    MemoryImage image;
    AlarmUnitImage alarmImage;
    DataValidFlags valid;
    LogReadFlags log;
    LinkPorts ports;

    bool isBusy() const { return engine_.isBusy(); }
    // The read type the link is running, 0 when it is idle.
    int runningRead() const { return isBusy() ? readState().ReadType : 0; }
    // Starts a read sequence of the given type for a window, or says why it did not start (a
    // refusal also shows its text in the status panel). The main window's log reads choose
    // their own type.
    ReadStart startRead(int readType, Requester requester) {
        return reads_.Getdata(requester, readType);
    }
    // The read that runs, or the last one: its type, position and how it ended.
    const ReadState& readState() const { return reads_.state(); }
    // Sends one command of the single command tool outside any read sequence; its reply comes
    // as singleReplied, a failure as readEnded of ReadKind::Single. Refused while the link is
    // busy, so its frames never land inside a read or a write. `data` is the data byte, or the
    // new site number of SingleEntry::SetSite.
    ReadStart sendSingle(SingleEntry entry, int address, int data) {
        return single_.singsendClick(entry, address, data);
    }
    // Where the set-site exchange takes its keys from; random unless a test says otherwise.
    void setSiteKeySource(std::function<int()> source) {
        single_.setSiteKeySource(std::move(source));
    }
    // What the next write sends; the settings and calibration editors fill it.
    WriteOperands& preparedWrite() { return write_; }
    // Writes: the prepared change, the whole settings block, the alarm unit's bytes. Each
    // ends with writeEnded.
    WriteStart sendOneChange() { return writes_.sendOneChange(write_); }
    WriteStart sendWholeList() { return writes_.sendWholeList(); }
    WriteStart startAlarmUnitWrite() { return writes_.startAlarmUnitWrite(); }
    PacedWrite runningWrite() const { return writes_.running(); }
    int writeDelay() const { return writes_.writeDelay(); }
    // Writes are read back once sent (on unless the user turned it off).
    void setVerifyWrites(bool on) { verification_.enabled = on; }
    bool verifyWrites() const { return verification_.enabled; }
    // What the last settings write stored, by image address.
    const WrittenBytes& lastWritten() const { return writes_.written(); }
    // Once a second from the main window's timer: frees a link whose transaction never ended.
    void watchdogStep() { engine_.watchdogStep(); }
    // Nothing read, no read running and no write prepared, as when the program starts.
    void clearWorkingState();

    // Dialling, the carrier and hanging up; while a connection is up the link is the modem port.
    ModemLink& modem() { return modem_; }
    const ModemLink& modem() const { return modem_; }

    // For tests of the engine itself: the open transaction, read-only.
    const EngineState& inspectEngine() const { return engine_.state(); }
    const SingleCommandState& inspectSingle() const { return single_.state(); }

signals:
    // One byte of a read accepted; the asking window advances its progress bar.
    void readStepped(int readType);
    // A read sequence ended, completed or failed; the asking window redraws.
    void readEnded(int readType, ReadOutcome outcome);
    // A read could not start because the port is not usable.
    void commFailed(Requester requester);
    // A read failed (three) or could not start (one).
    void beep(int count);
    // The reply of a single command, as the tool shows it.
    void singleReplied(const SingleReply& reply);
    // A write sent its last frame.
    void writeEnded(PacedWrite kind);
    // A settings write is over: read back and compared, or not checked.
    void writeChecked(const WriteCheck& check);

private:
    TransactionEngine engine_;
    ReadSequencer reads_;
    SingleCommands single_;
    PacedWrites writes_;
    WriteVerification verification_;
    WriteOperands write_;
    ModemLink modem_;
};
