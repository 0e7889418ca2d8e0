#include "clirun.h"
#include "simulatedline.h"
#include "testmain.h"

#include <QJsonArray>

namespace {

const QString Baud = QStringLiteral("9600");
constexpr int Eeprom = 256;

sim::ControllerConfig alarmUnit(int variant = 0) {
    sim::ControllerConfig config = steadyConfig(sim::Model::VXA, sim::SystemVoltage::V12);
    config.vxaVariant = variant;
    return config;
}

CliRun onLine(const SimulatedLine& sim, const QStringList& command) {
    return runCli(QStringList{"--port", sim.line.devicePath(), "--baud", Baud} + command);
}

QStringList rowValues(const QJsonObject& read) {
    QStringList values;
    for (const QJsonValue& row : read.value("rows").toArray())
        values << row.toObject().value("value").toString();
    return values;
}

} // namespace

// tarvik-cli reads and programs the alarm unit, against the simulated unit on a pseudo-terminal.
class AlarmCliTest : public QObject {
    Q_OBJECT
private slots:
    void readShowsTheGridRows_data() {
        QTest::addColumn<int>("variant");
        QTest::addColumn<bool>("badChecksum");
        QTest::addColumn<QString>("row3");
        QTest::addColumn<QString>("row9");
        QTest::addColumn<QString>("unit9");
        QTest::addColumn<QString>("delay");
        QTest::newRow("variant 0") << 0 << false << "Load Disconnect On below"
                                   << "Mode"
                                   << ""
                                   << "2";
        QTest::newRow("variant 1") << 1 << false << "Urgent Low Voltage Alarm On below"
                                   << "Charge fail alarm delay time"
                                   << "hours"
                                   << "24";
        QTest::newRow("bad checksum") << 0 << true << "Load Disconnect On below"
                                      << "Mode"
                                      << ""
                                      << "2";
    }
    void readShowsTheGridRows() {
        QFETCH(int, variant);
        QFETCH(bool, badChecksum);
        QFETCH(QString, row3);
        QFETCH(QString, row9);
        QFETCH(QString, unit9);
        QFETCH(QString, delay);
        sim::ControllerConfig config = alarmUnit(variant);
        config.vxaBadChecksum = badChecksum;
        SimulatedLine sim(config, Baud.toInt());
        QVERIFY2(sim.line.open(), qPrintable(sim.line.errorString()));

        const CliRun json = onLine(sim, {"read", "alarm", "--json"});
        QVERIFY2(json.exitCode == 0, json.err.constData());
        const QJsonObject read = json.json();
        QCOMPARE(rowValues(read), (QStringList{"12", "2400", "11.5", "11.9", "15.0", "14.6", "11.8",
                                               "14.8", delay}));
        const QJsonArray rows = read.value("rows").toArray();
        QCOMPARE(rows.at(2).toObject().value("label").toString(), row3);
        QCOMPARE(rows.at(2).toObject().value("unit").toString(), QStringLiteral("V"));
        QCOMPARE(rows.at(8).toObject().value("label").toString(), row9);
        QCOMPARE(rows.at(8).toObject().value("unit").toString(), unit9);
        QCOMPARE(rows.at(8).toObject().value("row").toInt(), 9);
        QCOMPARE(read.value("checksum_ok").toBool(), !badChecksum);
        const QJsonObject image = read.value("image").toObject();
        QCOMPARE(image.size(), 21);
        for (int address = 0; address < 21; ++address)
            QCOMPARE(image.value(QString::number(address)).toInt(),
                     int(sim.controller.imageByte(Eeprom + address)));

        const CliRun text = onLine(sim, {"read", "alarm"});
        QVERIFY2(text.exitCode == 0, text.err.constData());
        QVERIFY(text.out.contains("\nBaud Rate                              2400 baud\n"));
        QVERIFY(text.out.endsWith(badChecksum ? "\nCheck Bad\n" : "\nCheck OK\n"));
    }

