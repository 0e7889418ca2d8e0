#include "clirun.h"
#include "simulatedline.h"
#include "testmain.h"

#include "link/historytestdata.h"

#include <QJsonArray>

namespace {

const QString Baud = QStringLiteral("9600");

CliRun onLine(const SimulatedLine& sim, int site, const QStringList& command) {
    QStringList args{"--port", sim.line.devicePath(), "--baud", Baud};
    if (site >= 0)
        args << "--site" << QString::number(site);
    return runCli(args + command);
}

QJsonObject readHistory(const SimulatedLine& sim) {
    const CliRun run = readJson(sim.line.devicePath(), Baud, -1, "history", 180000);
    if (run.exitCode != 0)
        qWarning() << run.err;
    return run.json();
}

// The image address of the record of day d (1..30) once a fill has set today's index to 0.
int recordOfDay(int day) {
    return (1 - day + 30) % 30;
}

} // namespace

// tarvik-cli sends single commands to the simulated controller on a pseudo-terminal.
class SingleCliTest : public QObject {
    Q_OBJECT
private slots:
    void sendPrintsTheReply_data() {
        QTest::addColumn<QStringList>("command");
        QTest::addColumn<QString>("out");
        QTest::addColumn<int>("address"); // image address the controller holds `held` at, or -1
        QTest::addColumn<int>("held");    // -1: a read, replying with what is held
        // A VX40 holds 131 at RAM 0; the address and data of the others are free bytes.
        QTest::newRow("read RAM") << QStringList{"send", "read-ram", "0"} << "131\n" << -1 << -1;
        QTest::newRow("read RAM, hexadecimal")
            << QStringList{"send", "read-ram", "0x00", "--hex"} << "131 (0x83)\n"
            << -1 << -1;
        QTest::newRow("read EEPROM, JSON") << QStringList{"send", "read-eeprom", "45", "--json"}
                                           << "{\"reply\":\"%1\",\"status\":200}\n"
                                           << 256 + 45 << -1;
        QTest::newRow("write RAM") << QStringList{"send", "write-ram", "120", "33"} << "\n"
                                   << 120 << 33;
        QTest::newRow("write EEPROM") << QStringList{"send", "write-eeprom", "0x0A", "0x77"} << "\n"
                                      << 256 + 10 << 0x77;
        QTest::newRow("loopback") << QStringList{"send", "loopback", "9"} << "9\n" << -1 << -1;
    }
    void sendPrintsTheReply() {
        QFETCH(QStringList, command);
        QFETCH(QString, out);
        QFETCH(int, address);
        QFETCH(int, held);
        SimulatedLine sim(steadyConfig(sim::Model::VX40, sim::SystemVoltage::V12), Baud.toInt());
        QVERIFY2(sim.line.open(), qPrintable(sim.line.errorString()));
        const CliRun run = onLine(sim, -1, command);
        QVERIFY2(run.exitCode == 0, run.err.constData());
        if (address >= 0 && held < 0) // a read: the reply is what the controller holds
            out = out.arg(sim.controller.imageByte(address));
        QCOMPARE(QString::fromUtf8(run.out), out);
        if (address >= 0 && held >= 0)
            QCOMPARE(int(sim.controller.imageByte(address)), held);
    }

    // Both fills overwrite the history: without --yes nothing goes out.
    void historyFillsNeedYes_data() {
        QTest::addColumn<QString>("command");
        QTest::newRow("clear") << "clear-history";
        QTest::newRow("test") << "test-history";
    }
    void historyFillsNeedYes() {
        QFETCH(QString, command);
        SimulatedLine sim(steadyConfig(sim::Model::VX40, sim::SystemVoltage::V12), Baud.toInt());
        QVERIFY2(sim.line.open(), qPrintable(sim.line.errorString()));
        const CliRun run = onLine(sim, -1, {command});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.err.contains("--yes"));
        QTest::qWait(200);
        QVERIFY(sim.controller.frames().isEmpty());
    }

    void clearedThenFilledHistoryReadsBack() {
        SimulatedLine sim(steadyConfig(sim::Model::VX40, sim::SystemVoltage::V12), Baud.toInt());
        QVERIFY2(sim.line.open(), qPrintable(sim.line.errorString()));

        CliRun run = onLine(sim, -1, {"clear-history", "--yes"});
        QVERIFY2(run.exitCode == 0, run.err.constData());
        QJsonObject history = readHistory(sim);
        QVERIFY(history.value("complete").toBool());
        for (const QJsonValue& day : history.value("days").toArray())
            for (const QString& field : QStringList{"in", "out", "soc"})
                QCOMPARE(day.toObject().value(field).toInt(), 0);
        const QJsonObject image = history.value("image").toObject();
        for (int address = 301; address < 512; ++address)
            QCOMPARE(image.value(QString::number(address)).toInt(-1), 0);

        run = onLine(sim, -1, {"test-history", "--yes"});
        QVERIFY2(run.exitCode == 0, run.err.constData());
        history = readHistory(sim);
        QVERIFY(history.value("complete").toBool());
        const QJsonArray days = history.value("days").toArray();
        QCOMPARE(days.size(), HistoryTestData::Days);
        for (int day = 1; day <= HistoryTestData::Days; ++day) {
            const HistoryTestData::Day& expected = HistoryTestData::day(recordOfDay(day));
            const QJsonObject row = days.at(day - 1).toObject();
            QCOMPARE(row.value("in").toInt(), expected.in);
            QCOMPARE(row.value("out").toInt(), expected.out);
            QCOMPARE(row.value("soc").toInt(), expected.soc);
            QCOMPARE(row.value("ftim").toString(), tenths(expected.ftim));
        }
    }

    void setSiteThenReadAtTheNewSite() {
        sim::ControllerConfig config = steadyConfig(sim::Model::VX40, sim::SystemVoltage::V12, 5);
        config.siteInterface = true;
        SimulatedLine sim(config, Baud.toInt());
        QVERIFY2(sim.line.open(), qPrintable(sim.line.errorString()));

        const CliRun set = onLine(sim, 5, {"set-site", "12"});
        QVERIFY2(set.exitCode == 0, set.err.constData());
        QCOMPARE(set.out, QByteArray("Site 12\n"));
        const CliRun atNew = onLine(sim, 12, {"send", "read-ram", "0"});
        QCOMPARE(atNew.exitCode, 0);
        QCOMPARE(atNew.out, QByteArray("131\n"));
        const CliRun atOld = onLine(sim, 5, {"send", "read-ram", "0"});
        QCOMPARE(atOld.exitCode, 1);
        QVERIFY(atOld.err.contains("no reply"));
        QVERIFY(onLine(sim, 5, {"set-site", "241"}).exitCode == 2);
        QVERIFY(onLine(sim, -1, {"set-site", "12"}).exitCode == 2);
    }
};

TARVIK_TEST_MAIN(SingleCliTest)

#include "test_single_cli.moc"
