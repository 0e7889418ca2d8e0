#include "linkrig.h"

#include "link/historytestdata.h"
#include "sim/controller.h"

#include <QTest>

namespace {

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (const int v : values)
        out.append(static_cast<char>(v));
    return out;
}

// A device that answers the frames sent, in order, with the replies given; frames beyond the
// list get no answer.
void answerInTurn(FakeSerialPort& port, QList<QByteArray> replies) {
    QObject::connect(&port, &FakeSerialPort::bytesSent, &port, [&port, replies]() mutable {
        if (!replies.isEmpty())
            port.queueInput(replies.takeFirst());
    });
}

// The simulated controller on the fake port, answering at once.
void answerFromSimulator(FakeSerialPort& port, sim::Controller& controller) {
    QObject::connect(&port, &FakeSerialPort::bytesSent, &port,
                     [&port, &controller](const QByteArray& frame) {
                         port.queueInput(sim::joinedBytes(controller.receive(frame)));
                     });
}

sim::ControllerConfig steadyController() {
    sim::ControllerConfig config;
    config.drift = false;
    return config;
}

struct SingleRig : LinkRig {
    QSignalSpy replies{&link, &ControllerLink::singleReplied};

    SingleReply lastReply() const { return replies.last().at(0).value<SingleReply>(); }
    // Runs the ticks until the command has ended.
    void finish() {
        runUntil([this] { return !link.isBusy(); });
    }
};

} // namespace

Q_DECLARE_METATYPE(SingleEntry)

// The single command tool's commands on the wire and how their replies are shown.
class SingleCommandTest : public QObject {
    Q_OBJECT
private slots:
    void repliesShowAsTheToolShowsThem_data() {
        QTest::addColumn<SingleEntry>("entry");
        QTest::addColumn<bool>("siteMode");
        QTest::addColumn<QList<QByteArray>>("answers");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<QString>("hexadecimal");
        const QList<QByteArray> value12{bytes({200, 12})};
        QTest::newRow("RAM read") << SingleEntry::ReadRam << false << value12 << "Reply:"
                                  << "12"
                                  << "12 (0x0C)";
        QTest::newRow("value 200")
            << SingleEntry::ReadEeprom << false << QList<QByteArray>{bytes({200, 200})} << "Reply:"
            << "200"
            << "200 (0xC8)";
        QTest::newRow("error status")
            << SingleEntry::Loopback << false << QList<QByteArray>{bytes({245})} << "Error"
            << "5"
            << "5 (0x05)";
        QTest::newRow("other status")
            << SingleEntry::Loopback << false << QList<QByteArray>{bytes({77})} << "Reply:"
            << "77"
            << "77 (0x4D)";
        QTest::newRow("RAM write shows no value")
            << SingleEntry::WriteRam << false << QList<QByteArray>{bytes({201})} << "Reply:"
            << ""
            << "";
        QTest::newRow("EEPROM write shows no value")
            << SingleEntry::WriteEeprom << false << QList<QByteArray>{bytes({201}), bytes({201})}
            << "Reply:"
            << ""
            << "";
        // The write enable was taken, the write itself refused: that is what is shown.
        QTest::newRow("EEPROM write refused")
            << SingleEntry::WriteEeprom << false << QList<QByteArray>{bytes({201}), bytes({243})}
            << "Error"
            << "3"
            << "3 (0x03)";
        QTest::newRow("loopback in site mode") << SingleEntry::Loopback << true << value12 << "Site"
                                               << "12"
                                               << "12 (0x0C)";
    }
    void repliesShowAsTheToolShowsThem() {
        QFETCH(SingleEntry, entry);
        QFETCH(bool, siteMode);
        QFETCH(QList<QByteArray>, answers);
        SingleRig rig;
        rig.link.state.SiteMode = siteMode;
        answerInTurn(rig.direct, answers);
        QCOMPARE(rig.link.sendSingle(entry, 93, 0), ReadStart::Started);
        rig.finish();
        QFETCH(QString, caption);
        QFETCH(QString, decimal);
        QFETCH(QString, hexadecimal);
        QCOMPARE(rig.replies.size(), 1);
        const SingleReply reply = rig.lastReply();
        QCOMPARE(reply.captionText(0), caption);
        QCOMPARE(reply.text(NumberKind::Decimal, 0), decimal);
        QCOMPARE(reply.text(NumberKind::Hexadecimal, 0), hexadecimal);
        QVERIFY(!rig.link.isBusy());
        QVERIFY(!rig.clock.advanceToNextTimer()); // the reply trigger is gone
    }

