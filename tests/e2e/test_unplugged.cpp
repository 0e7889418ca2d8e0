#include "clirun.h"
#include "programlink.h"
#include "testmain.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace {

constexpr int StartMs = 10000;

// tarvik-sim as a user starts it, on a fixed link path that outlives it, like the name of a USB
// adapter that is pulled and plugged in again.
struct Adapter {
    explicit Adapter(const QString& path) : linkPath(path) {}

    QString linkPath;
    QProcess process;

    bool plugIn() {
        process.start(QStringLiteral(TARVIK_SIM_PATH),
                      {"--no-drift", "--baud", "9600", "--link", linkPath});
        return process.waitForStarted(StartMs) &&
               QTest::qWaitFor([this] { return process.canReadLine(); }, StartMs);
    }
    void pull() {
        process.kill();
        process.waitForFinished();
    }
    ~Adapter() {
        if (process.state() != QProcess::NotRunning)
            pull();
    }
};

} // namespace

// The simulator killed in the middle of a read and started again on the same path: the loss is
// reported once, and the next read works without starting the program again.
class UnpluggedAdapterTest : public QObject {
    Q_OBJECT
private slots:
    void theLinkReportsTheLossOnceAndReadsAgain() {
        QTemporaryDir dir;
        Adapter adapter(dir.filePath("adapter"));
        QVERIFY(adapter.plugIn());
        ProgramLink program(adapter.linkPath, 3);
        ControllerLink& link = program.link;
        QSignalSpy ended(&link, &ControllerLink::readEnded);
        QSignalSpy stepped(&link, &ControllerLink::readStepped);
        QSignalSpy lost(&link.ports.Comport1, &SerialPort::portFailed);
        QSignalSpy beeps(&link, &ControllerLink::beep);

        QCOMPARE(link.startRead(ReadKind::History, Requester::Window), ReadStart::Started);
        QVERIFY(QTest::qWaitFor([&] { return stepped.size() >= 5; }, StartMs));
        adapter.pull();
        QVERIFY(QTest::qWaitFor([&] { return !ended.isEmpty(); }, StartMs));
        QCOMPARE(ended.at(0).at(1).value<ReadOutcome>(), ReadOutcome::PortLost);
        QTest::qWait(300); // a vanished device keeps erroring: none of it is reported again
        QCOMPARE(lost.size(), 1);
        QCOMPARE(lost.at(0).at(0).value<PortFailure>().fault, PortFault::StoppedAnswering);
        QCOMPARE(beeps.size(), 1);
        QCOMPARE(beeps.at(0).at(0).toInt(), 3);

        QVERIFY(adapter.plugIn());
        link.state.fastReplies = true; // quicker, and the same road back
        QCOMPARE(link.startRead(ReadKind::Current, Requester::Window), ReadStart::Started);
        QVERIFY(QTest::qWaitFor([&] { return ended.size() == 2; }, StartMs));
        QCOMPARE(ended.at(1).at(1).value<ReadOutcome>(), ReadOutcome::Completed);
        QCOMPARE(lost.size(), 1);
    }

    void aCliLoopCarriesOnOnceTheAdapterIsBack() {
        QTemporaryDir dir;
        Adapter adapter(dir.filePath("adapter"));
        QVERIFY(adapter.plugIn());
        const QStringList port{"--port", adapter.linkPath, "--baud", "9600"};
        QCOMPARE(runCli(port + QStringList{"--fast", "read", "current"}).exitCode, 0);

        QProcess cli;
        cli.start(QStringLiteral(TARVIK_CLI_PATH),
                  port + QStringList{"--debug", "read", "history"});
        QByteArray err;
        QVERIFY(QTest::qWaitFor(
            [&] {
                err += cli.readAllStandardError();
                return err.count("Sent 4 chars") >= 10;
            },
            StartMs));
        adapter.pull();
        QVERIFY(QTest::qWaitFor([&] { return cli.state() == QProcess::NotRunning; }, StartMs));
        err += cli.readAllStandardError();
        QCOMPARE(cli.exitCode(), 1);
        QCOMPARE(err.count("the port was lost"), 1);
        QCOMPARE(err.count("the device stopped answering"), 1);

        const CliRun unplugged = runCli(port + QStringList{"read", "current"});
        QCOMPARE(unplugged.exitCode, 1);
        QVERIFY2(unplugged.err.contains("does not exist"), unplugged.err.constData());

        QVERIFY(adapter.plugIn());
        const CliRun back = runCli(port + QStringList{"--fast", "read", "current", "--json"});
        QVERIFY2(back.exitCode == 0, back.err.constData());
        QVERIFY(back.json().value("complete").toBool());
    }
};

TARVIK_TEST_MAIN(UnpluggedAdapterTest)

#include "test_unplugged.moc"
