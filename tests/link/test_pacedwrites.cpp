#include "linkrig.h"
#include "writingcontroller.h"

#include <QTest>

namespace {

// One frame as it should go out: ticks since the frame before it, then command, address, data.
struct TimedFrame {
    int gap;
    int command, address, data;
};
using Frames = QList<TimedFrame>;

QByteArray plainFrame(int command, int address, int data) {
    return QByteArray()
        .append(char(command))
        .append(char(address))
        .append(char(data))
        .append(char(command ^ 0xFF));
}

// Records every frame put on either port with the virtual time it went out.
struct WriteRig : LinkRig {
    QList<QPair<long, QByteArray>> frames;
    QSignalSpy ended{&link, &ControllerLink::writeEnded};
    long endedAt = -1;

    explicit WriteRig(bool onModem = false) {
        for (FakeSerialPort* port : {&direct, &modem})
            QObject::connect(port, &FakeSerialPort::bytesSent, &link, [this](const QByteArray& f) {
                frames.append({clock.now(), f});
            });
        QObject::connect(&link, &ControllerLink::writeEnded, &link,
                         [this] { endedAt = clock.now(); });
        link.setVerifyWrites(false); // the wire traffic of the write alone
        if (onModem) {
            link.state.DirectMode = false;
            link.state.ModemConnected = true;
            modem.open();
        }
    }

    void runToEnd() {
        while (ended.isEmpty() && clock.advanceToNextTimer()) {
        }
    }

    Frames timedFrames() const {
        Frames out;
        long previous = frames.isEmpty() ? 0 : frames.first().first;
        for (const auto& [at, f] : frames) {
            out.append({int(at - previous), quint8(f[0]), quint8(f[1]), quint8(f[2])});
            previous = at;
        }
        return out;
    }

    int ticksFromLastFrameToEnd() const { return int(endedAt - frames.last().first); }
};

bool operator==(const TimedFrame& a, const TimedFrame& b) {
    return a.gap == b.gap && a.command == b.command && a.address == b.address && a.data == b.data;
}

char* toString(const TimedFrame& f) {
    return qstrdup(QStringLiteral("+%1: %2 %3 %4")
                       .arg(f.gap)
                       .arg(f.command)
                       .arg(f.address)
                       .arg(f.data)
                       .toUtf8()
                       .constData());
}

WriteOperands settingWrite(int setting, int ramAddress, int writeAddress, int value, bool eeprom,
                           int steps) {
    WriteOperands op;
    op.WriteKind = WriteOperands::Setting;
    op.SettingIndex = setting;
    op.SettingRamAddress = ramAddress;
    op.WriteAddress = writeAddress;
    op.WriteValue = value;
    op.EepromWrite = eeprom;
    op.StepCount = steps;
    return op;
}

WriteOperands calibrationWrite(int eepromIndex, int ramAddress, int value, int signByte,
                               int steps) {
    WriteOperands op;
    op.WriteKind = WriteOperands::Calibration;
    op.WriteAddress = eepromIndex;
    op.WriteValue = value;
    op.CalRamAddress = ramAddress;
    op.SignByte = signByte;
    op.EepromWrite = true;
    op.StepCount = steps;
    return op;
}

WriteOperands stateOfChargeWrite(int ampHours) {
    WriteOperands op = settingWrite(47, 181, 211, ampHours & 255, false, 2);
    op.AhValue = ampHours;
    return op;
}

WriteOperands resetWrite() {
    WriteOperands op = settingWrite(28, 102, 102, 76, false, 2);
    op.WriteKind = WriteOperands::ProcessorReset;
    return op;
}

constexpr int Enable = 152; // the write enable: RAM 226 = 1

} // namespace

Q_DECLARE_METATYPE(WriteOperands)
Q_DECLARE_METATYPE(Frames)

