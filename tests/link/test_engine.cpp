#include "linkrig.h"

#include <QTest>

namespace {
QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (const int v : values)
        out.append(static_cast<char>(v));
    return out;
}

std::array<quint8, 512> patternMemory() {
    std::array<quint8, 512> memory{};
    for (size_t i = 0; i < memory.size(); ++i)
        memory[i] = static_cast<quint8>((i * 7 + 3) & 0xFF);
    return memory;
}
} // namespace

// Reply polling, timeouts, the double check and the watchdog, on virtual ticks.
class TransactionEngineTest : public QObject {
    Q_OBJECT
private slots:
    void dataByteInTheSamePollCompletesAtOnce() {
        LinkRig rig;
        QVERIFY(rig.link.startRead(ReadKind::Current, Requester::Window));
        QCOMPARE(rig.direct.sent.size(), 1);
        QCOMPARE(rig.direct.sent[0], bytes({20, 221, 0, 235}));
        rig.reply(100);
        rig.clock.advance(2);
        QCOMPARE(rig.direct.sent.size(), 2); // first reading taken, the address is read again
        QCOMPARE(rig.engine().match.MatchCount, 1);
        rig.reply(100);
        rig.clock.advance(2);
        QCOMPARE(int(rig.link.image.at(221)), 100);
        QCOMPARE(rig.engine().ReadNum, 21);
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
        QCOMPARE(rig.done[0].at(1).toBool(), true);
        QCOMPARE(rig.beepCount(), 3);
        QVERIFY(!rig.engine().Busy);
        QCOMPARE(rig.engine().lastFailure, ReadFailure::Timeout);
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
        QVERIFY(rig.done[0].at(1).toBool());
        QCOMPARE(rig.engine().lastFailure, ReadFailure::Mismatch);
        QCOMPARE(int(rig.link.image.at(221)), 0);
        // One more frame goes out for the same address, but its reply is never awaited; the
        // watchdog frees the link.
        QCOMPARE(rig.direct.sent.size(), 12);
        QVERIFY(rig.engine().Busy);
        QVERIFY(!rig.clock.advanceToNextTimer());
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
        QCOMPARE(rig.engine().lastFailure, ReadFailure::NoData);
        QCOMPARE(rig.link.status.text(StatusPanels::Link), QStringLiteral("No Data Reply"));
        QVERIFY(!rig.engine().Busy);
        QVERIFY(!rig.clock.advanceToNextTimer());
    }

    void bytesAlreadyWaitingAreTakenAsTheReply() {
        LinkRig rig;
        rig.link.startRead(ReadKind::Current, Requester::Window);
        rig.reply(5);
        rig.reply(5); // arrives before the second frame is even sent
        rig.clock.advance(2);
        QCOMPARE(rig.direct.pendingInput(), 2);
        rig.clock.advance(2);
        QCOMPARE(int(rig.link.image.at(221)), 5);
        QCOMPARE(rig.direct.sent.size(), 3);
    }

    void watchdogFreesBusyTenToElevenSecondsAfterTheLastSend() {
        LinkRig rig;
        rig.link.engine.sendcommand(1, 0, 0);
        QVERIFY(rig.engine().Busy);
        for (int second = 0; second < 10; ++second)
            rig.link.engine.watchdogStep();
        QVERIFY(rig.engine().Busy);
        rig.link.engine.watchdogStep();
        QVERIFY(!rig.engine().Busy);

        rig.engine().Busy = true;
        rig.engine().BusyWatchdog = 50; // clamped to ten
        for (int second = 0; second < 10; ++second)
            rig.link.engine.watchdogStep();
        QVERIFY(rig.engine().Busy);
    }

    void modemLinkPollsAtThePathDelay() {
        LinkRig rig;
        rig.link.state.DirectMode = false;
        rig.link.state.ModemConnected = true;
        rig.link.state.pathTimeDelay = 20;
        rig.modem.open();
        QVERIFY(rig.link.startRead(ReadKind::Current, Requester::Window));
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
        rig.direct.open();
        rig.engine().ReadType = ReadKind::Single;
        rig.link.engine.sendcommand(5, 1, 2);
        rig.clock.advance(10);
        QVERIFY(!rig.engine().Busy);
        QCOMPARE(rig.link.status.text(StatusPanels::Link), QStringLiteral("Timeout"));
        QCOMPARE(rig.direct.sent.size(), 1);
    }

    void singleCommandReportsItsReply() {
        LinkRig rig;
        rig.direct.open();
        QSignalSpy replies(&rig.link.engine, &TransactionEngine::singleCommandReply);
        rig.engine().ReadType = ReadKind::Single;
        rig.link.engine.sendcommand(1, 93, 0);
        rig.reply(12);
        rig.clock.advance(2);
        QCOMPARE(replies.size(), 1);
        QCOMPARE(replies[0].at(0).toInt(), 12);
        QVERIFY(replies[0].at(1).toBool());
        QVERIFY(!rig.engine().Busy);
    }

    void aReadReplyAfterTheReadingsRanOutIsNeverStored() {
        LinkRig rig;
        rig.link.startRead(ReadKind::Current, Requester::Window);
        rig.engine().match.MatchCount = 11; // as left by a read that failed its double check
        rig.reply(1);
        rig.clock.advance(2);
        QCOMPARE(rig.engine().match.MatchCount, 11);
        QCOMPARE(rig.engine().lastFailure, ReadFailure::Mismatch);
        QCOMPARE(rig.done.size(), 1);
    }
};