    void framesOfTheCommands_data() {
        QTest::addColumn<SingleEntry>("entry");
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("data");
        QTest::addColumn<bool>("siteMode");
        QTest::addColumn<QList<QByteArray>>("frames");
        QTest::newRow("RAM read") << SingleEntry::ReadRam << 93 << 0 << false
                                  << QList<QByteArray>{bytes({0x14, 0x5D, 0x00, 0xEB})};
        QTest::newRow("RAM read, site 240")
            << SingleEntry::ReadRam << 93 << 0 << true
            << QList<QByteArray>{bytes({0xF0, 0x14, 0x5D, 0x00, 0x61})};
        QTest::newRow("EEPROM read") << SingleEntry::ReadEeprom << 43 << 0 << false
                                     << QList<QByteArray>{bytes({0x48, 0x2B, 0x00, 0xB7})};
        QTest::newRow("RAM write") << SingleEntry::WriteRam << 64 << 9 << false
                                   << QList<QByteArray>{bytes({0x98, 0x40, 0x09, 0x67})};
        // The write enable first, the EEPROM write one poll later.
        QTest::newRow("EEPROM write")
            << SingleEntry::WriteEeprom << 44 << 7 << false
            << QList<QByteArray>{bytes({0x98, 0xE2, 0x01, 0x67}), bytes({0xCA, 0x2C, 0x07, 0x35})};
        QTest::newRow("loopback") << SingleEntry::Loopback << 0 << 33 << false
                                  << QList<QByteArray>{bytes({0xBB, 0x00, 0x21, 0x44})};
    }
    void framesOfTheCommands() {
        QFETCH(SingleEntry, entry);
        QFETCH(int, address);
        QFETCH(int, data);
        QFETCH(bool, siteMode);
        QFETCH(QList<QByteArray>, frames);
        SingleRig rig;
        rig.link.state.SiteMode = siteMode;
        rig.link.sendSingle(entry, address, data);
        QCOMPARE(rig.direct.sent.size(), 1);
        rig.clock.advance(TransactionEngine::DirectPollTicks);
        QCOMPARE(rig.direct.sent, frames);
    }

    void refusedWhileTheLinkIsBusyOrThePortWillNotOpen() {
        SingleRig rig;
        rig.link.startRead(ReadKind::Current, Requester::Window);
        QCOMPARE(rig.link.sendSingle(SingleEntry::ReadRam, 1, 0), ReadStart::Busy);
        QCOMPARE(rig.direct.sent.size(), 1);

        SingleRig closed;
        closed.direct.failOpen = true;
        QCOMPARE(closed.link.sendSingle(SingleEntry::ReadRam, 1, 0), ReadStart::PortUnusable);
        QVERIFY(closed.direct.sent.isEmpty());
        QVERIFY(!closed.link.isBusy());
    }

    // An EEPROM write leaves nothing behind that would steer the replies of a later read.
    void aReadAfterAnEepromWriteRunsAsUsual() {
        SingleRig rig;
        answerInTurn(rig.direct, {bytes({201}), bytes({201})});
        rig.link.sendSingle(SingleEntry::WriteEeprom, 44, 7);
        rig.finish();
        QObject::disconnect(&rig.direct, &FakeSerialPort::bytesSent, nullptr, nullptr);
        std::array<quint8, 512> memory{};
        memory.fill(5);
        rig.answerFrom(memory);
        QCOMPARE(rig.link.startRead(ReadKind::Current, Requester::Window), ReadStart::Started);
        rig.finish();
        QCOMPARE(rig.outcome(0), ReadOutcome::Completed);
        QCOMPARE(rig.link.image.at(221), 5);
    }

