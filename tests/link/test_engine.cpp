#include "linkrig.h"

#include <QTest>
#include <numeric>

namespace {
QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (const int v : values)
        out.append(static_cast<char>(v));
    return out;
}

// What holds when a read is asked for.
enum Condition { Ready, StartingUp, ReadRunning, Dialling, ModemDown, PortRefuses };

void prepare(LinkRig& rig, Condition condition) {
    switch (condition) {
    case Ready:
        break;
    case StartingUp:
        rig.link.state.StartupPending = true;
        break;
    case ReadRunning:
        rig.link.startRead(ReadKind::Current, Requester::Window);
        break;
    case Dialling:
        rig.link.state.Dialling = true;
        break;
    case ModemDown:
        rig.link.state.DirectMode = false;
        break;
    case PortRefuses:
        rig.direct.failOpen = true;
        break;
    }
}

std::array<quint8, 512> patternMemory() {
    std::array<quint8, 512> memory{};
    for (size_t i = 0; i < memory.size(); ++i)
        memory[i] = static_cast<quint8>((i * 7 + 3) & 0xFF);
    return memory;
}

// A controller that answers each read frame one tick after it, from patternMemory(); the
// faults say which frames (counted from 0) lose their reply, get their data byte late or their
// status garbled on the line.
struct PacedController {
    enum Fault { None, Dropped, LateData, GarbledStatus };
    static constexpr int ReplyTicks = 1, LateDataTicks = 3;

    PacedController(LinkRig& rig, QMap<int, Fault> faults) : rig_(rig), faults_(faults) {
        QObject::connect(&rig.direct, &FakeSerialPort::bytesSent, &rig.direct,
                         [this](const QByteArray& frame) { answer(frame); });
    }

    QList<long> sendTicks;
    QList<QByteArray> frames;

private:
    void answer(const QByteArray& frame) {
        const Fault fault = faults_.value(static_cast<int>(frames.size()), None);
        sendTicks << rig_.clock.now();
        frames << frame;
        if (fault == Dropped)
            return;
        const auto address = static_cast<size_t>(static_cast<quint8>(frame.at(1)));
        const char value = static_cast<char>(patternMemory()[address]);
        if (fault == LateData) {
            after(ReplyTicks, bytes({200}));
            after(LateDataTicks, QByteArray(1, value));
        } else if (fault == GarbledStatus) {
            after(ReplyTicks, bytes({7}).append(value));
        } else {
            after(ReplyTicks, bytes({200}).append(value));
        }
    }

    void after(int ticks, const QByteArray& reply) {
        timers_.push_back(rig_.clock.createTimer());
        QObject::connect(timers_.back().get(), &TickTimer::fired, &rig_.direct,
                         [this, reply] { rig_.direct.queueInput(reply); });
        timers_.back()->start(ticks);
    }

    LinkRig& rig_;
    QMap<int, Fault> faults_;
    std::vector<std::unique_ptr<TickTimer>> timers_;
};

// The ticks between one send and the next.
QList<long> gaps(const QList<long>& ticks) {
    QList<long> out;
    for (qsizetype i = 1; i < ticks.size(); ++i)
        out << ticks.at(i) - ticks.at(i - 1);
    return out;
}
} // namespace

// Reply polling, timeouts, the double check and the watchdog, on virtual ticks.
class TransactionEngineTest : public QObject {
    Q_OBJECT
private slots:
    void dataByteInTheSamePollCompletesAtOnce() {
        LinkRig rig;
        QCOMPARE(rig.link.startRead(ReadKind::Current, Requester::Window), ReadStart::Started);
        QCOMPARE(rig.direct.sent.size(), 1);
        QCOMPARE(rig.direct.sent[0], bytes({20, 221, 0, 235}));
        rig.reply(100);
        rig.clock.advance(2);
        QCOMPARE(rig.direct.sent.size(), 2); // first reading taken, the address is read again
        QCOMPARE(rig.engine().match.MatchCount, 1);
        rig.reply(100);
        rig.clock.advance(2);
        QCOMPARE(int(rig.link.image.at(221)), 100);
        QCOMPARE(rig.read().ReadNum, 21);
        QCOMPARE(rig.link.status.text(StatusPanels::Link), QStringLiteral("21"));
        QCOMPARE(rig.addressesSent().last(), 217); // next address of the list
    }

