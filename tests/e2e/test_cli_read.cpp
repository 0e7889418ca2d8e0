#include "clirun.h"
#include "simulatedline.h"
#include "testmain.h"

#include "sim/batteryvoltage.h"
#include "sim/controllerprofile.h"

#include <QJsonArray>
#include <QTemporaryDir>
#include <map>
#include <pty.h>
#include <unistd.h>

// tarvik-cli against the simulated controller on a pseudo-terminal, through the real serial port.
class CliReadTest : public QObject {
    Q_OBJECT
private slots:
    void currentStateMatchesTheController_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("system");
        QTest::addColumn<int>("site");
        QTest::addColumn<QString>("baud");
        QTest::newRow("VX40 24V 2400")
            << int(sim::Model::VX40) << int(sim::SystemVoltage::V24) << -1 << "2400";
        QTest::newRow("VX20 12V 300")
            << int(sim::Model::VX20) << int(sim::SystemVoltage::V12) << -1 << "300";
        QTest::newRow("VX60 48V 1200")
            << int(sim::Model::VX60) << int(sim::SystemVoltage::V48) << -1 << "1200";
        QTest::newRow("VX80 32V 9600, load shunt in whole amps")
            << int(sim::Model::VX80) << int(sim::SystemVoltage::V32) << -1 << "9600";
        QTest::newRow("site 12") << int(sim::Model::VX60) << int(sim::SystemVoltage::V36) << 12
                                 << "2400";
        QTest::newRow("high voltage")
            << int(sim::Model::VX60) << int(sim::SystemVoltage::HighVoltage) << -1 << "9600";
    }
    void currentStateMatchesTheController() {
        QFETCH(int, model);
        QFETCH(int, system);
        QFETCH(int, site);
        QFETCH(QString, baud);
        SimulatedLine sim(steadyConfig(sim::Model(model), sim::SystemVoltage(system), site),
                          baud.toInt());
        QVERIFY2(sim.line.open(), qPrintable(sim.line.errorString()));
        const CliRun run = readJson(sim.line.devicePath(), baud, site, "current");
        QVERIFY2(run.exitCode == 0, run.err.constData());
        const QJsonObject json = run.json();
        QVERIFY(json.value("complete").toBool());

        // Exactly the controller's bytes, every address read at least twice, 221 first, 0 last.
        const QJsonObject image = json.value("image").toObject();
        QCOMPARE(image.size(), 22);
        for (auto it = image.begin(); it != image.end(); ++it)
            QCOMPARE(it.value().toInt(), int(sim.controller.imageByte(it.key().toInt())));
        const QList<int> read = addressesRead(sim.controller);
        QCOMPARE(read.first(), 221);
        QCOMPARE(read.last(), 0);
        for (auto it = image.begin(); it != image.end(); ++it)
            QVERIFY(read.count(it.key().toInt()) >= 2);
        if (site >= 0)
            for (const auto& frame : sim.controller.frames())
                QCOMPARE(frame.site, site);

        checkDecodedValues(json, sim.controller);
    }

    void statusReadAddsTheStatusTable_data() {
        QTest::addColumn<int>("system");
        QTest::addColumn<QString>("solar");
        // The simulated controller's sunny afternoon: 37 half volts, or 185 whole volts.
        QTest::newRow("12 V") << int(sim::SystemVoltage::V12) << "18.5 V";
        QTest::newRow("high voltage in whole volts")
            << int(sim::SystemVoltage::HighVoltage) << "185 V";
    }
    void statusReadAddsTheStatusTable() {
        QFETCH(int, system);
        QFETCH(QString, solar);
        SimulatedLine sim(steadyConfig(sim::Model::VX40, sim::SystemVoltage(system)), 9600);
        QVERIFY(sim.line.open());
        const CliRun run =
            runCli({"--port", sim.line.devicePath(), "--baud", "9600", "read", "status", "--json"});
        QVERIFY2(run.exitCode == 0, run.err.constData());
        const QJsonObject json = run.json();
        const QJsonObject status = json.value("status").toObject();
        const auto byte = [&](int address) { return int(sim.controller.imageByte(address)); };
        QCOMPARE(status.value("clock").toString(), tenths(byte(48)) + " Hours");
        QCOMPARE(status.value("float_time").toString(), tenths(byte(184)) + " Hours");
        QCOMPARE(status.value("pwm").toString(), QString::number(byte(21) * 100 / 256) + " %");
        QCOMPARE(status.value("solar_voltage").toString(), solar);
        QCOMPARE(status.value("day_night_counter").toString(), QString::number(byte(37)));
        QCOMPARE(status.value("days_since_boost").toString(), QString::number(byte(63)));
        QCOMPARE(status.value("days_since_equalise").toString(), QString::number(byte(95)));
        QCOMPARE(status.value("days_since_generator").toString(), QString::number(byte(96)));
        // The simulated controller: load connected, generator stopped, no alarm, daytime,
        // event controller on, only the second event condition (Emod) holding.
        const QJsonObject states{{"load_output", "Connected"},
                                 {"generator_output", "Stopped"},
                                 {"low_voltage_alarm", "Inactive"},
                                 {"light_level", "Day"},
                                 {"event_controller", "On"},
                                 {"event_start", "Off"},
                                 {"event_stop", "Off"},
                                 {"event_emod", "On"},
                                 {"event_tmod", "Off"}};
        for (auto it = states.begin(); it != states.end(); ++it)
            QCOMPARE(status.value(it.key()), it.value());
        QCOMPARE(status.size(), 17);
        QCOMPARE(json.value("values").toObject().value("days_since_boost").toInt(), byte(63));
        QCOMPARE(json.value("image").toObject().size(), 32);
        QCOMPARE(addressesRead(sim.controller).last(), 21);
    }

    void aLineThatDropsRepliesStillReadsCorrectly() {
        auto config = steadyConfig(sim::Model::VX40, sim::SystemVoltage::V24);
        config.faults.drop = 0.05;
        config.seed = 11;
        SimulatedLine sim(config);
        QVERIFY(sim.line.open());
        const CliRun run = runCli({"--port", sim.line.devicePath(), "read", "current", "--json"});
        QVERIFY2(run.exitCode == 0, run.err.constData());
        const QJsonObject image = run.json().value("image").toObject();
        for (auto it = image.begin(); it != image.end(); ++it)
            QCOMPARE(it.value().toInt(), int(sim.controller.imageByte(it.key().toInt())));
    }

    void debugTracesEveryByte() {
        SimulatedLine sim(steadyConfig(sim::Model::VX20, sim::SystemVoltage::V12));
        QVERIFY(sim.line.open());
        const CliRun run = runCli({"--port", sim.line.devicePath(), "--debug", "read", "current"});
        QCOMPARE(run.exitCode, 0);
        const QStringList lines = QString::fromUtf8(run.err).split('\n', Qt::SkipEmptyParts);
        QVERIFY(lines.first().endsWith(" Direct Sent 4 chars: 0x14 0xDD 0x00 0xEB "));
        QCOMPARE(lines.at(1), QStringLiteral("Received 1 char: 0xC8 "));
        QVERIFY(run.out.contains("Actual Battery Voltage"));
    }