    void noReplyShowsTimeoutAndNothingElse() {
        SingleRig rig;
        rig.link.sendSingle(SingleEntry::ReadRam, 93, 0);
        rig.clock.advance(10);
        QVERIFY(!rig.link.isBusy());
        QCOMPARE(rig.link.status.text(StatusPanels::Link), QStringLiteral("Timeout"));
        QVERIFY(rig.replies.isEmpty());
        QCOMPARE(rig.done.size(), 1);
        QCOMPARE(rig.outcome(0), ReadOutcome::Timeout);
    }

    void setSiteExchange_data() {
        QTest::addColumn<int>("newSite");
        QTest::newRow("site 12") << 12;
        // The interface answers with the new number; 200 is one of them, with no data byte.
        QTest::newRow("site 200") << 200;
    }
    void setSiteExchange() {
        QFETCH(int, newSite);
        SingleRig rig;
        rig.link.state.SiteMode = true;
        rig.link.setSiteKeySource([] { return 77; });
        answerInTurn(rig.direct, {bytes({250}), bytes({newSite})});
        rig.link.sendSingle(SingleEntry::SetSite, 0, newSite);
        QCOMPARE(rig.direct.sent.at(0), bytes({240, 187, 101, 77, (240 + 187 + 101 + 77) % 256}));
        rig.clock.advance(TransactionEngine::DirectPollTicks);
        QCOMPARE(rig.direct.sent.size(), 2);
        QCOMPARE(rig.direct.sent.at(1),
                 bytes({240, 187, 77, newSite, (240 + 187 + 77 + newSite) % 256}));
        QCOMPARE(rig.lastReply().text(NumberKind::Decimal, 0), QStringLiteral("Send"));
        QVERIFY(rig.link.isBusy());
        rig.clock.advance(TransactionEngine::DirectPollTicks);
        QCOMPARE(rig.replies.size(), 2);
        QCOMPARE(rig.lastReply().captionText(0), QStringLiteral("Site"));
        QCOMPARE(rig.lastReply().text(NumberKind::Decimal, 0), QString::number(newSite));
        QVERIFY(!rig.link.isBusy());
        QVERIFY(!rig.link.inspectSingle().SiteSetAck);
    }

    void setSiteExchangeEndsOnAnyOtherFirstReplyOrSilence() {
        SingleRig other;
        other.link.state.SiteMode = true;
        answerInTurn(other.direct, {bytes({200, 9})});
        other.link.sendSingle(SingleEntry::SetSite, 0, 12);
        other.finish();
        QCOMPARE(other.direct.sent.size(), 1);
        QCOMPARE(other.lastReply().text(NumberKind::Decimal, 0), QStringLiteral("9"));
        QVERIFY(!other.link.inspectSingle().SiteSetPending);

        SingleRig silent;
        silent.link.state.SiteMode = true;
        answerInTurn(silent.direct, {bytes({250})});
        silent.link.sendSingle(SingleEntry::SetSite, 0, 12);
        silent.finish();
        QCOMPARE(silent.direct.sent.size(), 2);
        QCOMPARE(silent.lastReply().text(NumberKind::Decimal, 0), QStringLiteral("Error"));
        QCOMPARE(silent.outcome(0), ReadOutcome::Timeout);
        QVERIFY(!silent.link.inspectSingle().SiteSetAck);
    }

