#include "clirun.h"
#include "settingsfiles.h"
#include "simulatedline.h"
#include "testmain.h"

#include <QJsonArray>
#include <QTemporaryDir>

namespace {

const QString Baud = QStringLiteral("9600");

CliRun onLine(const SimulatedLine& sim, const QStringList& command) {
    return runCli(QStringList{"--port", sim.line.devicePath(), "--baud", Baud} + command);
}

using Bytes = QList<QPair<int, int>>; // image address, byte the controller must hold

} // namespace

Q_DECLARE_METATYPE(Bytes)

// tarvik-cli writes settings and calibration values and programs a whole settings file, against
// the simulated controller on a pseudo-terminal.
class WriteCliTest : public QObject {
    Q_OBJECT
private slots:
    void writeLandsAndIsVerified_data() {
        QTest::addColumn<QStringList>("command");
        QTest::addColumn<QString>("line");
        QTest::addColumn<Bytes>("held");
        QTest::newRow("tenths: BMAX")
            << QStringList{"setting", "bmax boost maximum voltage", "14.4"}
            << "BMAX Boost Maximum Voltage: 14.6 -> 14.4 V, verified\n"
            << Bytes{{87, 144}, {37 + 256, 144}};
        QTest::newRow("two bytes: setting 36") << QStringList{"setting", "36", "600"}
                                               << "CINT Set Int Charge Ah: %1 -> 600 Ah, verified\n"
                                               << Bytes{{188, 600 & 255}, {189, 600 >> 8}};
        QTest::newRow("calibration row 1 gain") << QStringList{"calibration", "1", "gain", "-3"}
                                                << "24V Voltage Range gain: %1 -> -3 , verified\n"
                                                << Bytes{};
        QTest::newRow("calibration row 4 offset") << QStringList{"calibration", "4", "offset", "5"}
                                                  << "Load Current offset: %1 -> 5 , verified\n"
                                                  << Bytes{{218, 5}, {6 + 256, 5}};
    }

    void writeLandsAndIsVerified() {
        QFETCH(QStringList, command);
        QFETCH(QString, line);
        QFETCH(Bytes, held);
        SimulatedLine sim(steadyConfig(sim::Model::VX40, sim::SystemVoltage::V12), Baud.toInt());
        QVERIFY2(sim.line.open(), qPrintable(sim.line.errorString()));

        const CliRun run = onLine(sim, QStringList{"write"} + command);
        QVERIFY2(run.exitCode == 0, run.err.constData());
        const QString out = QString::fromUtf8(run.out);
        const QString oldText =
            out.section(QStringLiteral(": "), 1).section(QStringLiteral(" ->"), 0, 0);
        QCOMPARE(out, line.contains(QStringLiteral("%1")) ? line.arg(oldText) : line);
        for (const auto& [address, value] : held)
            QCOMPARE(int(sim.controller.imageByte(address)), value);
    }

    void toggleAndStateOfChargeAsJson() {
        SimulatedLine sim(steadyConfig(sim::Model::VX40, sim::SystemVoltage::V12), Baud.toInt());
        QVERIFY(sim.line.open());
        const int lockout = sim.controller.imageByte(33);

        const CliRun toggle = onLine(sim, {"write", "setting", "3", "Adjust", "--json"});
        QVERIFY2(toggle.exitCode == 0, toggle.err.constData());
        const QJsonObject write = toggle.json().value("writes").toArray().at(0).toObject();
        QCOMPARE(write.value("number").toInt(), 3);
        QCOMPARE(write.value("new").toString(), QStringLiteral("Adjust"));
        QCOMPARE(write.value("verified"), QJsonValue(true));
        QCOMPARE(int(sim.controller.imageByte(33)), lockout ^ 0x80);
        QCOMPARE(int(sim.controller.imageByte(256)), lockout ^ 0x80);

        const CliRun refused = onLine(sim, {"write", "setting", "3", "Open"});
        QCOMPARE(refused.exitCode, 2);
        QVERIFY(refused.err.contains("it takes"));

        const CliRun charge = onLine(sim, {"write", "setting", "47", "80", "--no-verify"});
        QVERIFY2(charge.exitCode == 0, charge.err.constData());
        QVERIFY(charge.out.endsWith("-> 80 %, not verified\n"));
    }

    // The whole list carries the settings kept in EEPROM; the alternate controller differs in
    // those only, so afterwards it holds the file's settings.
    void programThenDiffFindsNothing() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("factory.stp"));
        const sim::Controller factory(steadyConfig(sim::Model::VX40, sim::SystemVoltage::V12));
        writeFile(path, factory.image());
        sim::ControllerConfig other = steadyConfig(sim::Model::VX40, sim::SystemVoltage::V12);
        other.settings = sim::SettingsProfile::Alternate;
        SimulatedLine sim(other, Baud.toInt());
        QVERIFY(sim.line.open());

        const CliRun program = onLine(sim, {"program", path, "--no-verify"});
        QVERIFY2(program.exitCode == 0, program.err.constData());
        QCOMPARE(program.out, ("programmed " + path + ", not verified\n").toUtf8());
        for (int ram = 64; ram <= 94; ++ram) {
            QCOMPARE(sim.controller.imageByte(ram), factory.imageByte(ram));
            QCOMPARE(sim.controller.imageByte(ram - 50 + 256), factory.imageByte(ram));
        }
        const CliRun diff = onLine(sim, {"diff", path});
        QVERIFY2(diff.exitCode == 0, diff.out.constData());
    }

    void aLostWriteFailsVerification() {
        sim::ControllerConfig config = steadyConfig(sim::Model::VX40, sim::SystemVoltage::V12);
        config.faults.dropWrites = 0.3;
        config.seed = 5;
        SimulatedLine sim(config, Baud.toInt());
        QVERIFY(sim.line.open());
        const CliRun run = onLine(sim, {"write", "setting", "9", "14.4"});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains("verification failed at "), run.err.constData());
        QVERIFY(run.out.contains(", differs at "));
    }

    void badArgumentsAreExit2_data() {
        QTest::addColumn<QStringList>("command");
        QTest::newRow("no such setting") << QStringList{"write", "setting", "49", "1"};
        QTest::newRow("no such name") << QStringList{"write", "setting", "XMAX", "1"};
        QTest::newRow("no such row") << QStringList{"write", "calibration", "8", "gain", "1"};
        QTest::newRow("neither gain nor offset")
            << QStringList{"write", "calibration", "1", "slope", "1"};
        QTest::newRow("program without file") << QStringList{"program", "/nonexistent.stp"};
    }

    void badArgumentsAreExit2() {
        QFETCH(QStringList, command);
        const CliRun run = runCli(QStringList{"--port", "/dev/tarvik-no-such-port"} + command);
        QCOMPARE(run.exitCode, 2);
    }
};

TARVIK_TEST_MAIN(WriteCliTest)

#include "test_write_cli.moc"