// The frames of each kind of write, their order and their spacing in ticks, on both ports.
class PacedWritesTest : public QObject {
    Q_OBJECT
private slots:
    void oneChange_data() {
        QTest::addColumn<bool>("modem");
        QTest::addColumn<WriteOperands>("operands");
        QTest::addColumn<int>("imageAddress"); // a byte the write takes from the image
        QTest::addColumn<int>("imageValue");
        QTest::addColumn<Frames>("expected");
        QTest::addColumn<int>("endAfter");

        // BMAX 14.4 V on a 12 V system: 98 E2 01 67, CA 25 90 35, 98 57 90 67.
        QTest::newRow("BMAX, EEPROM then RAM")
            << false << settingWrite(9, 87, 37, 144, true, 2) << 87 << 144
            << Frames{{0, Enable, 226, 1}, {13, 202, 37, 144}, {2, 152, 87, 144}} << 11;
        QTest::newRow("BMAX on the modem port, no pause")
            << true << settingWrite(9, 87, 37, 144, true, 2) << 87 << 144
            << Frames{{0, Enable, 226, 1}, {13, 202, 37, 144}, {0, 152, 87, 144}} << 13;
        QTest::newRow("lockout toggled: bit 7 of the sign byte")
            << false << settingWrite(3, 33, 0, 0x85, true, 2) << 33 << 0x85
            << Frames{{0, Enable, 226, 1}, {13, 202, 0, 0x85}, {2, 152, 33, 0x85}} << 11;
        QTest::newRow("setting 47, 80 % of 200 Ah")
            << false << stateOfChargeWrite(160) << 0 << 0
            << Frames{{0, 152, 211, 160}, {15, 152, 113, 0}} << 11;
        QTest::newRow("setting 47 above 255 Ah")
            << false << stateOfChargeWrite(320) << 0 << 0
            << Frames{{0, 152, 211, 64}, {15, 152, 113, 1}} << 11;
        QTest::newRow("setting 36, two bytes")
            << false << settingWrite(36, 188, 188, 0x34, false, 2) << 189 << 0x12
            << Frames{{0, 152, 188, 0x34}, {15, 152, 189, 0x12}} << 11;
        QTest::newRow("setting 39, two bytes, modem")
            << true << settingWrite(39, 203, 203, 0x10, false, 2) << 204 << 0x02
            << Frames{{0, 152, 203, 0x10}, {13, 152, 204, 0x02}} << 13;
        QTest::newRow("setting 0, the clock") << false << settingWrite(0, 48, 48, 30, false, 1) << 0
                                              << 0 << Frames{{0, 152, 48, 30}} << 13;
        QTest::newRow("setting 4 toggled") << false << settingWrite(4, 115, 115, 1, false, 1) << 0
                                           << 0 << Frames{{0, 152, 115, 1}} << 13;
        QTest::newRow("reset row 28")
            << false << resetWrite() << 0 << 0 << Frames{{0, 152, 102, 76}, {15, 87, 2, 0}} << 11;
        QTest::newRow("calibration row 3 gain")
            << false << calibrationWrite(5, 215, 40, 0, 2) << 0 << 0
            << Frames{{0, Enable, 226, 1}, {13, 202, 5, 40}, {2, 152, 215, 40}} << 11;
        QTest::newRow("calibration row 7 offset")
            << false << calibrationWrite(12, 238, 250, 0, 2) << 0 << 0
            << Frames{{0, Enable, 226, 1}, {13, 202, 12, 250}, {2, 152, 238, 250}} << 11;
        QTest::newRow("calibration row 1: sign byte, then the nibble byte")
            << false << calibrationWrite(2, 35, 0x2F, 0x42, 4) << 0 << 0
            << Frames{{0, Enable, 226, 1},  {13, 202, 0, 0x42}, {0, 152, 33, 0x42},
                      {11, Enable, 226, 1}, {4, 202, 2, 0x2F},  {2, 152, 35, 0x2F}}
            << 11;
        QTest::newRow("calibration row 0 on the modem port")
            << true << calibrationWrite(1, 34, 0x11, 0x80, 4) << 0 << 0
            << Frames{{0, Enable, 226, 1},  {13, 202, 0, 0x80}, {0, 152, 33, 0x80},
                      {13, Enable, 226, 1}, {6, 202, 1, 0x11},  {0, 152, 34, 0x11}}
            << 13;
    }

