#include "link/pacedwrites.h"

#include "link/commandframe.h"
#include "link/linktexts.h"
#include "link/transactionengine.h"

#include <algorithm>

namespace {

constexpr int SignByteRam = 33;
constexpr int WholeListLastEeprom = 44;
constexpr int WholeListLastRam = 94;
constexpr int ResetAddress = 2;
constexpr int StateOfChargeSetting = 47;
constexpr int StateOfChargeHighByte = 113;

bool isTwoByteSetting(int setting) {
    return (setting >= 36 && setting <= 39) || setting == StateOfChargeSetting;
}

} // namespace

PacedWrites::PacedWrites(TransactionEngine& engine, LinkPorts& ports, LinkState& link,
                         const MemoryImage& image, const AlarmUnitImage& alarmImage,
                         StatusPanels& status, QObject* parent)
    : QObject(parent), engine_(engine), ports_(ports), link_(link), image_(image),
      alarmImage_(alarmImage), status_(status) {
    setwritedelay();
}

void PacedWrites::setwritedelay() {
    static constexpr std::array<int, 4> DirectDelays{14, 5, 8, 3};
    constexpr int ModemDelay = 14;
    const auto index = static_cast<size_t>(std::clamp(ports_.baudIndex, 0, 3));
    WriteDelay = link_.DirectMode ? DirectDelays[index] : ModemDelay;
}

WriteStart PacedWrites::openWritePort() {
    if (engine_.isBusy())
        return WriteStart::Busy;
    if (link_.DirectMode) {
        if (!ports_.Comport1.isOpen())
            ports_.portset1();
        if (!ports_.Comport1.isOpen()) {
            showStatus(text(LinkText::PortNotOpen, link_.LanguageIndex));
            return WriteStart::PortNotOpen;
        }
    } else if (!link_.ModemConnected) {
        showStatus(text(LinkText::NoConnection, link_.LanguageIndex));
        return WriteStart::NoConnection;
    }
    port_ = ports_.linkPortId();
    ports_.port(port_).flushInput();
    ports_.port(port_).flushOutput();
    return WriteStart::Started;
}

void PacedWrites::beginWrite(PacedWrite kind) {
    running_ = kind;
    showStatus(text(LinkText::SendingData, link_.LanguageIndex));
}

WriteStart PacedWrites::sendOneChange(const WriteOperands& prepared) {
    if (const WriteStart start = openWritePort(); start != WriteStart::Started)
        return start;
    operands_ = prepared;
    if (operands_.WriteAddress < 0 || operands_.WriteAddress > 255)
        operands_.WriteAddress = 255;
    if (operands_.WriteValue < 0 || operands_.WriteValue > 255)
        operands_.WriteValue = 0;
    operands_.ProgramAll = false;
    setwritedelay();
    written_.clear();

    // An EEPROM write goes out as the write enable; the first step sends it.
    engine_.writeEnable().WriteEnablePending = 1;
    const bool signFirst = operands_.StepCount == 4;
    sendWrite(operands_.EepromWrite ? CommandByte::WriteEeprom : CommandByte::WriteRam,
              signFirst ? 0 : operands_.WriteAddress,
              signFirst ? operands_.SignByte : operands_.WriteValue);
    beginWrite(PacedWrite::OneChange);
    arm(triggers_[static_cast<size_t>(port_)].program, FirstStepTicks);
    if (port_ == LinkPorts::Direct)
        emit beep(1);
    return WriteStart::Started;
}

WriteStart PacedWrites::sendWholeList() {
    if (const WriteStart start = openWritePort(); start != WriteStart::Started)
        return start;
    operands_ = WriteOperands{};
    operands_.StepCount = WholeListSteps;
    operands_.ProgramAll = true;
    setwritedelay();
    written_.clear();

    engine_.writeEnable().WriteEnablePending = 1;
    sendWrite(CommandByte::WriteEeprom, WholeListLastEeprom, image_.at(WholeListLastRam));
    beginWrite(PacedWrite::WholeList);
    arm(triggers_[static_cast<size_t>(port_)].program, FirstStepTicks);
    return WriteStart::Started;
}

