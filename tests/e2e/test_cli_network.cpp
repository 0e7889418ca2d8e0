#include "clirun.h"
#include "loopbackports.h"
#include "simulatedline.h"
#include "testmain.h"

#include "sim/tcpline.h"

#include <QProcess>

// tarvik-cli through a serial-over-network adapter, played by the simulator's TCP line.
class CliNetworkPortTest : public QObject {
    Q_OBJECT
private slots:
    // The status read runs several reads one after the other, each opening the port again.
    void readsOverTheNetworkEqualCableReads_data() {
        QTest::addColumn<QString>("what");
        QTest::newRow("current") << "current";
        QTest::newRow("status") << "status";
    }
    void readsOverTheNetworkEqualCableReads() {
        QFETCH(QString, what);
        const auto config = steadyConfig(sim::Model::VX60, sim::SystemVoltage::V24);
        SimulatedLine cable(config);
        QVERIFY(cable.line.open());
        sim::Controller networked(config);
        sim::TcpLine adapter(networked);
        QVERIFY2(adapter.listen(0), qPrintable(adapter.errorString()));

        const CliRun overCable = readJson(cable.line.devicePath(), "2400", -1, what);
        const CliRun overNetwork = readJson(loopback(adapter.port()), "2400", -1, what);
        QVERIFY2(overCable.exitCode == 0, overCable.err.constData());
        QVERIFY2(overNetwork.exitCode == 0, overNetwork.err.constData());
        QVERIFY(overNetwork.json().value("complete").toBool());
        QCOMPARE(overNetwork.json(), overCable.json());
        QCOMPARE(addressesRead(networked).first(), 221);
    }

    void aRefusedConnectionExitsOneSayingSo() {
        const CliRun run = runCli({"--port", loopback(closedPort()), "read", "current", "--json"});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains("the connection was refused"), run.err.constData());
        QCOMPARE(run.json().value("complete").toBool(true), false);
        QVERIFY(run.elapsedMs < 10000);
    }

    void aMalformedAddressIsRefusedAtOnce() {
        const CliRun run = runCli({"--port", "tcp://127.0.0.1", "read", "current"});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains("tcp://127.0.0.1 is not a network port address"),
                 run.err.constData());
        QVERIFY(run.out.isEmpty());
    }

    void simulatorKilledMidReadEndsTheReadCleanly() {
        QProcess simulator;
        simulator.start(QStringLiteral(TARVIK_SIM_PATH), {"--tcp", "0"});
        QVERIFY(QTest::qWaitFor([&] { return simulator.canReadLine(); }, 10000));
        const QString listening = QString::fromUtf8(simulator.readLine()).trimmed();
        QVERIFY2(listening.startsWith("tcp:127.0.0.1:"), qPrintable(listening));
        const QString port = listening.section(u':', 2);

        QProcess cli;
        cli.start(QStringLiteral(TARVIK_CLI_PATH),
                  {"--port", "tcp://127.0.0.1:" + port, "--debug", "read", "current", "--json"});
        QByteArray trace;
        QVERIFY(QTest::qWaitFor(
            [&] {
                trace += cli.readAllStandardError();
                return trace.count("Sent 4 chars") >= 10;
            },
            20000));
        simulator.kill();
        simulator.waitForFinished();
        QVERIFY(QTest::qWaitFor([&] { return cli.state() == QProcess::NotRunning; }, 20000));
        trace += cli.readAllStandardError();
        QCOMPARE(cli.exitStatus(), QProcess::NormalExit);
        QCOMPARE(cli.exitCode(), 1);
        QVERIFY2(trace.contains("read failed"), trace.constData());
        QVERIFY2(trace.contains("the connection was dropped"), trace.constData());
    }
};

TARVIK_TEST_MAIN(CliNetworkPortTest)

#include "test_cli_network.moc"