    void oneChange() {
        QFETCH(bool, modem);
        QFETCH(WriteOperands, operands);
        QFETCH(int, imageAddress);
        QFETCH(int, imageValue);
        QFETCH(Frames, expected);
        QFETCH(int, endAfter);
        WriteRig rig(modem);
        rig.link.image.store(imageAddress, quint8(imageValue));
        rig.link.preparedWrite() = operands;

        QCOMPARE(rig.link.sendOneChange(), WriteStart::Started);
        QCOMPARE(rig.link.runningWrite(), PacedWrite::OneChange);
        rig.runToEnd();

        QCOMPARE(rig.timedFrames(), expected);
        QCOMPARE(rig.ended.size(), 1);
        QCOMPARE(rig.ticksFromLastFrameToEnd(), endAfter);
        QCOMPARE(rig.link.runningWrite(), PacedWrite::None);
        QVERIFY(!rig.link.isBusy());
        QVERIFY(!rig.clock.advanceToNextTimer()); // nothing left armed
        QCOMPARE(rig.frames.first().second,
                 plainFrame(expected[0].command, expected[0].address, expected[0].data));
    }

    void wholeList_data() {
        QTest::addColumn<bool>("modem");
        QTest::addColumn<int>("afterEnable");
        QTest::addColumn<int>("otherwise");
        QTest::newRow("direct port") << false << 4 << 11;
        QTest::newRow("modem port") << true << 6 << 13;
    }

    void wholeList() {
        QFETCH(bool, modem);
        QFETCH(int, afterEnable);
        QFETCH(int, otherwise);
        WriteRig rig(modem);
        for (int ram = 64; ram <= 94; ++ram)
            rig.link.image.store(ram, quint8(ram * 3));

        QCOMPARE(rig.link.sendWholeList(), WriteStart::Started);
        rig.runToEnd();

        Frames expected{{0, Enable, 226, 1}, {13, 202, 44, 94 * 3 & 255}};
        for (int eeprom = 43; eeprom >= 14; --eeprom) {
            expected.append({otherwise, Enable, 226, 1});
            expected.append({afterEnable, 202, eeprom, (eeprom + 50) * 3 & 255});
        }
        for (int ram = 94; ram >= 64; --ram)
            expected.append({otherwise, 152, ram, ram * 3 & 255});
        QCOMPARE(expected.size(), 93);
        QCOMPARE(rig.timedFrames(), expected);
        QCOMPARE(rig.ticksFromLastFrameToEnd(), otherwise);
        QCOMPARE(rig.ended.at(0).at(0).value<PacedWrite>(), PacedWrite::WholeList);
        // The last step raises the write enable and sends nothing more: it stays pending.
        QCOMPARE(rig.engine().writeEnable.WriteEnablePending, 1);
        QVERIFY(!rig.link.isBusy());
    }

    void alarmUnitWrite_data() {
        QTest::addColumn<bool>("modem");
        QTest::addColumn<int>("baudIndex");
        QTest::addColumn<int>("delay");
        QTest::newRow("2400 baud") << false << 2 << 8;
        QTest::newRow("9600 baud") << false << 3 << 3;
        QTest::newRow("300 baud") << false << 0 << 14;
        QTest::newRow("modem") << true << 3 << 14;
    }