WriteStart PacedWrites::startAlarmUnitWrite() {
    if (const WriteStart start = openWritePort(); start != WriteStart::Started)
        return start;
    operands_ = WriteOperands{};
    operands_.StepCount = AlarmUnitSteps;
    setwritedelay();
    ports_.port(port_).putBytes(alarmUnitFrame(AlarmUnitSteps));
    beginWrite(PacedWrite::AlarmUnit);
    arm(triggers_[static_cast<size_t>(port_)].alarm, WriteDelay);
    return WriteStart::Started;
}

bool PacedWrites::triggerFired(int port, int handle) {
    if (port != port_)
        return false;
    PortTriggers& own = triggers_[static_cast<size_t>(port)];
    if (own.program.is(handle))
        settingsWriteStep();
    else if (own.pause.is(handle))
        finishPause();
    else if (own.alarm.is(handle))
        alarmUnitWriteStep();
    else
        return false;
    return true;
}

void PacedWrites::settingsWriteStep() {
    const Step step = operands_.ProgramAll ? wholeListStep() : oneChangeStep();
    if (step == Step::Paused)
        return;
    rearmAndShow();
    if (step == Step::Ended)
        endSettingsWrite();
}

PacedWrites::Step PacedWrites::wholeListStep() {
    WriteEnableState& enable = engine_.writeEnable();
    if (enable.WriteEnablePending == 1) {
        enable.WriteEnablePending = 0;
        sendStash();
        return Step::Continues;
    }
    if (operands_.StepCount > 0)
        enable.WriteEnablePending = 1;
    const int step = --operands_.StepCount;
    if (step >= 1 && step <= 31) {
        sendWrite(CommandByte::WriteRam, step + 63, image_.at(step + 63));
    } else if (step >= 32 && step <= 61) {
        // EEPROM 14..43 from RAM 64..93, each through its own write enable.
        sendWrite(CommandByte::WriteEeprom, step - 18, image_.at(step + 32));
    } else {
        operands_.ProgramAll = false;
        return Step::Ended;
    }
    return Step::Continues;
}

PacedWrites::Step PacedWrites::oneChangeStep() {
    WriteEnableState& enable = engine_.writeEnable();
    if (enable.WriteEnablePending != 0) {
        enable.WriteEnablePending = 0;
        sendStash();
    }
    switch (--operands_.StepCount) {
    case 3:
        sendWrite(CommandByte::WriteRam, SignByteRam, operands_.SignByte);
        return Step::Continues;
    case 2:
        enable.WriteEnablePending = 1;
        sendWrite(CommandByte::WriteEeprom, operands_.WriteAddress, operands_.WriteValue);
        return Step::Continues;
    case 1:
        if (port_ == LinkPorts::Direct) {
            arm(triggers_[LinkPorts::Direct].pause, PauseTicks);
            return Step::Paused;
        }
        sendLastStep();
        return Step::Continues;
    default:
        return Step::Ended;
    }
}

void PacedWrites::finishPause() {
    sendLastStep();
    rearmAndShow();
}

// The RAM copy of a change, the second byte of a two-byte setting, or the processor reset.
void PacedWrites::sendLastStep() {
    WriteOperands& op = operands_;
    if (op.WriteKind == WriteOperands::Calibration) {
        sendWrite(CommandByte::WriteRam, op.CalRamAddress, op.WriteValue);
        return;
    }
    if (op.WriteKind == WriteOperands::ProcessorReset) {
        sendWrite(CommandByte::ProcessorReset, ResetAddress, 0);
        return;
    }
    op.EepromWrite = false;
    if (op.SettingIndex == StateOfChargeSetting) {
        op.WriteAddress = StateOfChargeHighByte;
        op.WriteValue = (op.AhValue >> 8) & 0xFF;
    } else if (isTwoByteSetting(op.SettingIndex)) {
        op.WriteAddress = op.WriteAddress + 1;
        op.WriteValue = image_.at(op.SettingRamAddress + 1);
    } else {
        op.WriteAddress = op.SettingRamAddress;
    }
    sendWrite(CommandByte::WriteRam, op.WriteAddress, op.WriteValue);
}

