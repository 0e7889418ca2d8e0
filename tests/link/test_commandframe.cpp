#include "testmain.h"

#include "link/commandframe.h"
#include "link/linkports.h"
#include "link/trace.h"

#include <QTest>

namespace {
QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (const int v : values)
        out.append(static_cast<char>(v));
    return out;
}
} // namespace

class CommandFrameTest : public QObject {
    Q_OBJECT
private slots:
    void framesOnTheWire_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("data");
        QTest::addColumn<bool>("siteMode");
        QTest::addColumn<int>("site");
        QTest::addColumn<QByteArray>("frame");
        QTest::newRow("read RAM 0x5D plain")
            << 20 << 0x5D << 0 << false << 0 << bytes({0x14, 0x5D, 0x00, 0xEB});
        QTest::newRow("read RAM 0x5D site 240")
            << 20 << 0x5D << 0 << true << 240 << bytes({0xF0, 0x14, 0x5D, 0x00, 0x61});
        QTest::newRow("read RAM 0 plain")
            << 20 << 0 << 0 << false << 0 << bytes({0x14, 0x00, 0x00, 0xEB});
        QTest::newRow("loopback plain")
            << 187 << 0 << 0 << false << 0 << bytes({0xBB, 0x00, 0x00, 0x44});
        QTest::newRow("EEPROM read site 0")
            << 72 << 0x2B << 0 << true << 0 << bytes({0x00, 0x48, 0x2B, 0x00, 0x73});
        QTest::newRow("site sum wraps")
            << 202 << 255 << 255 << true << 240 << bytes({240, 202, 255, 255, 184});
        QTest::newRow("trailer ignores address and data")
            << 72 << 0xFF << 0x12 << false << 0 << bytes({0x48, 0xFF, 0x12, 0xB7});
        QTest::newRow("RAM write trailer")
            << 152 << 1 << 2 << false << 0 << bytes({0x98, 0x01, 0x02, 0x67});
        QTest::newRow("EEPROM write trailer")
            << 202 << 1 << 2 << false << 0 << bytes({0xCA, 0x01, 0x02, 0x35});
        QTest::newRow("wide values cut to 8 bits")
            << 20 << 0x15D << 0x101 << false << 0 << bytes({0x14, 0x5D, 0x01, 0xEB});
    }
    void framesOnTheWire() {
        QFETCH(int, command);
        QFETCH(int, address);
        QFETCH(int, data);
        QFETCH(bool, siteMode);
        QFETCH(int, site);
        QFETCH(QByteArray, frame);
        WriteEnableState writeEnable;
        QCOMPARE(buildframe(command, address, data, {siteMode, site}, writeEnable), frame);
    }

    void kindsMapToCommandBytes() {
        const std::array<int, 8> expected{187, 20, 72, 152, 202, 187, 187, 187};
        for (int kind = 0; kind < 8; ++kind)
            QCOMPARE(int(commandByteForKind(kind)), expected[static_cast<size_t>(kind)]);
    }

    void eepromWriteIsPrecededByWriteEnable() {
        WriteEnableState we;
        we.WriteEnablePending = 1;
        QCOMPARE(buildframe(202, 0x40, 0x77, {false, 0}, we), bytes({0x98, 0xE2, 0x01, 0x67}));
        QCOMPARE(we.StashedKind, 4);
        QCOMPARE(we.StashedAddress, 0x40);
        QCOMPARE(we.StashedData, 0x77);
        QCOMPARE(we.WriteEnablePending, 1); // the substitution leaves it for the caller

        we.WriteEnablePending = 0;
        QCOMPARE(buildframe(202, we.StashedAddress, we.StashedData, {false, 0}, we),
                 bytes({0xCA, 0x40, 0x77, 0x35}));
    }

    void writeEnableInSiteModeCarriesItsOwnSum() {
        WriteEnableState we;
        we.WriteEnablePending = 1;
        QCOMPARE(buildframe(202, 9, 9, {true, 5}, we),
                 bytes({5, 152, 226, 1, (5 + 152 + 226 + 1) & 0xFF}));
    }

    void anyOtherCommandDropsAPendingWriteEnable() {
        WriteEnableState we;
        we.WriteEnablePending = 1;
        buildframe(20, 0, 0, {false, 0}, we);
        QCOMPARE(we.WriteEnablePending, 0);
        QCOMPARE(buildframe(202, 1, 2, {false, 0}, we), bytes({0xCA, 0x01, 0x02, 0x35}));
    }

    void datamatchAcceptsTwoEqualReadingsInARow_data() {
        QTest::addColumn<QList<int>>("readings");
        QTest::addColumn<int>("acceptedAfter"); // 0: never within the readings
        QTest::newRow("17 18 18") << QList<int>{17, 18, 18} << 3;
        QTest::newRow("5 5") << QList<int>{5, 5} << 2;
        QTest::newRow("zeros count like any value") << QList<int>{0, 0} << 2;
        QTest::newRow("alternating never")
            << QList<int>{17, 18, 17, 18, 17, 18, 17, 18, 17, 18, 17} << 0;
        QTest::newRow("equal but not adjacent") << QList<int>{1, 2, 1} << 0;
    }
    void datamatchAcceptsTwoEqualReadingsInARow() {
        QFETCH(QList<int>, readings);
        QFETCH(int, acceptedAfter);
        MatchState m;
        int accepted = 0;
        for (int i = 0; i < readings.size() && accepted == 0; ++i) {
            m.DataReceived = true;
            QVERIFY(recordReading(m, static_cast<std::uint8_t>(readings[i])));
            if (datamatch(m))
                accepted = i + 1;
            else
                ++m.MatchCount;
        }
        QCOMPARE(accepted, acceptedAfter);
    }

    // A reply taken as a read reply once a failed read has used its eleven slots is never kept.
    void aReadingAfterTheSlotsRanOutIsNeverKept() {
        MatchState m;
        for (int reading = 0; reading <= MatchState::LastSlot; ++reading) {
            QVERIFY(recordReading(m, static_cast<std::uint8_t>(reading % 2 == 0 ? 17 : 18)));
            ++m.MatchCount;
        }
        const auto before = m.MatchReadings;
        QVERIFY(!recordReading(m, 99));
        QCOMPARE(m.MatchReadings, before);
    }

    void datamatchNeedsADataByteAndAPreviousReading() {
        MatchState m;
        m.MatchCount = 1;
        m.MatchReadings[0] = m.MatchReadings[1] = 9;
        m.DataReceived = false;
        QVERIFY(!datamatch(m));
        m.DataReceived = true;
        QVERIFY(datamatch(m));
        m.MatchCount = 0;
        QVERIFY(!datamatch(m));
    }
};

