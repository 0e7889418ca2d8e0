#include "clirun.h"
#include "historyoracle.h"
#include "simulatedline.h"
#include "testmain.h"

#include <QJsonArray>

using namespace historyoracle;

namespace {

// Tenths of a volt of a raw history voltage byte under the history's own system voltage code.
QString historyVolts(const sim::Controller& c, int raw) {
    switch (byte(c, 299) & 7) {
    case 1:
        return tenths(raw * 2);
    case 2:
        return tenths(raw * 8 / 3);
    case 3:
        return tenths(raw * 3);
    case 4:
        return tenths(raw * 4);
    default:
        return tenths(raw);
    }
}

} // namespace

// tarvik-cli reads the simulated controller's 30-day history through the real serial port.
class HistoryCliTest : public QObject {
    Q_OBJECT
private slots:
    void historyMatchesTheController_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("system");
        QTest::addColumn<int>("site");
        QTest::addColumn<QString>("baud");
        QTest::newRow("VX60 48V, site 12")
            << int(sim::Model::VX60) << int(sim::SystemVoltage::V48) << 12 << "2400";
        QTest::newRow("VX80 32V") << int(sim::Model::VX80) << int(sim::SystemVoltage::V32) << -1
                                  << "9600";
    }
    void historyMatchesTheController() {
        QFETCH(int, model);
        QFETCH(int, system);
        QFETCH(int, site);
        QFETCH(QString, baud);
        SimulatedLine sim(steadyConfig(sim::Model(model), sim::SystemVoltage(system), site),
                          baud.toInt());
        QVERIFY2(sim.line.open(), qPrintable(sim.line.errorString()));
        const CliRun run = readJson(sim.line.devicePath(), baud, site, "history", 180000);
        QVERIFY2(run.exitCode == 0, run.err.constData());
        const QJsonObject json = run.json();
        QVERIFY(json.value("complete").toBool());

        // The current state for the model byte, then RAM 93 again and EEPROM 255 down to 43,
        // each read until two readings agree.
        const QList<int> read = addressesRead(sim.controller);
        const qsizetype history = read.lastIndexOf(0) + 1;
        QCOMPARE(read.first(), 221);
        QCOMPARE(read.mid(history, 3), (QList<int>{93, 93, 511}));
        QCOMPARE(read.last(), 299);
        const QJsonObject image = json.value("image").toObject();
        QCOMPARE(image.size(), 235);
        for (auto it = image.begin(); it != image.end(); ++it) {
            QCOMPARE(it.value().toInt(), byte(sim.controller, it.key().toInt()));
            QVERIFY(read.count(it.key().toInt()) >= 2);
        }

        const QJsonArray days = json.value("days").toArray();
        QCOMPARE(days.size(), 30);
        const sim::Controller& c = sim.controller;
        for (int day = 1; day <= 30; ++day) {
            const QJsonObject row = days.at(day - 1).toObject();
            const int r = recordAddress(c, day);
            QCOMPARE(row.value("day").toInt(), day);
            QCOMPARE(row.value("in").toInt(), chargeAh(c, day));
            QCOMPARE(row.value("out").toInt(), loadAh(c, day));
            QCOMPARE(row.value("vmax").toString(), historyVolts(c, byte(c, r)));
            QCOMPARE(row.value("vmin").toString(), historyVolts(c, byte(c, r + 1)));
            QCOMPARE(row.value("ftim").toString(), tenths(byte(c, r + 2)));
            QCOMPARE(row.value("soc").toInt(), byte(c, r + 3));
        }
        // Day 1 is today: the controller filled it from today's running values.
        QCOMPARE(days.at(0).toObject().value("soc").toInt(), byte(c, 181));
        QCOMPARE(days.at(0).toObject().value("vmax").toString(), historyVolts(c, byte(c, 182)));
    }
};

TARVIK_TEST_MAIN(HistoryCliTest)

#include "test_history_cli.moc"