// Which addresses a sequence reads, in which order, and how it starts and ends.
class ReadSequenceTest : public QObject {
    Q_OBJECT
private slots:
    void listsHaveTheirCounts_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::newRow("current") << 2 << 22 << 221 << 0;
        QTest::newRow("status") << 3 << 10 << 184 << 21;
        QTest::newRow("settings 1") << 4 << 9 << 101 << 0;
        QTest::newRow("settings 2") << 5 << 12 << 92 << 87;
        QTest::newRow("settings 3") << 6 << 5 << 72 << 88;
        QTest::newRow("settings 4") << 7 << 13 << 204 << 90;
        QTest::newRow("settings 5") << 8 << 10 << 94 << 116;
        QTest::newRow("calibration") << 9 << 14 << 239 << 33;
        QTest::newRow("history") << 10 << 214 << 93 << 299;
        QTest::newRow("alarm unit") << 11 << 21 << 276 << 256;
    }
    void listsHaveTheirCounts() {
        QFETCH(int, type);
        QFETCH(int, count);
        QFETCH(int, first);
        QFETCH(int, last);
        QCOMPARE(readCount(type), count);
        QCOMPARE(readAddress(type, count), first); // read first
        QCOMPARE(readAddress(type, 1), last);      // read last
        QCOMPARE(readAddress(type, 0), -1);
    }

    void currentReadFillsOnlyItsAddresses() {
        LinkRig rig;
        const auto memory = patternMemory();
        rig.answerFrom(memory);
        QSignalSpy steps(&rig.link.reads, &ReadSequencer::readStepped);
        QVERIFY(rig.link.startRead(ReadKind::Current, Requester::Window));
        while (rig.done.isEmpty() && rig.clock.advanceToNextTimer()) {
        }
        QCOMPARE(rig.done.size(), 1);
        QCOMPARE(rig.done[0].at(0).toInt(), 2);
        QVERIFY(!rig.done[0].at(1).toBool());
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
        QVERIFY(!rig.engine().Busy);
    }

    void historyReadBeginsWithRam93ThenEeprom255() {
        LinkRig rig;
        rig.link.state.DebugMode = true;
        QSignalSpy trace(&rig.link.trace, &TraceLog::lineAdded);
        rig.answerFrom(patternMemory());
        rig.link.startRead(ReadKind::History, Requester::Window);
        rig.clock.advance(4);
        QCOMPARE(rig.direct.sent.at(0), bytes({0x14, 0x5D, 0x00, 0xEB}));
        QCOMPARE(rig.direct.sent.at(2), bytes({0x48, 0xFF, 0x00, 0xB7}));
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

    void requestsAreRefusedWhileStartingBusyOrDialling() {
        LinkRig rig;
        rig.link.state.StartupPending = true;
        QVERIFY(!rig.link.startRead(ReadKind::Current, Requester::Window));
        rig.link.state.StartupPending = false;
        rig.link.state.Dialling = true;
        QVERIFY(!rig.link.startRead(ReadKind::Current, Requester::Window));
        rig.link.state.Dialling = false;
        QVERIFY(rig.link.startRead(ReadKind::Current, Requester::Window));
        QVERIFY(!rig.link.startRead(ReadKind::Status, Requester::MainWindow));
        QCOMPARE(rig.direct.sent.size(), 1);
        QCOMPARE(rig.engine().ReadType, 2); // the running read keeps its type
    }

    void aPortThatWillNotOpenFailsTheCommunication() {
        LinkRig rig;
        rig.direct.failOpen = true;
        QSignalSpy portBeeps(&rig.link.ports, &LinkPorts::beep);
        QSignalSpy failed(&rig.link.engine, &TransactionEngine::commFailed);
        QVERIFY(!rig.link.startRead(ReadKind::History, Requester::Window));
        QCOMPARE(rig.link.status.text(StatusPanels::Link), QStringLiteral("Comm Fail"));
        QCOMPARE(portBeeps.size(), 1);
        QCOMPARE(portBeeps[0].at(0).toInt(), 2);
        QCOMPARE(rig.beepCount(), 1);
        QCOMPARE(failed.size(), 1);
        QCOMPARE(failed[0].at(0).toInt(), 1);
        QVERIFY(!rig.engine().Busy);
        QVERIFY(rig.direct.sent.isEmpty());
    }

    void modemLinkWithoutCarrierSendsNothing() {
        LinkRig rig;
        rig.link.state.DirectMode = false;
        QVERIFY(!rig.link.startRead(ReadKind::Current, Requester::Window));
        QCOMPARE(rig.link.status.text(StatusPanels::Link), QStringLiteral("Comm Fail"));
        QVERIFY(rig.modem.sent.isEmpty());
    }

    void logReadChainsCurrentAndStatus() {
        LinkRig rig;
        rig.answerFrom(patternMemory());
        rig.link.log.LogPending = true;
        QVERIFY(rig.link.reads.Getdata(Requester::MainWindow));
        while (rig.done.size() < 2 && rig.clock.advanceToNextTimer()) {
        }
        QCOMPARE(rig.done.size(), 2);
        QCOMPARE(rig.done[0].at(0).toInt(), 2);
        QCOMPARE(rig.done[1].at(0).toInt(), 3);
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

#include "testmain.h"
TARVIK_TEST_MAIN(TransactionEngineTest, ReadSequenceTest)
#include "test_engine.moc"
