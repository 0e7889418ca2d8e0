#pragma once

#include "common/statuspanels.h"
#include "data/memoryimage.h"
#include "link/linkports.h"
#include "link/linkstate.h"
#include "link/writeoperands.h"
#include "platform/porttrigger.h"

#include <QObject>
#include <array>
#include <cstdint>
#include <map>

class TransactionEngine;

// Which paced write runs.
enum class PacedWrite { None, OneChange, WholeList, AlarmUnit };

// Why a write did or did not start.
enum class WriteStart {
    Started,
    Busy,         // a read, a command or another write is under way
    PortNotOpen,  // the direct port would not open
    NoConnection, // the modem link has no connection
};

// What a write stored, by image address (EEPROM at address + 256): the bytes a read-back expects.
using WrittenBytes = std::map<int, std::uint8_t>;

// Writes sent as frames paced by the link port's timer triggers, no reply awaited: one prepared
// change, the whole settings block, or the alarm unit's bytes. The first frame goes out at the
// start; each firing of the trigger sends the next.
class PacedWrites : public QObject {
    Q_OBJECT
public:
    static constexpr int FirstStepTicks = 13;
    static constexpr int WholeListSteps = 62;
    static constexpr int AlarmUnitSteps = 20;
    static constexpr int LastAlarmUnitAddress = 8;
    // The pause before the last frame of a change on the direct port: 100 ms in whole ticks.
    static constexpr int PauseTicks = 2;

    PacedWrites(TransactionEngine& engine, LinkPorts& ports, LinkState& link,
                const MemoryImage& image, const AlarmUnitImage& alarmImage, StatusPanels& status,
                QObject* parent = nullptr);

    WriteStart sendOneChange(const WriteOperands& prepared);
    WriteStart sendWholeList();
    WriteStart startAlarmUnitWrite();
    // The pause between alarm-unit frames follows the link and its baud rate.
    void setwritedelay();
    int writeDelay() const { return WriteDelay; }

    bool isPacing() const { return running_ != PacedWrite::None; }
    PacedWrite running() const { return running_; }
    // What the last settings write stored, for its read-back.
    const WrittenBytes& written() const { return written_; }

    // From the port's trigger handler: runs the step of a write trigger; false for other handles.
    bool triggerFired(int port, int handle);

signals:
    // The write sent its last frame; the window that started it releases its button.
    void writeEnded(PacedWrite kind);
    void beep(int count);

private:
    struct PortTriggers {
        PortTrigger program, pause, alarm;
    };
    enum class Step { Continues, Paused, Ended };

    WriteStart openWritePort();
    void beginWrite(PacedWrite kind);
    void settingsWriteStep();
    Step wholeListStep();
    Step oneChangeStep();
    void sendLastStep();
    void sendStash();
    void finishPause();
    void rearmAndShow();
    void endSettingsWrite();
    void alarmUnitWriteStep();
    void sendWrite(int command, int address, int data);
    void noteWritten(int command, int address, int data);
    QByteArray alarmUnitFrame(int address) const;
    void arm(PortTrigger& trigger, int ticks);
    void remove(PortTrigger& trigger);
    void showStatus(const QString& text);

    TransactionEngine& engine_;
    LinkPorts& ports_;
    LinkState& link_;
    const MemoryImage& image_;
    const AlarmUnitImage& alarmImage_;
    StatusPanels& status_;
    WriteOperands operands_;
    int WriteDelay = 8;
    int port_ = LinkPorts::Direct;
    PacedWrite running_ = PacedWrite::None;
    WrittenBytes written_;
    std::array<PortTriggers, 2> triggers_{};
};