    // Each value entered as typed into the grid, the unit's own bytes kept, and read back equal.
    void writeThenReadBack() {
        SimulatedLine sim(alarmUnit(), Baud.toInt());
        QVERIFY(sim.line.open());
        QByteArray own;
        for (int address = 0; address < 8; ++address)
            own.append(char(sim.controller.imageByte(Eeprom + address)));

        const CliRun write = onLine(sim, {"write", "alarm", "3=22.4", "9=12"});
        QVERIFY2(write.exitCode == 0, write.err.constData());
        QCOMPARE(write.out, QByteArray("Load Disconnect On below: 11.5 -> 22.4 V, verified\n"
                                       "Mode: 2 -> 12 , verified\n"));
        QCOMPARE(int(sim.controller.imageByte(Eeprom + 8)), 224);
        QCOMPARE(int(sim.controller.imageByte(Eeprom + 14)), 12);
        for (int address = 0; address < 8; ++address)
            QCOMPARE(char(sim.controller.imageByte(Eeprom + address)), own.at(address));

        const CliRun read = onLine(sim, {"read", "alarm", "--json"});
        QVERIFY2(read.exitCode == 0, read.err.constData());
        QCOMPARE(rowValues(read.json()),
                 (QStringList{"12", "2400", "22.4", "11.9", "15.0", "14.6", "11.8", "14.8", "12"}));
        QVERIFY(read.json().value("checksum_ok").toBool());
    }

    void typedValuesAreNormalised() {
        SimulatedLine sim(alarmUnit(1), Baud.toInt());
        QVERIFY(sim.line.open());
        const CliRun write =
            onLine(sim, {"write", "alarm", "1=20", "2=5000", "4=7.25", "9=300", "--json"});
        QVERIFY2(write.exitCode == 0, write.err.constData());
        QStringList kept;
        for (const QJsonValue& row : write.json().value("writes").toArray()) {
            kept << row.toObject().value("new").toString();
            QCOMPARE(row.toObject().value("verified"), QJsonValue(true));
        }
        QCOMPARE(kept, (QStringList{"24", "9600", "7.2", "255"}));
        for (int copy = 16; copy <= 20; ++copy)
            QCOMPARE(int(sim.controller.imageByte(Eeprom + copy)), 0x31);
        // 7.2 V entered on a 24 V unit: 72 x 0.5 + 0.499.
        QCOMPARE(int(sim.controller.imageByte(Eeprom + 9)), 36);
        QCOMPARE(int(sim.controller.imageByte(Eeprom + 14)), 255);
    }

    void lostFramesFailTheVerification() {
        sim::ControllerConfig config = alarmUnit();
        config.faults.dropWrites = 1.0;
        SimulatedLine sim(config, Baud.toInt());
        QVERIFY(sim.line.open());
        const CliRun run = onLine(sim, {"write", "alarm", "3=22.4"});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains("verification failed at EEPROM"), run.err.constData());
        QVERIFY(run.err.contains("the unit holds"));

        const CliRun unchecked = onLine(sim, {"write", "alarm", "3=22.4", "--no-verify"});
        QVERIFY2(unchecked.exitCode == 0, unchecked.err.constData());
        QVERIFY(unchecked.out.endsWith("-> 22.4 V, not verified\n"));
    }

    void badArgumentsAreExit2_data() {
        QTest::addColumn<QStringList>("command");
        QTest::newRow("no entries") << QStringList{"write", "alarm"};
        QTest::newRow("row 10") << QStringList{"write", "alarm", "10=1"};
        QTest::newRow("row 0") << QStringList{"write", "alarm", "0=1"};
        QTest::newRow("no equals sign") << QStringList{"write", "alarm", "3"};
        QTest::newRow("csv") << QStringList{"read", "alarm", "--csv"};
    }
    void badArgumentsAreExit2() {
        QFETCH(QStringList, command);
        const CliRun run = runCli(QStringList{"--port", "/dev/tarvik-no-such-port"} + command);
        QCOMPARE(run.exitCode, 2);
    }
};

TARVIK_TEST_MAIN(AlarmCliTest)

#include "test_alarm_cli.moc"