private:
    static void checkDecodedValues(const QJsonObject& json, const sim::Controller& c) {
        const auto byte = [&](int address) { return int(c.imageByte(address)); };
        const auto word = [&](int low) { return byte(low) + 256 * byte(low + 1); };
        QCOMPARE(json.value("soc").toInt(), byte(181));
        QCOMPARE(json.value("temperature").toInt(), byte(52));
        const int factorBits = (byte(32) >> 4) & 3;
        const int factor = factorBits == 0 ? 1 : factorBits == 1 ? 2 : 4;
        const int battery = (byte(221) + 150) * factor / 2;
        const bool wholeVolts = byte(0) >= 240 && byte(0) <= 249;
        QCOMPARE(json.value("battery_voltage").toString(),
                 wholeVolts ? QString::number(battery) : tenths(battery));
        const QJsonObject chargeAh = json.value("charge_ah").toObject();
        QCOMPARE(chargeAh.value("internal").toInt(), word(188));
        QCOMPARE(chargeAh.value("external").toInt(), word(193));
        QCOMPARE(chargeAh.value("total").toInt(), word(188) + word(193));
        QCOMPARE(json.value("load_ah").toObject().value("total").toInt(), word(198) + word(203));
        QVERIFY(json.value("model").toString().startsWith("VX"));
        checkCurrentsAndRange(json.value("values").toObject(), c);
    }

    // The numbers against what the simulated controller says its bytes stand for.
    static void checkCurrentsAndRange(const QJsonObject& values, const sim::Controller& c) {
        const auto byte = [&](int address) { return int(c.imageByte(address)); };
        const sim::ModelProfile& model = sim::modelProfile(sim::effectiveModel(c.config()));
        const double loadShuntStep = model.loadShuntInWholeAmps ? 1.0 : 0.1;
        const QList<std::pair<const char*, std::array<double, 2>>> currents{
            {"charge_current_a", {byte(213) * model.chargeMultiplier / 10.0, byte(205) / 10.0}},
            {"load_current_a",
             {byte(217) * model.loadMultiplier / 10.0, byte(206) * loadShuntStep}},
        };
        for (const auto& [key, amps] : currents) {
            const QJsonObject split = values.value(key).toObject();
            QCOMPARE(split.value("internal").toDouble(), amps[0]);
            QCOMPARE(split.value("external").toDouble(), amps[1]);
            QCOMPARE(split.value("total").toDouble(), amps[0] + amps[1]);
        }

        const sim::SystemProfile& system = sim::systemProfile(c.config().system);
        const double perVolt = c.config().system == sim::SystemVoltage::HighVoltage ? 1.0 : 10.0;
        const double battery = values.value("battery_voltage_v").toDouble();
        const double minimum = values.value("day_min_v").toDouble();
        const double maximum = values.value("day_max_v").toDouble();
        QCOMPARE(battery, sim::batteryVoltage(system, byte(221)) / perVolt);
        QCOMPARE(minimum, sim::rangeVoltage(system, byte(183)) / perVolt);
        QCOMPARE(maximum, sim::rangeVoltage(system, byte(182)) / perVolt);
        QVERIFY(minimum <= battery && battery <= maximum);
    }
};