    void dataByteOnePollLateCompletesOnePollLater() {
        LinkRig rig;
        rig.link.startRead(ReadKind::Current, Requester::Window);
        rig.direct.queueInput(bytes({200}));
        rig.clock.advance(2);
        QVERIFY(rig.engine().ReplyPhase);
        QCOMPARE(rig.direct.sent.size(), 1);
        rig.direct.queueInput(bytes({42}));
        rig.clock.advance(1);
        QCOMPARE(rig.direct.sent.size(), 1); // polls come every 2 ticks
        rig.clock.advance(1);
        QCOMPARE(rig.direct.sent.size(), 2);
        QCOMPARE(int(rig.engine().match.MatchReadings[0]), 42);
    }

    void fourTimeoutsEndTheRead() {
        LinkRig rig;
        rig.link.startRead(ReadKind::Current, Requester::Window);
        rig.clock.advance(39);
        QCOMPARE(rig.done.size(), 0);
        QCOMPARE(rig.direct.sent.size(), 4); // resent after each of three timeouts
        rig.clock.advance(1);
        QCOMPARE(rig.done.size(), 1);
        QCOMPARE(rig.outcome(0), ReadOutcome::Timeout);
        QCOMPARE(rig.beepCount(), 3);
        QVERIFY(!rig.link.isBusy());
        QCOMPARE(rig.link.status.text(StatusPanels::Link), QStringLiteral("Timeout"));
        QCOMPARE(rig.addressesSent(), QList<int>({221, 221, 221, 221}));
        QVERIFY(rig.link.valid.CurrentDataValid); // a failed read still counts as ended
        QVERIFY(!rig.clock.advanceToNextTimer()); // nothing left polling
    }

    void threeTimeoutsThenAGoodReadingContinue() {
        LinkRig rig;
        rig.link.startRead(ReadKind::Current, Requester::Window);
        rig.clock.advance(30);
        QCOMPARE(rig.engine().RetryCount, 3);
        rig.reply(7);
        rig.clock.advance(2);
        QCOMPARE(rig.engine().RetryCount, 0);
        rig.reply(7);
        rig.clock.advance(2);
        QCOMPARE(int(rig.link.image.at(221)), 7);
        QCOMPARE(rig.done.size(), 0);
    }

    void readingsThatKeepDifferingFailAfterEleven() {
        LinkRig rig;
        rig.link.startRead(ReadKind::Current, Requester::Window);
        for (int reading = 0; reading < 11; ++reading) {
            QCOMPARE(rig.done.size(), 0);
            rig.reply(reading % 2 == 0 ? 17 : 18);
            rig.clock.advance(2);
        }
        QCOMPARE(rig.done.size(), 1);
        QCOMPARE(rig.outcome(0), ReadOutcome::Mismatch);
        QCOMPARE(int(rig.link.image.at(221)), 0);
        // No further frame: the link is free at once and a new read starts.
        QCOMPARE(rig.direct.sent.size(), 11);
        QVERIFY(!rig.link.isBusy());
        QVERIFY(!rig.clock.advanceToNextTimer());
        QCOMPARE(rig.link.startRead(ReadKind::Current, Requester::Window), ReadStart::Started);
    }

    void repliesWithoutDataAreRequestedAgainAtOnce() {
        LinkRig rig;
        rig.link.startRead(ReadKind::Current, Requester::Window);
        rig.reply(9);
        rig.clock.advance(2);
        rig.direct.queueInput(bytes({243})); // an error status, no data byte
        rig.clock.advance(2);
        QCOMPARE(rig.direct.sent.size(), 3);
        QCOMPARE(rig.engine().match.MatchCount, 1); // unchanged
        rig.reply(9);
        rig.clock.advance(2);
        QCOMPARE(int(rig.link.image.at(221)), 9);
    }

