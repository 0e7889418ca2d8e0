#include "clirun.h"
#include "loopbackports.h"
#include "simulatedline.h"
#include "testmain.h"

#include "sim/hayesmodem.h"
#include "sim/tcpline.h"

#include <QFile>
#include <QTemporaryDir>
#include <memory>

namespace {

// A simulated controller behind a Hayes modem, on a pseudo-terminal or a network port. It notes
// how many frames the controller had heard when the modem heard each command.
struct ModemSite {
    sim::Controller controller;
    sim::HayesModem modem;
    std::unique_ptr<sim::PtyLine> pty;
    std::unique_ptr<sim::TcpLine> tcp;
    QList<QPair<QString, qsizetype>> heard;

    ModemSite(bool network, sim::ModemConfig config)
        : controller(steadyConfig(sim::Model::VX60, sim::SystemVoltage::V24)),
          modem(controller, config) {
        QObject::connect(&modem, &sim::HayesModem::heardCommand, [this](const QString& command) {
            heard.append({command, controller.frames().size()});
        });
        if (network) {
            tcp = std::make_unique<sim::TcpLine>(controller);
            tcp->putModemInFront(modem);
        } else {
            pty = std::make_unique<sim::PtyLine>(controller);
            pty->putModemInFront(modem);
        }
    }
    bool open() { return tcp ? tcp->listen(0) : pty->open(); }
    QString device() const { return tcp ? loopback(tcp->port()) : pty->devicePath(); }
    QStringList commands() const {
        QStringList out;
        for (const auto& [command, frames] : heard)
            out << command;
        return out;
    }
};

sim::ModemConfig quickModem(sim::ModemAnswer answer = sim::ModemAnswer::Connect) {
    sim::ModemConfig config;
    config.answer = answer;
    config.ringDelayMs = 300;
    return config;
}

CliRun dialledRead(const ModemSite& site, const QString& what) {
    return runCli({"--port", site.device(), "--baud", "2400", "--dial", "0123", "--pulse", "read",
                   what, "--json"});
}

} // namespace

// tarvik-cli dialling the simulated site's modem, over a pseudo-terminal and a network port.
class CliModemTest : public QObject {
    Q_OBJECT
private slots:
    void aDialledReadEqualsACableRead_data() {
        QTest::addColumn<bool>("network");
        QTest::newRow("pseudo-terminal") << false;
        QTest::newRow("network port") << true;
    }
    void aDialledReadEqualsACableRead() {
        QFETCH(bool, network);
        ModemSite site(network, quickModem());
        QVERIFY(site.open());
        SimulatedLine cable(steadyConfig(sim::Model::VX60, sim::SystemVoltage::V24));
        QVERIFY(cable.line.open());

        const CliRun overCable = readJson(cable.line.devicePath(), "2400", -1, "current");
        const CliRun dialled = dialledRead(site, "current");
        QVERIFY2(dialled.exitCode == 0, dialled.err.constData());
        QVERIFY(dialled.json().value("complete").toBool());
        QCOMPARE(dialled.json(), overCable.json());

        // Set-up, dial, the reads while on line, then the escape and the hang-up.
        QCOMPARE(site.commands(), QStringList({"AT&K0&Q0&D0", "ATDP0123", "+++", "ATH0"}));
        QCOMPARE(site.heard.at(1).second, 0);
        QCOMPARE(site.heard.at(2).second, site.controller.frames().size());
        QCOMPARE(addressesRead(site.controller).first(), 221);
        QCOMPARE(addressesRead(site.controller).last(), 0);
        QVERIFY(!site.modem.callUp());
    }

    // The periodic log for cron: one entry from a call to the site.
    void aDialledLogWritesOneEntry() {
        ModemSite site(false, quickModem());
        QVERIFY(site.open());
        QTemporaryDir dir;
        const QString csv = dir.filePath(QStringLiteral("LOGFILE.CSV"));
        const CliRun run =
            runCli({"--port", site.device(), "--baud", "2400", "--dial", "0123", "log",
                    "--log-file", dir.filePath(QStringLiteral("LogFile")), "--csv", csv});
        QVERIFY2(run.exitCode == 0, run.err.constData());
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().count("\r\n"), 1);
        QCOMPARE(site.commands(), QStringList({"AT&K0&Q0&D0", "ATDT0123", "+++", "ATH0"}));
    }

    void aFailedDialExitsOneNamingTheModemsAnswer_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QByteArray>("code");
        QTest::newRow("busy") << int(sim::ModemAnswer::Busy) << QByteArray("BUSY");
        QTest::newRow("no answer") << int(sim::ModemAnswer::NoAnswer) << QByteArray("NO ANSWER");
    }
    void aFailedDialExitsOneNamingTheModemsAnswer() {
        QFETCH(int, answer);
        QFETCH(QByteArray, code);
        ModemSite site(false, quickModem(sim::ModemAnswer(answer)));
        QVERIFY(site.open());
        const CliRun run = dialledRead(site, "current");
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains("dial failed: the modem answered " + code), run.err.constData());
        QVERIFY(run.out.isEmpty());
        QVERIFY(site.controller.frames().isEmpty());
    }

    void aModemPortThatDoesNotExistExitsOne() {
        const CliRun run =
            runCli({"--port", "/dev/no-such-modem", "--dial", "0123", "read", "current"});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains("cannot open the modem port: /dev/no-such-modem does not exist"),
                 run.err.constData());
    }

    // The far end hangs up half way through the read: the read ends saying so, and the program
    // still puts its own line down.
    void carrierDroppedMidReadEndsTheReadCleanly() {
        sim::ModemConfig config = quickModem();
        config.dropCarrierAfterMs = 1500;
        ModemSite site(false, config);
        QVERIFY(site.open());
        const CliRun run = dialledRead(site, "current");
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains("the modem lost the carrier"), run.err.constData());
        QCOMPARE(run.json().value("complete").toBool(true), false);
        QVERIFY(site.commands().contains("(carrier dropped)"));
        QCOMPARE(site.commands().last(), QStringLiteral("ATH0"));
    }
};

TARVIK_TEST_MAIN(CliModemTest)

#include "test_cli_modem.moc"