class TraceTest : public QObject {
    Q_OBJECT
private slots:
    void hexDumpKeepsItsTrailingSpace() {
        QCOMPARE(hexDump(bytes({20, 93, 0, 235})), QStringLiteral("0x14 0x5D 0x00 0xEB "));
        QCOMPARE(hexDump({}), QString());
    }
    void traceLines() {
        const QDateTime t(QDate(2024, 3, 5), QTime(14, 7, 9));
        QCOMPARE(
            sentTraceLine(t, 0, bytes({0xF0, 0x14, 0x5D, 0x00, 0x61})),
            QStringLiteral("2024-03-05 14:07:09 Direct Sent 5 chars: 0xF0 0x14 0x5D 0x00 0x61 "));
        QCOMPARE(sentTraceLine(t, 1, bytes({0x0A})),
                 QStringLiteral("2024-03-05 14:07:09 Modem Sent 1 chars: 0x0A "));
        QCOMPARE(receivedTraceLine(0xC8), QStringLiteral("Received 1 char: 0xC8 "));
        QCOMPARE(readAddressTraceLine(213, 511), QStringLiteral("ReadNum: 213; ReadAddress: 511"));
    }
};

class ComPortTextTest : public QObject {
    Q_OBJECT
private slots:
    void comPortEdit_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");
        QTest::newRow("leading zeros") << "007" << 7;
        QTest::newRow("zero becomes 1") << "0" << 1;
        QTest::newRow("above 254 keeps") << "300" << 4;
        QTest::newRow("not a number keeps") << "abc" << 4;
        QTest::newRow("negative becomes 1") << "-3" << 1;
        QTest::newRow("upper limit") << "254" << 254;
        QTest::newRow("empty keeps") << "" << 4;
    }
    void comPortEdit() {
        QFETCH(QString, text);
        QFETCH(int, expected);
        QCOMPARE(LinkPorts::applyComPortText(text, 4), expected);
    }
};

TARVIK_TEST_MAIN(CommandFrameTest, TraceTest, ComPortTextTest)

#include "test_commandframe.moc"