// A device path that spews random bytes and never answers a frame.
class SpewingPty {
public:
    SpewingPty() {
        char name[256] = {};
        int slave = -1;
        if (openpty(&master_, &slave, name, nullptr, nullptr) != 0)
            return;
        path_ = QString::fromLocal8Bit(name);
        slave_ = slave;
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            char noise[8];
            for (char& c : noise)
                c = static_cast<char>(rand() & 0xFF);
            [[maybe_unused]] const auto written = ::write(master_, noise, sizeof noise);
        });
        timer_.start(5);
    }
    ~SpewingPty() {
        ::close(master_);
        ::close(slave_);
    }
    QString path() const { return path_; }

private:
    int master_ = -1;
    int slave_ = -1;
    QString path_;
    QTimer timer_;
};

// A port that is missing, a device that never answers, one that talks nonsense, and one that
// disappears: a clear message and exit 1, never a hang.
class CliBadLineTest : public QObject {
    Q_OBJECT
private slots:
    void missingPort() {
        const CliRun run = runCli({"--port", "/dev/tarvik-no-such-port", "read", "current"});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.err.contains("does not exist"));
        QVERIFY(run.out.isEmpty());
    }

    void silentDevice() {
        auto config = steadyConfig(sim::Model::VX40, sim::SystemVoltage::V12);
        config.faults.silent = true;
        SimulatedLine sim(config);
        QVERIFY(sim.line.open());
        const CliRun run = runCli({"--port", sim.line.devicePath(), "read", "current", "--json"});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains("read failed at address 221: no reply"), run.err.constData());
        QCOMPARE(run.json().value("complete").toBool(true), false);
        QVERIFY(run.elapsedMs < 10000);
    }

    void deviceSpewingRandomBytes() {
        SpewingPty spew;
        QVERIFY(!spew.path().isEmpty());
        const CliRun run = runCli({"--port", spew.path(), "read", "current", "--json"});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains("read failed"), run.err.constData());
        QCOMPARE(run.json().value("complete").toBool(true), false);
    }

    void deviceClosedMidRead() {
        auto line = std::make_unique<SimulatedLine>(
            steadyConfig(sim::Model::VX40, sim::SystemVoltage::V12));
        QVERIFY(line->line.open());
        QProcess process;
        process.start(QStringLiteral(TARVIK_CLI_PATH),
                      {"--port", line->line.devicePath(), "read", "current", "--json"});
        QVERIFY(QTest::qWaitFor([&] { return line->controller.frames().size() >= 10; }, 20000));
        line.reset(); // the device goes away
        QVERIFY(QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 20000));
        QCOMPARE(process.exitCode(), 1);
        QVERIFY(process.readAllStandardError().contains("read failed"));
    }

    void badArguments_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("no command") << QStringList{"--port", "COM1"};
        QTest::newRow("unknown read") << QStringList{"--port", "COM1", "read", "everything"};
        QTest::newRow("bad baud") << QStringList{"--port", "COM1", "--baud",
                                                 "4800",   "read", "current"};
        QTest::newRow("bad site") << QStringList{"--port", "COM1", "--site",
                                                 "241",    "read", "current"};
        QTest::newRow("no port") << QStringList{"read", "current"};
    }
    void badArguments() {
        QFETCH(QStringList, args);
        const CliRun run = runCli(args);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.err.contains("usage:"));
    }
};

TARVIK_TEST_MAIN(CliReadTest, CliBadLineTest)

#include "test_cli_read.moc"
