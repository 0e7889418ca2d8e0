#include "historymemory.h"
#include "linkrig.h"
#include "testmain.h"

#include "currentstateoutput.h"
#include "readrunner.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

// A VX80 on a 48 V battery (scale 4, battery factor 4) with its load shunt in whole amps.
HistoryMemory vx80On48Volts() {
    HistoryMemory m;
    for (const auto& [address, value] : std::initializer_list<std::pair<int, int>>{
             {0, 227},  {93, 4},   {32, 0x20}, {221, 106},  {183, 120}, {182, 143},
             {101, 3},  {181, 87}, {52, 24},   {207, 0x0E}, {213, 62},  {205, 45},
             {217, 24}, {206, 12}, {188, 56},  {189, 1},    {193, 38},  {198, 61},
             {203, 17}, {48, 134}, {184, 118}, {115, 4},    {63, 3},    {95, 12},
             {96, 5},   {21, 178}, {53, 148},  {37, 42},    {98, 0x0B}})
        m.set(address, value);
    return m;
}

// A current-state read (and the status read, when asked) as tarvik-cli runs it, on the fake
// port until it ends.
struct CurrentRun {
    LinkRig rig;
    ReadRunner runner;
    QSignalSpy finished{&runner, &ReadRunner::finished};

    CurrentRun(const HistoryMemory& device, std::vector<int> readTypes,
               const QSet<int>& silentAddresses = {})
        : runner(rig.link, std::move(readTypes)) {
        rig.answerFrom(device.bytes, silentAddresses);
        runner.start();
        rig.runUntil([this] { return !finished.isEmpty(); });
    }
    bool complete() const { return finished.at(0).at(0).toBool(); }
    QByteArray print(OutputFormat format, bool withStatus) const {
        return printCurrentState({rig.link, complete()}, format, withStatus);
    }
    QJsonObject json(bool withStatus) const {
        return QJsonDocument::fromJson(print(OutputFormat::Json, withStatus)).object();
    }
};

const std::vector<int> CurrentOnly{ReadKind::Current};
const std::vector<int> CurrentAndStatus{ReadKind::Current, ReadKind::Status};

QJsonObject triple(const QJsonValue& total, const QJsonValue& internal,
                   const QJsonValue& external) {
    return {{"total", total}, {"internal", internal}, {"external", external}};
}

} // namespace

Q_DECLARE_METATYPE(std::vector<int>)

class CurrentStateOutputTest : public QObject {
    Q_OBJECT
private slots:
    void jsonKeepsTheTextsAndAddsNumbers() {
        const CurrentRun run(vx80On48Volts(), CurrentOnly);
        QVERIFY(run.complete());
        const QJsonObject json = run.json(false);
        QCOMPARE(json.value("complete").toBool(), true);
        QCOMPARE(json.value("model").toString(), QStringLiteral("VX80 v3"));
        QCOMPARE(json.value("nominal_voltage").toString(), QStringLiteral("48"));
        QCOMPARE(json.value("state").toString(), QStringLiteral("FLOAT"));
        QCOMPARE(json.value("battery_voltage").toString(), QStringLiteral("51.2"));
        QCOMPARE(json.value("day_min").toString(), QStringLiteral("48.0"));
        QCOMPARE(json.value("day_max").toString(), QStringLiteral("57.2"));
        QCOMPARE(json.value("charge_current").toObject(), triple("29.3", "24.8", "4.5"));
        QCOMPARE(json.value("load_current").toObject(), triple("16.8", "4.8", "12.0"));
        QCOMPARE(json.value("charge_ah").toObject(), triple(350, 312, 38));
        QVERIFY(!json.contains("status"));

        const QJsonObject values = json.value("values").toObject();
        QCOMPARE(values.value("battery_voltage_v").toDouble(), 51.2);
        QCOMPARE(values.value("day_min_v").toDouble(), 48.0);
        QCOMPARE(values.value("day_max_v").toDouble(), 57.2);
        QCOMPARE(values.value("charge_current_a").toObject(), triple(29.3, 24.8, 4.5));
        QCOMPARE(values.value("load_current_a").toObject(), triple(16.8, 4.8, 12.0));
        QCOMPARE(values.value("charge_ah").toObject(), triple(350, 312, 38));
        QCOMPARE(values.value("load_ah").toObject(), triple(78, 61, 17));
        QCOMPARE(values.value("soc_percent").toInt(), 87);
        QCOMPARE(values.value("temperature_c").toInt(), 24);
        QVERIFY(!values.contains("clock_h"));

        const QJsonObject image = json.value("image").toObject();
        QCOMPARE(image.size(), 22);
        QCOMPARE(image.value("221").toInt(), 106);
    }

