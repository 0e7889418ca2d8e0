#include "clirun.h"
#include "settingsfiles.h"
#include "simulatedline.h"
#include "testmain.h"

#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>

namespace {

const QString Baud = QStringLiteral("9600");

CliRun onLine(const SimulatedLine& sim, const QStringList& command) {
    return runCli(QStringList{"--port", sim.line.devicePath(), "--baud", Baud} + command);
}

// The settings and calibration bytes of the controller, as the client's image addresses them.
QList<int> settingsAndCalibrationAddresses() {
    QList<int> addresses{33, 34,  35,  36,  214, 215, 218, 219, 230, 231, 234, 235, 238, 239, 48,
                         96, 101, 102, 115, 116, 181, 188, 189, 193, 194, 198, 199, 203, 204};
    for (int address = 64; address <= 94; ++address)
        addresses << address;
    return addresses;
}

} // namespace

// tarvik-cli keeps a controller's settings in a file and compares a controller with one,
// against the simulated controller on a pseudo-terminal.
class SettingsFileCliTest : public QObject {
    Q_OBJECT
private slots:
    void backupThenDiffFindsNothing() {
        SimulatedLine sim(steadyConfig(sim::Model::VX40, sim::SystemVoltage::V24), Baud.toInt());
        QVERIFY2(sim.line.open(), qPrintable(sim.line.errorString()));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("site.stp"));

        const CliRun backup = onLine(sim, {"backup", path});
        QVERIFY2(backup.exitCode == 0, backup.err.constData());
        QCOMPARE(backup.out, QByteArray());
        const QByteArray saved = fileBytes(path);
        QCOMPARE(saved.size(), 512);
        for (const int address : settingsAndCalibrationAddresses())
            QCOMPARE(quint8(saved.at(address)), sim.controller.imageByte(address));
        QCOMPARE(quint8(saved.at(221)), quint8(0)); // the battery voltage was not read

        const CliRun diff = onLine(sim, {"diff", path});
        QVERIFY2(diff.exitCode == 0, diff.err.constData());
        QCOMPARE(diff.out,
                 QByteArray("No differences: the controller holds the file's settings.\n"));
    }

    void diffListsWhatAnotherControllerHolds() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("factory.stp"));
        const sim::Controller factory(steadyConfig(sim::Model::VX40, sim::SystemVoltage::V12));
        writeFile(path, factory.image());
        sim::ControllerConfig other = steadyConfig(sim::Model::VX40, sim::SystemVoltage::V12);
        other.settings = sim::SettingsProfile::Alternate;
        SimulatedLine sim(other, Baud.toInt());
        QVERIFY(sim.line.open());

        const CliRun diff = onLine(sim, {"diff", path, "--json"});
        QCOMPARE(diff.exitCode, 3);
        const QJsonArray differences = diff.json().value("differences").toArray();
        QVERIFY(differences.size() >= 20);
        bool sawBoostMaximum = false;
        for (const QJsonValue& value : differences) {
            const QJsonObject d = value.toObject();
            QVERIFY(d.value("page").toInt() >= 1 && d.value("page").toInt() <= 5);
            QVERIFY(d.value("file").toString() != d.value("controller").toString());
            if (d.value("number").toInt() == 9) {
                sawBoostMaximum = true;
                QCOMPARE(d, (QJsonObject{{"page", 2},
                                         {"number", 9},
                                         {"name", "BMAX Boost Maximum Voltage"},
                                         {"file", "14.6"},
                                         {"controller", "14.8"},
                                         {"unit", "V"}}));
            }
        }
        QVERIFY(sawBoostMaximum);
    }

    // The file is judged before the controller is asked anything, so a bad file is exit 2 even
    // where no port could be opened.
    void badFileEndsBeforeReading_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("message");
        QTest::newRow("diff, truncated file")
            << "diff"
            << "short.stp"
            << "Cannot load the settings: %1: The file is cut short: it has 100 bytes";
        QTest::newRow("diff, no file") << "diff"
                                       << "none.stp"
                                       << "Cannot load the settings: %1: The file does not exist.";
        QTest::newRow("backup into no folder") << "backup"
                                               << "gone/site.stp"
                                               << "Cannot save the settings: %1: ";
    }
    void badFileEndsBeforeReading() {
        QFETCH(QString, command);
        QFETCH(QString, file);
        QFETCH(QString, message);
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("short.stp")), QByteArray(100, '\0'));
        const QString path = dir.filePath(file);
        const CliRun run = runCli({"--port", "/dev/tarvik-no-such-port", command, path});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.startsWith(("tarvik-cli: " + message.arg(path)).toUtf8()),
                 run.err.constData());
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("gone"))));
    }

    void backupWithoutAPortWritesNothing() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("site.stp"));
        const CliRun run = runCli({"--port", "/dev/tarvik-no-such-port", "backup", path});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(!QFile::exists(path));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{});
    }
};

TARVIK_TEST_MAIN(SettingsFileCliTest)

#include "test_settings_file_cli.moc"
