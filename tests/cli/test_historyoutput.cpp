#include "historymemory.h"
#include "linkrig.h"
#include "testmain.h"

#include "cliarguments.h"
#include "historyoutput.h"
#include "readrunner.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

// Today is record 6: the worked record; yesterday (record 5) and day 30 (record 7) differ.
HistoryMemory knownHistory() {
    return HistoryMemory()
        .set(93, 1)
        .code(4)
        .today(6)
        .record(6, {0x8F, 0x72, 0x19, 0x64, 0x2C, 0x10, 0x21})
        .record(5, {150, 120, 40, 90, 10, 20, 0})
        .record(7, {0, 0, 0, 0, 0xFF, 0xFF, 0xFF});
}

// "tarvik-cli read history", run on the fake port until it ends.
struct HistoryRun {
    LinkRig rig;
    ReadRunner runner{rig.link, findReadCommand(QStringLiteral("history"))->readTypes};
    QSignalSpy finished{&runner, &ReadRunner::finished};

    explicit HistoryRun(const HistoryMemory* device) {
        if (device != nullptr)
            rig.answerFrom(device->bytes);
        runner.start();
        rig.runUntil([this] { return !finished.isEmpty(); });
    }
    bool complete() const { return finished.at(0).at(0).toBool(); }
    QByteArray print(OutputFormat format) const {
        return printHistory({rig.link, complete()}, format);
    }
};

QStringList lines(const QByteArray& printed) {
    return QString::fromUtf8(printed).split(u'\n', Qt::SkipEmptyParts);
}

} // namespace

class HistoryOutputTest : public QObject {
    Q_OBJECT
private slots:
    void jsonListsTheDaysFromToday() {
        const HistoryMemory device = knownHistory();
        const HistoryRun run(&device);
        QVERIFY(run.complete());
        const QJsonObject object = QJsonDocument::fromJson(run.print(OutputFormat::Json)).object();
        QCOMPARE(object.value("complete").toBool(), true);
        const QJsonArray days = object.value("days").toArray();
        QCOMPARE(days.size(), 30);
        const QJsonObject today{{"day", 1},       {"in", 300},     {"out", 528}, {"vmax", "57.2"},
                                {"vmin", "45.6"}, {"ftim", "2.5"}, {"soc", 100}};
        QCOMPARE(days.at(0).toObject(), today);
        const QJsonObject yesterday{{"day", 2},       {"in", 10},       {"out", 20},
                                    {"vmax", "60.0"}, {"vmin", "48.0"}, {"ftim", "4.0"},
                                    {"soc", 90}};
        QCOMPARE(days.at(1).toObject(), yesterday);
        QCOMPARE(days.at(29).toObject().value("in").toInt(), 4095);
        const QJsonObject image = object.value("image").toObject();
        QCOMPARE(image.size(), 235); // the current state, then RAM 93 again and EEPROM 43..255
        QCOMPARE(image.value("93").toInt(), 1);
        QCOMPARE(image.value("221").toInt(), 0);
        QCOMPARE(image.value("301").toInt(), 6);
        QVERIFY(!image.contains("298"));
    }

    void csvHasAHeaderAndThirtyRows() {
        const HistoryMemory device = knownHistory();
        const QStringList rows = lines(HistoryRun(&device).print(OutputFormat::Csv));
        QCOMPARE(rows.size(), 31);
        QCOMPARE(rows.at(0), QStringLiteral("day,in,out,vmax,vmin,ftim,soc"));
        QCOMPARE(rows.at(1), QStringLiteral("1,300,528,57.2,45.6,2.5,100"));
        QCOMPARE(rows.at(2), QStringLiteral("2,10,20,60.0,48.0,4.0,90"));
        QCOMPARE(rows.at(30), QStringLiteral("30,4095,4095,0.0,0.0,0.0,0"));
    }

    void textIsTheReportTable() {
        const HistoryMemory device = knownHistory();
        const QStringList rows = lines(HistoryRun(&device).print(OutputFormat::Text));
        QCOMPARE(rows.size(), 32);
        QCOMPARE(rows.at(0), QStringLiteral("Day\tIN\tOUT\tVMAX\tVMIN\tFTIM\tSOC"));
        QCOMPARE(rows.at(1), QStringLiteral("\tAh\tAh\tV\tV\tHr\t%"));
        QCOMPARE(rows.at(2), QStringLiteral("1\t300\t528\t57.2\t45.6\t2.5\t100"));
    }

    // A 136 V controller keeps code 0 in 93 and in its history: only the model byte, read with
    // the current state, tells that its history counts whole volts.
    void wholeVoltHistoryInEveryFormat_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("today");
        QTest::newRow("text") << int(OutputFormat::Text) << "1\t300\t528\t143\t114\t2.5\t100";
        QTest::newRow("csv") << int(OutputFormat::Csv) << "1,300,528,143,114,2.5,100";
    }
    void wholeVoltHistoryInEveryFormat() {
        QFETCH(int, format);
        QFETCH(QString, today);
        const HistoryMemory device = knownHistory().set(0, 249).set(93, 0).code(0);
        const HistoryRun run(&device);
        QVERIFY(run.complete());
        QVERIFY(lines(run.print(OutputFormat(format))).contains(today));
        const QJsonObject json = QJsonDocument::fromJson(run.print(OutputFormat::Json)).object();
        const QJsonObject day1 = json.value("days").toArray().at(0).toObject();
        QCOMPARE(day1.value("vmax").toString(), QStringLiteral("143"));
        QCOMPARE(day1.value("vmin").toString(), QStringLiteral("114"));
    }

    void aFailedReadPrintsWhatItHasMarkedIncomplete() {
        const HistoryRun run(nullptr); // nothing answers
        QVERIFY(!run.complete());
        const QByteArray text = run.print(OutputFormat::Text);
        QVERIFY(text.endsWith("(incomplete: the read did not finish)\n"));
        QCOMPARE(lines(text).size(), 33);
        const QJsonObject object = QJsonDocument::fromJson(run.print(OutputFormat::Json)).object();
        QCOMPARE(object.value("complete").toBool(), false);
        QCOMPARE(object.value("days").toArray().size(), 30);
    }

    void historyTakesEveryOutputFormat_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("format");
        QTest::newRow("text by default")
            << QStringList{"read", "history"} << int(OutputFormat::Text);
        QTest::newRow("json") << QStringList{"read", "history", "--json"}
                              << int(OutputFormat::Json);
        QTest::newRow("csv") << QStringList{"--csv", "read", "history"} << int(OutputFormat::Csv);
    }
    void historyTakesEveryOutputFormat() {
        QFETCH(QStringList, args);
        QFETCH(int, format);
        QString error;
        const auto parsed = parseCliArguments(args << "--port"
                                                   << "/dev/null",
                                              error);
        QVERIFY2(parsed.has_value(), qPrintable(error));
        QCOMPARE(parsed->read->readTypes, (std::vector<int>{ReadKind::Current, ReadKind::History}));
        QCOMPARE(int(parsed->format), format);
    }
};

TARVIK_TEST_MAIN(HistoryOutputTest)

#include "test_historyoutput.moc"