    void alarmUnitWrite() {
        QFETCH(bool, modem);
        QFETCH(int, baudIndex);
        QFETCH(int, delay);
        WriteRig rig(modem);
        rig.link.ports.baudIndex = baudIndex;
        for (int address = 0; address < AlarmUnitImage::Size; ++address)
            rig.link.alarmImage.store(address, quint8(address + 100));

        QCOMPARE(rig.link.startAlarmUnitWrite(), WriteStart::Started);
        QCOMPARE(rig.link.writeDelay(), delay);
        rig.runToEnd();

        Frames expected;
        for (int address = 20; address >= 8; --address)
            expected.append({address == 20 ? 0 : delay, 202, address, address + 100});
        QCOMPARE(rig.timedFrames(), expected);
        QCOMPARE(rig.ticksFromLastFrameToEnd(), delay);
        QCOMPARE(rig.ended.at(0).at(0).value<PacedWrite>(), PacedWrite::AlarmUnit);
        QCOMPARE(rig.link.status.text(StatusPanels::Link), QString());
    }

    void stepsLeftCountDownInTheStatusPanel() {
        WriteRig rig;
        rig.link.startAlarmUnitWrite();
        QCOMPARE(rig.link.status.text(StatusPanels::Link), QStringLiteral("Sending Data"));
        rig.clock.advanceToNextTimer();
        QCOMPARE(rig.link.status.text(StatusPanels::Link), QStringLiteral("12"));
    }

    // A write enable left pending by the whole list must not turn the alarm unit's frames
    // into write enables of the controller.
    void alarmUnitFramesAreNeverWriteEnables() {
        WriteRig rig;
        rig.link.sendWholeList();
        rig.runToEnd();
        rig.frames.clear();
        rig.ended.clear();
        rig.link.startAlarmUnitWrite();
        rig.runToEnd();
        QCOMPARE(rig.frames.size(), 13);
        for (const auto& sent : rig.frames)
            QCOMPARE(quint8(sent.second[0]), quint8(202));
    }

    void baudChangeSetsTheWriteDelay() {
        WriteRig rig;
        rig.link.ports.baudboxChange(3);
        QCOMPARE(rig.link.writeDelay(), 3);
        rig.link.ports.baudboxChange(1);
        QCOMPARE(rig.link.writeDelay(), 5);
    }

    void aWriteThatCannotStartSaysWhy_data() {
        QTest::addColumn<int>("condition");
        QTest::addColumn<WriteStart>("start");
        QTest::addColumn<QString>("status");
        QTest::newRow("port refuses") << 0 << WriteStart::PortNotOpen << "Port Not Open";
        QTest::newRow("no modem connection") << 1 << WriteStart::NoConnection << "No connection";
        QTest::newRow("a read runs") << 2 << WriteStart::Busy << "Request Sent";
        QTest::newRow("a write runs") << 3 << WriteStart::Busy << "Sending Data";
    }

    void aWriteThatCannotStartSaysWhy() {
        QFETCH(int, condition);
        QFETCH(WriteStart, start);
        QFETCH(QString, status);
        WriteRig rig;
        if (condition == 0)
            rig.direct.failOpen = true;
        if (condition == 1)
            rig.link.state.DirectMode = false;
        if (condition == 2)
            rig.link.startRead(ReadKind::Current, Requester::Window);
        if (condition == 3)
            rig.link.startAlarmUnitWrite();
        const qsizetype before = rig.frames.size();
        rig.link.preparedWrite() = settingWrite(9, 87, 37, 144, true, 2);
        QCOMPARE(rig.link.sendOneChange(), start);
        QCOMPARE(rig.link.sendWholeList(), start);
        QCOMPARE(rig.frames.size(), before);
        QCOMPARE(rig.link.status.text(StatusPanels::Link), status);
    }

    // A read or a command in the middle of a write would cancel its write enable.
    void readsAndCommandsWaitForTheWrite() {
        WriteRig rig;
        rig.link.preparedWrite() = settingWrite(9, 87, 37, 144, true, 2);
        rig.link.sendOneChange();
        QVERIFY(rig.link.isBusy());
        QCOMPARE(rig.link.startRead(ReadKind::Current, Requester::Window), ReadStart::Busy);
        QCOMPARE(rig.link.sendSingle(SingleEntry::ReadRam, 93, 0), ReadStart::Busy);
        rig.runToEnd();
        QCOMPARE(rig.frames.size(), 3);
        QCOMPARE(rig.link.startRead(ReadKind::Current, Requester::Window), ReadStart::Started);
    }
};