    void statusGivesAllSeventeenRows_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::newRow("clock") << "clock"
                               << "13.4 Hours";
        QTest::newRow("float_time") << "float_time"
                                    << "11.8 Hours";
        QTest::newRow("load_output") << "load_output"
                                     << "Connected";
        QTest::newRow("generator_output") << "generator_output"
                                          << "Stopped";
        QTest::newRow("low_voltage_alarm") << "low_voltage_alarm"
                                           << "Inactive";
        QTest::newRow("days_since_boost") << "days_since_boost"
                                          << "3";
        QTest::newRow("days_since_equalise") << "days_since_equalise"
                                             << "12";
        QTest::newRow("days_since_generator") << "days_since_generator"
                                              << "5";
        QTest::newRow("pwm") << "pwm"
                             << "69 %";
        QTest::newRow("solar_voltage") << "solar_voltage"
                                       << "74.0 V";
        QTest::newRow("light_level") << "light_level"
                                     << "Day";
        QTest::newRow("day_night_counter") << "day_night_counter"
                                           << "42";
        QTest::newRow("event_controller") << "event_controller"
                                          << "On";
        QTest::newRow("event_start") << "event_start"
                                     << "Off";
        QTest::newRow("event_stop") << "event_stop"
                                    << "Off";
        QTest::newRow("event_emod") << "event_emod"
                                    << "On";
        QTest::newRow("event_tmod") << "event_tmod"
                                    << "Off";
    }
    void statusGivesAllSeventeenRows() {
        QFETCH(QString, key);
        QFETCH(QString, text);
        static const QJsonObject status =
            CurrentRun(vx80On48Volts(), CurrentAndStatus).json(true).value("status").toObject();
        QCOMPARE(status.size(), 17);
        QCOMPARE(status.value(key).toString(), text);
    }

    void statusValuesAreNumbers() {
        const CurrentRun run(vx80On48Volts(), CurrentAndStatus);
        const QJsonObject json = run.json(true);
        const QJsonObject values = json.value("values").toObject();
        QCOMPARE(values.value("clock_h").toDouble(), 13.4);
        QCOMPARE(values.value("float_time_h").toDouble(), 11.8);
        QCOMPARE(values.value("pwm_percent").toInt(), 69);
        QCOMPARE(values.value("solar_voltage_v").toDouble(), 74.0);
        QCOMPARE(values.value("days_since_boost").toInt(), 3);
        QCOMPARE(values.value("days_since_equalise").toInt(), 12);
        QCOMPARE(values.value("days_since_generator").toInt(), 5);
        QCOMPARE(values.value("day_night_counter").toInt(), 42);
        QCOMPARE(json.value("image").toObject().size(), 32);
    }

    // A read that stopped part way has no readings, only what really arrived.
    void anUnfinishedReadHasNoValues_data() {
        QTest::addColumn<std::vector<int>>("readTypes");
        QTest::addColumn<bool>("withStatus");
        QTest::addColumn<int>("silent");
        QTest::addColumn<int>("accepted");
        QTest::newRow("current, last address silent") << CurrentOnly << false << 0 << 21;
        QTest::newRow("current, first address silent") << CurrentOnly << false << 221 << 0;
        QTest::newRow("status part silent, after 184") << CurrentAndStatus << true << 115 << 23;
    }
    void anUnfinishedReadHasNoValues() {
        QFETCH(std::vector<int>, readTypes);
        QFETCH(bool, withStatus);
        QFETCH(int, silent);
        QFETCH(int, accepted);
        const CurrentRun run(vx80On48Volts(), readTypes, {silent});
        QVERIFY(!run.complete());

        const QJsonObject json = run.json(withStatus);
        const QJsonObject finished = CurrentRun(vx80On48Volts(), readTypes).json(withStatus);
        QCOMPARE(json.keys(), finished.keys()); // the same keys as a finished read
        for (const QString& key : json.keys())
            if (key != "complete" && key != "image")
                QVERIFY2(json.value(key).isNull(), qPrintable(key));
        QCOMPARE(json.value("complete").toBool(true), false);

        const QJsonObject image = json.value("image").toObject();
        QCOMPARE(image.size(), accepted);
        QVERIFY(!image.contains(QString::number(silent)));
        for (auto it = image.begin(); it != image.end(); ++it)
            QCOMPARE(it.value().toInt(), int(vx80On48Volts().bytes.at(it.key().toUInt())));

        const QByteArray text = run.print(OutputFormat::Text, withStatus);
        QCOMPARE(text, QByteArray("No readings: the read did not finish.\n"));
    }

    void textShowsTheWindowsTexts() {
        const CurrentRun run(vx80On48Volts(), CurrentAndStatus);
        const QString text = QString::fromUtf8(run.print(OutputFormat::Text, true));
        QVERIFY(text.contains("Actual Battery Voltage      51.2V\n"));
        QVERIFY(
            text.contains("Load Current                Current Out 16.8 A  (Int 4.8  Ext 12.0)\n"));
        QVERIFY(text.contains("Solar Input voltage                   74.0 V\n"));
    }
};

TARVIK_TEST_MAIN(CurrentStateOutputTest)

#include "test_currentstateoutput.moc"