    void endlessRepliesWithoutDataEndTheRead() {
        LinkRig rig;
        rig.link.startRead(ReadKind::Current, Requester::Window);
        for (int i = 0; i < TransactionEngine::MaxNoDataReplies; ++i) {
            QCOMPARE(rig.done.size(), 0);
            rig.direct.queueInput(bytes({0x55}));
            rig.clock.advance(2);
        }
        QCOMPARE(rig.done.size(), 1);
        QCOMPARE(rig.outcome(0), ReadOutcome::NoData);
        QCOMPARE(rig.link.status.text(StatusPanels::Link), QStringLiteral("No Data Reply"));
        QVERIFY(!rig.link.isBusy());
        QVERIFY(!rig.clock.advanceToNextTimer());
    }

    // Taken as replies, stray bytes would shift every later reply by a frame or two, and at each
    // new address the stale readings of the one before would agree and be stored.
    void bytesLeftOverFromEarlierRepliesAreNeverTaken() {
        LinkRig rig;
        const auto memory = patternMemory();
        rig.answerFrom(memory);
        rig.link.startRead(ReadKind::Current, Requester::Window);
        rig.reply(9);
        rig.reply(9); // two stray replies behind the first frame's own
        rig.clock.advance(2);
        QCOMPARE(rig.direct.pendingInput(), 2); // the second frame's reply alone
        rig.runUntil([&rig] { return !rig.done.isEmpty(); });
        QCOMPARE(rig.outcome(0), ReadOutcome::Completed);
        QCOMPARE(rig.direct.sent.size(), 2 * 22);
        for (const int address : readList(ReadKind::Current))
            QCOMPARE(rig.link.image.at(address), memory[size_t(address)]);
    }

    void watchdogFreesBusyTenToElevenSecondsAfterTheLastSend() {
        LinkRig rig;
        rig.link.startRead(ReadKind::Current, Requester::Window);
        QVERIFY(rig.link.isBusy());
        for (int second = 0; second < 10; ++second)
            rig.link.watchdogStep();
        QVERIFY(rig.link.isBusy());
        rig.link.watchdogStep();
        QVERIFY(!rig.link.isBusy());
    }

    void modemLinkPollsAtThePathDelay() {
        LinkRig rig;
        rig.link.state.DirectMode = false;
        rig.link.state.ModemConnected = true;
        rig.link.state.pathTimeDelay = 20;
        rig.modem.open();
        QCOMPARE(rig.link.startRead(ReadKind::Current, Requester::Window), ReadStart::Started);
        QCOMPARE(rig.modem.sent.size(), 1);
        QCOMPARE(rig.direct.sent.size(), 0);
        rig.clock.advance(81);
        QCOMPARE(rig.modem.sent.size(), 1);
        rig.clock.advance(1);
        QCOMPARE(rig.modem.sent.size(), 2); // timeout 2 + 4 x 20 ticks after the send
        QCOMPARE(rig.engine().RetryCount, 1);
    }

    void singleCommandFailsOnItsFirstTimeout() {
        LinkRig rig;
        rig.link.sendSingle(SingleEntry::Loopback, 1, 2);
        rig.clock.advance(10);
        QVERIFY(!rig.link.isBusy());
        QCOMPARE(rig.link.status.text(StatusPanels::Link), QStringLiteral("Timeout"));
        QCOMPARE(rig.direct.sent.size(), 1);
    }

    void singleCommandReportsItsReply() {
        LinkRig rig;
        QSignalSpy replies(&rig.link, &ControllerLink::singleReplied);
        rig.link.sendSingle(SingleEntry::ReadRam, 93, 0);
        rig.reply(12);
        rig.clock.advance(2);
        QCOMPARE(replies.size(), 1);
        QCOMPARE(replies[0].at(0).value<SingleReply>().value, 12);
        QVERIFY(!rig.link.isBusy());
    }

    void aPortLostDuringTheReadIsToldApartFromSilence() {
        LinkRig rig;
        rig.link.startRead(ReadKind::Current, Requester::Window);
        rig.reply(4);
        rig.clock.advance(2);
        rig.direct.close(); // the device went away
        rig.clock.advance(40);
        QCOMPARE(rig.done.size(), 1);
        QCOMPARE(rig.outcome(0), ReadOutcome::PortLost);
        QCOMPARE(rig.read().address(), 221); // where the read stopped
        QCOMPARE(rig.beepCount(), 3);
        QVERIFY(!rig.clock.advanceToNextTimer());
    }
};