Q_DECLARE_METATYPE(WriteCheck)

// Once a settings write has sent its last frame, what it wrote is read back and compared.
class WriteVerificationTest : public QObject {
    Q_OBJECT
private slots:
    void theAddressesWrittenAreReadBack_data() {
        QTest::addColumn<WriteOperands>("operands");
        QTest::addColumn<QList<int>>("lost");
        QTest::addColumn<QList<int>>("readBack");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("differingAddress");
        QTest::addColumn<QString>("status");
        const auto verified = int(WriteCheck::Result::Verified);
        const auto differs = int(WriteCheck::Result::Differs);
        QTest::newRow("BMAX taken") << settingWrite(9, 87, 37, 144, true, 2) << QList<int>{}
                                    << QList<int>{87, 37 + 256} << verified << -1 << "Verified";
        QTest::newRow("BMAX EEPROM write lost")
            << settingWrite(9, 87, 37, 144, true, 2) << QList<int>{37 + 256}
            << QList<int>{87, 37 + 256} << differs << 37 + 256 << "Differs at EEPROM 37";
        QTest::newRow("second byte of setting 36 lost")
            << settingWrite(36, 188, 188, 0x34, false, 2) << QList<int>{189} << QList<int>{188, 189}
            << differs << 189 << "Differs at RAM 189";
        QTest::newRow("calibration row 2: sign and nibble bytes")
            << calibrationWrite(3, 36, 0x21, 0x40, 4) << QList<int>{}
            << QList<int>{33, 36, 256, 259} << verified << -1 << "Verified";
    }

    void theAddressesWrittenAreReadBack() {
        QFETCH(WriteOperands, operands);
        QFETCH(QList<int>, lost);
        QFETCH(QList<int>, readBack);
        QFETCH(int, result);
        QFETCH(int, differingAddress);
        QFETCH(QString, status);
        LinkRig rig;
        WritingController controller(rig.direct);
        controller.lostWrites = QSet<int>(lost.begin(), lost.end());
        QSignalSpy checked(&rig.link, &ControllerLink::writeChecked);
        rig.link.image.store(operands.SettingRamAddress + 1, 0x12);
        rig.link.preparedWrite() = operands;

        rig.link.sendOneChange();
        rig.runUntil([&] { return !checked.isEmpty(); });

        QCOMPARE(checked.size(), 1);
        const auto check = checked[0][0].value<WriteCheck>();
        QCOMPARE(int(check.result), result);
        QCOMPARE(check.address, differingAddress);
        QCOMPARE(rig.link.status.text(StatusPanels::Link), status);
        QList<int> asked; // each address read, read twice
        for (const QByteArray& frame : rig.direct.sent) {
            const auto command = quint8(frame[0]);
            if (command == 20 || command == 72)
                asked.append(quint8(frame[1]) + (command == 72 ? 256 : 0));
        }
        std::sort(asked.begin(), asked.end());
        QList<int> twice;
        for (const int address : readBack)
            twice << address << address;
        QCOMPARE(asked, twice);
        // The image now holds what the controller holds.
        for (const int address : readBack)
            QCOMPARE(rig.link.image.at(address), controller.memory[size_t(address)]);
        QVERIFY(!rig.link.isBusy());
    }

    void wholeListIsReadBack() {
        LinkRig rig;
        WritingController controller(rig.direct);
        for (int ram = 64; ram <= 94; ++ram)
            rig.link.image.store(ram, quint8(ram));
        QSignalSpy checked(&rig.link, &ControllerLink::writeChecked);
        rig.link.sendWholeList();
        rig.runUntil([&] { return !checked.isEmpty(); });
        QCOMPARE(checked[0][0].value<WriteCheck>().result, WriteCheck::Result::Verified);
        QCOMPARE(rig.link.lastWritten().size(), size_t(62));
        for (int ram = 64; ram <= 94; ++ram)
            QCOMPARE(int(controller.memory[size_t(ram - 50 + 256)]), ram);
    }

