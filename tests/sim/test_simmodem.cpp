#include "testmain.h"

#include "sim/hayesmodem.h"

#include <QTest>

namespace {

constexpr int GuardMs = 60;

// The modem on its own: what it sends back, as one byte string.
struct ModemBench {
    sim::Controller controller{sim::ControllerConfig{}};
    sim::HayesModem modem{controller, config()};
    QByteArray said;

    ModemBench() {
        modem.setSend(
            [this](const QList<sim::ReplyChunk>& chunks) { said += sim::joinedBytes(chunks); });
    }
    static sim::ModemConfig config() {
        sim::ModemConfig config;
        config.ringDelayMs = 0;
        config.guardMs = GuardMs;
        return config;
    }
    QByteArray take() { return std::exchange(said, {}); }
    void connect() {
        modem.receive("ATDT0123\r\n");
        QTRY_VERIFY(modem.online());
        take();
    }
};

const QByteArray ReadFrame("\x14\xDD\x00\xEB", 4);

} // namespace

// The simulated modem's command and on-line modes.
class SimModemTest : public QObject {
    Q_OBJECT
private slots:
    void commandLinesGetResultCodes() {
        ModemBench bench;
        bench.modem.receive("AT&K0&Q0&D0\r\n");
        QCOMPARE(bench.take(), QByteArray("\r\nOK\r\n"));
        bench.modem.receive("ATDP0123\r\n");
        QTRY_VERIFY(!bench.said.isEmpty());
        QCOMPARE(bench.take(), QByteArray("\r\nCONNECT 2400\r\n"));
        QCOMPARE(bench.modem.heard(), QStringList({"AT&K0&Q0&D0", "ATDP0123"}));
    }

    void onLineTheBytesReachTheController() {
        ModemBench bench;
        bench.connect();
        bench.modem.receive(ReadFrame);
        QCOMPARE(bench.controller.frames().size(), 1);
        QCOMPARE(bench.take().at(0), char(200));
    }

    // Pluses followed at once by more bytes are data; only a guarded escape leaves the line.
    void theEscapeNeedsSilenceOnBothSides() {
        ModemBench bench;
        bench.connect();
        QTest::qWait(GuardMs * 2);
        bench.modem.receive("+++" + ReadFrame);
        QTest::qWait(GuardMs * 2);
        QVERIFY(bench.modem.online());
        QCOMPARE(bench.controller.frames().size(), 1); // the frame after the pluses still came

        bench.modem.receive("+++");
        QTRY_VERIFY(!bench.modem.online());
        QVERIFY(bench.take().endsWith("\r\nOK\r\n"));
        QVERIFY(bench.modem.callUp());
        bench.modem.receive("ATO\r\n");
        QVERIFY(bench.modem.online());
        QCOMPARE(bench.take(), QByteArray("\r\nCONNECT 2400\r\n"));
    }

    void hangingUpSaysNoCarrier() {
        ModemBench bench;
        bench.connect();
        QTest::qWait(GuardMs * 2);
        bench.modem.receive("+++");
        QTRY_VERIFY(!bench.modem.online());
        bench.take();
        bench.modem.receive("ATH0\r\n");
        QCOMPARE(bench.take(), QByteArray("\r\nNO CARRIER\r\n"));
        QVERIFY(!bench.modem.callUp());
        bench.modem.receive("ATO\r\n");
        QCOMPARE(bench.take(), QByteArray("\r\nNO CARRIER\r\n"));
    }
};

TARVIK_TEST_MAIN(SimModemTest)

#include "test_simmodem.moc"