// Which addresses a sequence reads, in which order, and how it starts and ends.
class ReadSequenceTest : public QObject {
    Q_OBJECT
private slots:
    // Entries 1..count of every read sequence, written out as the controller's memory map has
    // them; the read goes from the last entry to the first, each address twice.
    void sequencesReadTheirAddressesLastEntryFirst_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QList<int>>("entries");
        QTest::newRow("current") << 2 << QList<int>{0,   32,  93,  101, 52,  181, 182, 183,
                                                    188, 189, 193, 194, 198, 199, 203, 204,
                                                    205, 206, 207, 213, 217, 221};
        QTest::newRow("status") << 3 << QList<int>{21, 37, 48, 53, 63, 95, 96, 98, 115, 184};
        QTest::newRow("settings 1") << 4 << QList<int>{0, 48, 93, 33, 115, 69, 70, 71, 101};
        QTest::newRow("settings 2")
            << 5 << QList<int>{87, 85, 83, 82, 84, 74, 86, 75, 76, 77, 73, 92};
        QTest::newRow("settings 3") << 6 << QList<int>{88, 89, 78, 94, 72};
        QTest::newRow("settings 4")
            << 7 << QList<int>{90, 79, 80, 91, 81, 188, 189, 193, 194, 198, 199, 203, 204};
        QTest::newRow("settings 5") << 8 << QList<int>{116, 92, 64, 65, 66, 67, 68, 181, 96, 94};
        QTest::newRow("calibration")
            << 9 << QList<int>{33, 34, 35, 36, 214, 215, 218, 219, 230, 231, 234, 235, 238, 239};
        QList<int> history(213);
        std::iota(history.begin(), history.end(), 299); // EEPROM 43..255
        history.append(93);
        QTest::newRow("history") << 10 << history;
        QTest::newRow("alarm unit")
            << 11 << QList<int>{256, 257, 258, 259, 260, 261, 262, 263, 264, 265, 266,
                                267, 268, 269, 270, 271, 272, 273, 274, 275, 276};
    }
    void sequencesReadTheirAddressesLastEntryFirst() {
        QFETCH(int, type);
        QFETCH(QList<int>, entries);
        LinkRig rig;
        rig.answerFrom(patternMemory());
        QSignalSpy steps(&rig.link, &ControllerLink::readStepped);
        QCOMPARE(rig.link.startRead(type, Requester::Window), ReadStart::Started);
        while (rig.done.isEmpty() && rig.clock.advanceToNextTimer()) {
        }
        QCOMPARE(rig.outcome(0), ReadOutcome::Completed);
        QCOMPARE(steps.size(), entries.size());
        QCOMPARE(readCount(type), entries.size());
        QList<int> expected;
        for (auto entry = entries.crbegin(); entry != entries.crend(); ++entry)
            expected << *entry << *entry;
        QCOMPARE(rig.addressesSent(), expected);
        QCOMPARE(readAddress(type, 0), -1);
        QCOMPARE(readAddress(type, int(entries.size()) + 1), -1);
    }

    void currentReadFillsOnlyItsAddresses() {
        LinkRig rig;
        const auto memory = patternMemory();
        rig.answerFrom(memory);
        QSignalSpy steps(&rig.link, &ControllerLink::readStepped);
        QCOMPARE(rig.link.startRead(ReadKind::Current, Requester::Window), ReadStart::Started);
        while (rig.done.isEmpty() && rig.clock.advanceToNextTimer()) {
        }
        QCOMPARE(rig.done.size(), 1);
        QCOMPARE(rig.done[0].at(0).toInt(), 2);
        QCOMPARE(rig.outcome(0), ReadOutcome::Completed);
        QCOMPARE(steps.size(), 22);
        const auto& list = readList(2);
        for (int address = 0; address < 512; ++address) {
            const bool read = std::find(list.begin(), list.end(), address) != list.end();
            QCOMPARE(int(rig.link.image.at(address)), read ? memory[size_t(address)] : 0);
        }
        const QList<int> sent = rig.addressesSent();
        QCOMPARE(sent.size(), 44);
        QCOMPARE(sent.first(), 221);
        QCOMPARE(sent.last(), 0);
        QVERIFY(rig.link.valid.CurrentDataValid);
        QVERIFY(!rig.link.valid.StatusDataValid);
        QVERIFY(!rig.link.isBusy());
    }

    void historyReadGoesFromRam93ThroughEeprom255DownTo43() {
        LinkRig rig;
        rig.link.state.DebugMode = true;
        QSignalSpy trace(&rig.link.trace, &TraceLog::lineAdded);
        rig.answerFrom(patternMemory());
        rig.link.startRead(ReadKind::History, Requester::Window);
        while (rig.done.isEmpty() && rig.clock.advanceToNextTimer()) {
        }
        QCOMPARE(rig.direct.sent.size(), 2 * 214);
        QCOMPARE(rig.direct.sent.at(0), bytes({0x14, 0x5D, 0x00, 0xEB}));
        QCOMPARE(rig.direct.sent.at(2), bytes({0x48, 0xFF, 0x00, 0xB7}));
        QCOMPARE(rig.direct.sent.last(), bytes({0x48, 0x2B, 0x00, 0xB7}));
        QCOMPARE(trace.at(0).at(0).toString(), QStringLiteral("ReadNum: 214; ReadAddress: 93"));
    }

    void alarmUnitReadFillsItsOwnImage() {
        LinkRig rig;
        auto memory = patternMemory();
        rig.answerFrom(memory);
        rig.link.startRead(ReadKind::AlarmUnit, Requester::AlarmUnit);
        while (rig.done.isEmpty() && rig.clock.advanceToNextTimer()) {
        }
        for (int index = 0; index < AlarmUnitImage::Size; ++index)
            QCOMPARE(int(rig.link.alarmImage.at(index)), int(memory[size_t(256 + index)]));
        for (int address = 0; address < 512; ++address)
            QCOMPARE(int(rig.link.image.at(address)), 0);
    }

    void siteModeFramesCarryTheSite() {
        LinkRig rig;
        rig.link.state.SiteMode = true;
        rig.link.state.siteNumber = 240;
        rig.link.startRead(ReadKind::History, Requester::Window);
        QCOMPARE(rig.direct.sent.at(0), bytes({0xF0, 0x14, 0x5D, 0x00, 0x61}));
    }

    // Each reason a read does not start, what the status panel then says, and that nothing is
    // sent for it.
    void refusedStartsSayWhy_data() {
        QTest::addColumn<int>("condition");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("language");
        QTest::addColumn<ReadStart>("start");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("beeps");
        QTest::newRow("start-up pending")
            << int(StartingUp) << 2 << 0 << ReadStart::StartupPending << "Starting Up" << 0;
        QTest::newRow("busy") << int(ReadRunning) << 3 << 0 << ReadStart::Busy << "Link Busy" << 0;
        QTest::newRow("dialling") << int(Dialling) << 2 << 0 << ReadStart::Dialling << "Dialling"
                                  << 0;
        QTest::newRow("dialling, in German")
            << int(Dialling) << 2 << 3 << ReadStart::Dialling << "Wählvorgang" << 0;
        QTest::newRow("modem without carrier")
            << int(ModemDown) << 2 << 0 << ReadStart::PortUnusable << "Comm Fail" << 1;
        QTest::newRow("direct port will not open")
            << int(PortRefuses) << 10 << 0 << ReadStart::PortUnusable << "Comm Fail" << 1;
        QTest::newRow("single command")
            << int(Ready) << 1 << 0 << ReadStart::NoSuchSequence << "No Such Read" << 0;
        QTest::newRow("no type") << int(Ready) << 0 << 0 << ReadStart::NoSuchSequence
                                 << "No Such Read" << 0;
        QTest::newRow("past the last sequence")
            << int(Ready) << 12 << 0 << ReadStart::NoSuchSequence << "No Such Read" << 0;
    }
    void refusedStartsSayWhy() {
        QFETCH(int, condition);
        QFETCH(int, type);
        QFETCH(int, language);
        QFETCH(ReadStart, start);
        QFETCH(QString, shown);
        QFETCH(int, beeps);
        LinkRig rig;
        rig.link.state.LanguageIndex = language;
        prepare(rig, Condition(condition));
        const int sentBefore = int(rig.direct.sent.size());

        QCOMPARE(rig.link.startRead(type, Requester::Window), start);
        QCOMPARE(rig.link.status.text(StatusPanels::Link), shown);
        QCOMPARE(readStartText(start, language), shown);
        QCOMPARE(rig.beepCount(), beeps);
        QCOMPARE(rig.direct.sent.size(), sentBefore);
        QVERIFY(rig.modem.sent.isEmpty());
        QCOMPARE(rig.link.isBusy(), condition == ReadRunning);
    }

    void aRefusedStartNeverChangesTheRunningRead_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<Requester>("requester");
        QTest::newRow("status") << 3 << Requester::Window;
        QTest::newRow("history") << 10 << Requester::Window;
        QTest::newRow("calibration") << 9 << Requester::CalibrationButton;
        QTest::newRow("log read") << 2 << Requester::MainWindow;
        QTest::newRow("alarm unit") << 11 << Requester::AlarmUnit;
        QTest::newRow("no such sequence") << 12 << Requester::Window;
    }
    void aRefusedStartNeverChangesTheRunningRead() {
        QFETCH(int, type);
        QFETCH(Requester, requester);
        LinkRig rig;
        rig.answerFrom(patternMemory());
        rig.link.startRead(ReadKind::Current, Requester::Window);
        rig.clock.advance(4); // the first address is accepted
        const ReadState before = rig.read();

        QCOMPARE(rig.link.startRead(type, requester), ReadStart::Busy);
        QCOMPARE(rig.read().ReadType, before.ReadType);
        QCOMPARE(rig.read().ReadNum, before.ReadNum);
        QCOMPARE(rig.read().Requester, before.Requester);
        while (rig.done.isEmpty() && rig.clock.advanceToNextTimer()) {
        }
        QCOMPARE(rig.done.size(), 1);
        QCOMPARE(rig.done[0].at(0).toInt(), int(ReadKind::Current));
        QCOMPARE(rig.outcome(0), ReadOutcome::Completed);
        QCOMPARE(rig.addressesSent().size(), 44);
    }

    void aPortThatWillNotOpenFailsTheCommunication() {
        LinkRig rig;
        rig.direct.failOpen = true;
        QSignalSpy portBeeps(&rig.link.ports, &LinkPorts::beep);
        QSignalSpy failed(&rig.link, &ControllerLink::commFailed);
        QCOMPARE(rig.link.startRead(ReadKind::History, Requester::Window), ReadStart::PortUnusable);
        QCOMPARE(rig.link.status.text(StatusPanels::Link), QStringLiteral("Comm Fail"));
        QCOMPARE(portBeeps.size(), 1);
        QCOMPARE(portBeeps[0].at(0).toInt(), 2);
        QCOMPARE(rig.beepCount(), 1);
        QCOMPARE(failed.size(), 1);
        QCOMPARE(failed[0].at(0).value<Requester>(), Requester::Window);
        QVERIFY(!rig.link.isBusy());
        QVERIFY(rig.direct.sent.isEmpty());
    }

    void logReadChainsCurrentAndStatus() {
        LinkRig rig;
        rig.answerFrom(patternMemory());
        rig.link.log.LogPending = true;
        // The log read chooses its own types, whatever the caller names.
        QCOMPARE(rig.link.startRead(ReadKind::History, Requester::MainWindow), ReadStart::Started);
        while (rig.done.size() < 2 && rig.clock.advanceToNextTimer()) {
        }
        QCOMPARE(rig.done.size(), 2);
        QCOMPARE(rig.done[0].at(0).toInt(), 2);
        QCOMPARE(rig.done[1].at(0).toInt(), 3);
        QCOMPARE(rig.outcome(1), ReadOutcome::Completed);
        QVERIFY(rig.link.log.LogReady);
        QVERIFY(!rig.link.log.LogPending);
        QVERIFY(rig.link.valid.StatusDataValid);
    }

    void debugTraceShowsEveryByte() {
        LinkRig rig;
        rig.link.state.DebugMode = true;
        QSignalSpy trace(&rig.link.trace, &TraceLog::lineAdded);
        rig.link.startRead(ReadKind::Current, Requester::Window);
        rig.reply(0x3C);
        rig.clock.advance(2);
        QCOMPARE(trace.at(0).at(0).toString(),
                 QStringLiteral("2024-03-05 14:07:09 Direct Sent 4 chars: 0x14 0xDD 0x00 0xEB "));
        QCOMPARE(trace.at(1).at(0).toString(), QStringLiteral("Received 1 char: 0xC8 "));
        QCOMPARE(trace.at(2).at(0).toString(), QStringLiteral("Received 1 char: 0x3C "));
    }

    void noTraceWithoutDebugMode() {
        LinkRig rig;
        QSignalSpy trace(&rig.link.trace, &TraceLog::lineAdded);
        rig.link.startRead(ReadKind::History, Requester::Window);
        rig.reply(1);
        rig.clock.advance(2);
        QCOMPARE(trace.size(), 0);
    }
};