    void aProcessorResetLeavesNothingToCompare() {
        LinkRig rig;
        WritingController controller(rig.direct);
        QSignalSpy checked(&rig.link, &ControllerLink::writeChecked);
        rig.link.preparedWrite() = resetWrite();
        rig.link.sendOneChange();
        rig.runUntil([&] { return !checked.isEmpty(); });
        QCOMPARE(checked[0][0].value<WriteCheck>().result, WriteCheck::Result::NotChecked);
        QCOMPARE(rig.direct.sent.size(), 2);
    }

    void aSilentControllerFailsTheReadBack() {
        LinkRig rig;
        rig.direct.open();
        QSignalSpy checked(&rig.link, &ControllerLink::writeChecked);
        rig.link.preparedWrite() = settingWrite(0, 48, 48, 30, false, 1);
        rig.link.sendOneChange();
        rig.runUntil([&] { return !checked.isEmpty(); });
        const auto check = checked[0][0].value<WriteCheck>();
        QCOMPARE(check.result, WriteCheck::Result::ReadFailed);
        QCOMPARE(check.readOutcome, ReadOutcome::Timeout);
    }

    void alarmUnitIsReadBackWhole_data() {
        QTest::addColumn<QList<int>>("lost"); // alarm-unit addresses whose frame never lands
        QTest::addColumn<bool>("verify");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("differingAddress");
        QTest::addColumn<QString>("status");
        QTest::newRow("all landed")
            << QList<int>{} << true << int(WriteCheck::Result::Verified) << -1 << "Verified";
        QTest::newRow("address 14 lost")
            << QList<int>{14} << true << int(WriteCheck::Result::Differs) << 14
            << "Differs at EEPROM 14";
        QTest::newRow("not verified")
            << QList<int>{14} << false << int(WriteCheck::Result::NotChecked) << -1 << "";
    }
    void alarmUnitIsReadBackWhole() {
        QFETCH(QList<int>, lost);
        QFETCH(bool, verify);
        QFETCH(int, result);
        QFETCH(int, differingAddress);
        QFETCH(QString, status);
        LinkRig rig;
        WritingController unit(rig.direct);
        unit.eepromNeedsEnable = false;
        for (const int address : lost)
            unit.lostWrites.insert(address + 256);
        for (int address = 0; address < AlarmUnitImage::Size; ++address)
            rig.link.alarmImage.store(address, quint8(address + 40));
        rig.link.setVerifyWrites(verify);
        QSignalSpy checked(&rig.link, &ControllerLink::writeChecked);

        rig.link.startAlarmUnitWrite();
        rig.runUntil([&] { return !checked.isEmpty(); });

        QCOMPARE(checked.size(), 1);
        const auto check = checked[0][0].value<WriteCheck>();
        QCOMPARE(check.write, PacedWrite::AlarmUnit);
        QCOMPARE(int(check.result), result);
        QCOMPARE(check.address, differingAddress);
        QCOMPARE(rig.link.status.text(StatusPanels::Link), status);
        // Read back, the alarm-unit image holds what the unit holds, all 21 bytes of it.
        const int reads =
            int(std::count_if(rig.direct.sent.begin(), rig.direct.sent.end(),
                              [](const QByteArray& f) { return quint8(f[0]) == 72; }));
        QCOMPARE(reads, verify ? 2 * AlarmUnitImage::Size : 0);
        if (verify) {
            for (int address = 0; address < AlarmUnitImage::Size; ++address)
                QCOMPARE(rig.link.alarmImage.at(address), unit.memory[size_t(address + 256)]);
        }
        QCOMPARE(rig.link.image.bytes(), MemoryImage().bytes());
    }
};

#include "testmain.h"
TARVIK_TEST_MAIN(PacedWritesTest, WriteVerificationTest)
#include "test_pacedwrites.moc"