    void historyFillWritesTheRecordsOnTheController_data() {
        QTest::addColumn<SingleEntry>("entry");
        QTest::newRow("clear") << SingleEntry::ClearHistory;
        QTest::newRow("test data") << SingleEntry::TestHistory;
    }
    void historyFillWritesTheRecordsOnTheController() {
        QFETCH(SingleEntry, entry);
        SingleRig rig;
        sim::Controller controller(steadyController());
        answerFromSimulator(rig.direct, controller);
        QCOMPARE(rig.link.sendSingle(entry, 0, 0), ReadStart::Started);
        rig.finish();

        // Today's index first, then EEPROM 255 down to 46, each write after its write enable.
        QList<int> written;
        for (const sim::Frame& frame : controller.frames()) {
            if (frame.command == sim::Command::WriteEeprom)
                written << frame.address;
            else
                QCOMPARE(frame, (sim::Frame{sim::Command::WriteRam, 226, 1, -1}));
        }
        QCOMPARE(written.size(), HistoryTestData::FillWrites);
        QCOMPARE(written.first(), 45);
        QCOMPARE(written.at(1), 255);
        QCOMPARE(written.last(), 46);
        QCOMPARE(controller.imageByte(256 + 45), 0);
        const bool clear = entry == SingleEntry::ClearHistory;
        for (int day = 0; day < HistoryTestData::Days; ++day) {
            const auto record = HistoryTestData::recordBytes(day);
            for (int field = 0; field < HistoryTestData::RecordSize; ++field)
                QCOMPARE(controller.imageByte(256 + 46 + 7 * day + field),
                         clear ? 0 : record.at(size_t(field)));
        }
        QCOMPARE(rig.read().ReadNum, 0);
        QCOMPARE(rig.lastReply().captionText(0), QStringLiteral("Reply:"));
        QVERIFY(!rig.link.inspectSingle().HistoryFill);
    }

    // Replies that come a tick after their frame: the fill still ends only once the last write
    // has been answered, so nothing of it is left on the line.
    void aFillEndsOnItsLastWritesReply() {
        SingleRig rig;
        sim::Controller controller(steadyController());
        QByteArray late;
        QObject::connect(&rig.direct, &FakeSerialPort::bytesSent, &rig.direct,
                         [&](const QByteArray& frame) {
                             late.append(sim::joinedBytes(controller.receive(frame)));
                         });
        rig.link.sendSingle(SingleEntry::ClearHistory, 0, 0);
        while (rig.link.isBusy()) {
            rig.direct.queueInput(std::exchange(late, QByteArray()));
            QVERIFY(rig.clock.advanceToNextTimer());
        }
        QCOMPARE(controller.frames().size(), 2 * HistoryTestData::FillWrites);
        QVERIFY(late.isEmpty());
        QCOMPARE(rig.direct.pendingInput(), 0);
        QCOMPARE(rig.replies.size(), 1);
        QCOMPARE(rig.lastReply().status, 201);
    }

    void testHistoryWritesRecord29sLastByteFirst() {
        QCOMPARE(HistoryTestData::fillValue(210, false), 17); // (301 div 256) x 16 + 401 div 256
        QCOMPARE(HistoryTestData::fillValue(1, false), 150);  // day 0, VMAX
        QCOMPARE(HistoryTestData::fillValue(12, false), 224); // day 1, IN 480 mod 256
        QCOMPARE(HistoryTestData::fillValue(210, true), 0);
    }

    // A controller that refuses the history writes must not look as if it took them.
    void aRefusedFillEndsShowingTheError() {
        SingleRig rig;
        QObject::connect(
            &rig.direct, &FakeSerialPort::bytesSent, &rig.direct, [&rig](const QByteArray& frame) {
                rig.direct.queueInput(bytes({static_cast<quint8>(frame.at(0)) == 202 ? 243 : 201}));
            });
        rig.link.sendSingle(SingleEntry::ClearHistory, 0, 0);
        rig.finish();
        QCOMPARE(rig.lastReply().captionText(0), QStringLiteral("Error"));
        QCOMPARE(rig.lastReply().text(NumberKind::Decimal, 0), QStringLiteral("3"));
    }
};

#include "testmain.h"
TARVIK_TEST_MAIN(SingleCommandTest)

#include "test_singlecommand.moc"