// Fast replies take away only the wait for a reply that has already arrived.
class FastRepliesTest : public QObject {
    Q_OBJECT
private slots:
    void onlyTheWaitForAnArrivedReplyGoes() {
        // Frame 2 loses its reply (a timeout and the same frame again), frame 5 gets its data
        // byte late, frame 9's garbled status is a reply without data, asked again at the poll.
        const QMap<int, PacedController::Fault> faults{{2, PacedController::Dropped},
                                                       {5, PacedController::LateData},
                                                       {9, PacedController::GarbledStatus}};
        struct Run {
            QList<long> gaps;
            QList<QByteArray> frames;
        };
        const auto run = [&faults](bool fast) {
            LinkRig rig;
            rig.link.state.fastReplies = fast;
            PacedController controller(rig, faults);
            rig.link.startRead(ReadKind::Current, Requester::Window);
            rig.runUntil([&rig] { return !rig.done.isEmpty(); });
            [&] {
                QCOMPARE(rig.done.size(), 1);
                QCOMPARE(rig.outcome(0), ReadOutcome::Completed);
                for (const int address : readList(ReadKind::Current))
                    QCOMPARE(rig.link.image.at(address), patternMemory()[size_t(address)]);
            }();
            return Run{gaps(controller.sendTicks), controller.frames};
        };
        // Each frame's wait: normal, after the lost reply, the late data byte, the garbled status.
        const auto expected = [&faults](qsizetype frames, long normal, long late) {
            const QMap<PacedController::Fault, long> waits{{PacedController::None, normal},
                                                           {PacedController::Dropped, 10},
                                                           {PacedController::LateData, late},
                                                           {PacedController::GarbledStatus, 2}};
            QList<long> out;
            for (int frame = 0; frame + 1 < frames; ++frame)
                out << waits.value(faults.value(frame, PacedController::None));
            return out;
        };

        const Run polled = run(false);
        const Run fast = run(true);
        QCOMPARE(polled.frames.size(), 2 * 22 + 2);
        QCOMPARE(fast.frames, polled.frames);
        QCOMPARE(polled.gaps, expected(polled.frames.size(), 2, 4));
        QCOMPARE(fast.gaps, expected(fast.frames.size(), 1, 3));
    }

    void singleCommandsKeepTheirPoll() {
        LinkRig rig;
        rig.link.state.fastReplies = true;
        rig.direct.open();
        QSignalSpy replies(&rig.link, &ControllerLink::singleReplied);
        rig.link.sendSingle(SingleEntry::ReadRam, 10, 0);
        rig.reply(42);
        QCoreApplication::processEvents();
        QCOMPARE(replies.size(), 0);
        rig.clock.advance(2);
        QCOMPARE(replies.size(), 1);
    }
};

#include "testmain.h"
TARVIK_TEST_MAIN(TransactionEngineTest, ReadSequenceTest, FastRepliesTest)
#include "test_engine.moc"