// The EEPROM write held back by the write enable goes out as it is; no reply is awaited.
void PacedWrites::sendStash() {
    const WriteEnableState& enable = engine_.writeEnable();
    sendWrite(enable.StashedKind == 4 ? CommandByte::WriteEeprom : CommandByte::WriteRam,
              enable.StashedAddress, enable.StashedData);
}

void PacedWrites::rearmAndShow() {
    if (operands_.StepCount > 0) {
        const bool afterEnable = engine_.writeEnable().WriteEnablePending > 0;
        const bool direct = port_ == LinkPorts::Direct;
        const int ticks = afterEnable ? (direct ? 4 : 6) : (direct ? 11 : 13);
        arm(triggers_[static_cast<size_t>(port_)].program, ticks);
    }
    showStatus(QString::number(operands_.StepCount));
}

void PacedWrites::endSettingsWrite() {
    const PacedWrite kind = running_;
    PortTriggers& own = triggers_[static_cast<size_t>(port_)];
    remove(own.program);
    remove(own.pause);
    if (kind == PacedWrite::OneChange)
        operands_.StepCount = 0;
    running_ = PacedWrite::None;
    emit writeEnded(kind);
}

void PacedWrites::alarmUnitWriteStep() {
    PortTrigger& trigger = triggers_[static_cast<size_t>(port_)].alarm;
    const int address = --operands_.StepCount;
    if (address < LastAlarmUnitAddress) {
        remove(trigger);
        showStatus(QString());
        running_ = PacedWrite::None;
        emit writeEnded(PacedWrite::AlarmUnit);
        return;
    }
    ports_.CommSend(port_, alarmUnitFrame(address));
    arm(trigger, WriteDelay);
    showStatus(QString::number(address - LastAlarmUnitAddress + 1));
}

// The alarm unit has no write enable: its frames never take part in the controller's.
QByteArray PacedWrites::alarmUnitFrame(int address) const {
    WriteEnableState none;
    return buildframe(CommandByte::WriteEeprom, address, alarmImage_.at(address),
                      FrameAddressing{link_.SiteMode, link_.siteNumber}, none);
}

void PacedWrites::sendWrite(int command, int address, int data) {
    WriteEnableState& enable = engine_.writeEnable();
    const bool becomesEnable =
        command == CommandByte::WriteEeprom && enable.WriteEnablePending == 1;
    ports_.CommSend(port_, buildframe(command, address, data,
                                      FrameAddressing{link_.SiteMode, link_.siteNumber}, enable));
    if (!becomesEnable)
        noteWritten(command, address, data);
}

void PacedWrites::noteWritten(int command, int address, int data) {
    if (command == CommandByte::ProcessorReset) {
        // The reset reloads the RAM settings: what was put in RAM before is no longer there.
        std::erase_if(written_,
                      [](const auto& entry) { return entry.first < MemoryImage::EepromBase; });
        return;
    }
    const int imageAddress =
        command == CommandByte::WriteEeprom ? address + MemoryImage::EepromBase : address;
    written_[imageAddress] = static_cast<std::uint8_t>(data);
}

void PacedWrites::arm(PortTrigger& trigger, int ticks) {
    trigger.arm(ports_.port(port_), ticks);
}

void PacedWrites::remove(PortTrigger& trigger) {
    trigger.remove(ports_.port(port_));
}

void PacedWrites::showStatus(const QString& shown) {
    status_.setText(StatusPanels::Link, shown);
}
