#include "historymemory.h"
#include "testmain.h"

#include "data/history.h"

#include <QTest>

namespace {
// Each record's SOC byte names the record, so a day shows which record it came from.
MemoryImage numberedRecords(int todayIndex) {
    HistoryMemory memory;
    memory.today(todayIndex);
    for (int record = 0; record < HistoryBlock::Days; ++record)
        memory.record(record, {0, 0, 0, 100 + record, 0, 0, 0});
    return memory.image();
}
} // namespace

class HistoryDecodeTest : public QObject {
    Q_OBJECT
private slots:
    void workedRecordGivesTheReportTexts() {
        const MemoryImage image = HistoryMemory()
                                      .code(4)
                                      .today(6)
                                      .record(6, {0x8F, 0x72, 0x19, 0x64, 0x2C, 0x10, 0x21})
                                      .image();
        const DayRecord record = historyDay(image, 1);
        QCOMPARE(record.chargeAh, 300);
        QCOMPARE(record.loadAh, 528);
        QCOMPARE(historyDayTexts(image, 1).fields(),
                 QStringList({"1", "300", "528", "57.2", "45.6", "2.5", "100"}));
    }

    void daysCountBackFromToday_data() {
        QTest::addColumn<int>("todayIndex");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("record");
        QTest::newRow("index 0, today") << 0 << 1 << 0;
        QTest::newRow("index 0, yesterday wraps") << 0 << 2 << 29;
        QTest::newRow("index 0, day 30") << 0 << 30 << 1;
        QTest::newRow("index 4, today") << 4 << 1 << 4;
        QTest::newRow("index 4, day 5") << 4 << 5 << 0;
        QTest::newRow("index 4, day 6 wraps") << 4 << 6 << 29;
        QTest::newRow("index 4, day 30") << 4 << 30 << 5;
        QTest::newRow("index 29, today") << 29 << 1 << 29;
        QTest::newRow("index 29, day 30") << 29 << 30 << 0;
        QTest::newRow("index 30 is record 0") << 30 << 1 << 0;
        QTest::newRow("index 35 is record 5") << 35 << 2 << 4;
        QTest::newRow("index 255 is record 15") << 255 << 16 << 0;
    }
    void daysCountBackFromToday() {
        QFETCH(int, todayIndex);
        QFETCH(int, day);
        QFETCH(int, record);
        QCOMPARE(historyDay(numberedRecords(todayIndex), day).stateOfCharge, 100 + record);
    }

    void everyIndexKeepsAllDaysInsideTheBlock() {
        for (int index = 0; index < 256; ++index) {
            const MemoryImage image = numberedRecords(index);
            QSet<int> records;
            for (int day = 1; day <= HistoryBlock::Days; ++day)
                records.insert(historyDay(image, day).stateOfCharge - 100);
            QCOMPARE(records.size(), HistoryBlock::Days); // each record once, none outside
            QCOMPARE(*std::min_element(records.begin(), records.end()), 0);
            QCOMPARE(*std::max_element(records.begin(), records.end()), 29);
        }
    }

    void ampHoursTakeTheirHighNibbles_data() {
        QTest::addColumn<int>("lowIn");
        QTest::addColumn<int>("lowOut");
        QTest::addColumn<int>("nibbles");
        QTest::addColumn<int>("in");
        QTest::addColumn<int>("out");
        QTest::newRow("all ones") << 0xFF << 0xFF << 0xFF << 4095 << 4095;
        QTest::newRow("in high only") << 0x00 << 0x05 << 0x0F << 3840 << 5;
        QTest::newRow("out high only") << 0x07 << 0x00 << 0xF0 << 7 << 3840;
        QTest::newRow("no high bits") << 0x80 << 0x40 << 0x00 << 128 << 64;
    }
    void ampHoursTakeTheirHighNibbles() {
        QFETCH(int, lowIn);
        QFETCH(int, lowOut);
        QFETCH(int, nibbles);
        QFETCH(int, in);
        QFETCH(int, out);
        const MemoryImage image =
            HistoryMemory().record(0, {0, 0, 0, 0, lowIn, lowOut, nibbles}).image();
        const DayRecord record = historyDay(image, 1);
        QCOMPARE(record.chargeAh, in);
        QCOMPARE(record.loadAh, out);
        const HistoryDayTexts texts = historyDayTexts(image, 1);
        QCOMPARE(texts.in, QString::number(in));
        QCOMPARE(texts.out, QString::number(out));
    }

    void voltagesScaleByTheHistoryCode_data() {
        QTest::addColumn<int>("byte0");
        QTest::addColumn<int>("historyCode");
        QTest::addColumn<int>("currentCode");
        QTest::addColumn<int>("raw");
        QTest::addColumn<QString>("text");
        QTest::newRow("12 V") << 0 << 0 << 0 << 143 << "14.3";
        QTest::newRow("24 V") << 0 << 1 << 1 << 130 << "26.0";
        QTest::newRow("32 V divides by three") << 0 << 2 << 2 << 120 << "32.0";
        QTest::newRow("32 V truncates") << 0 << 2 << 2 << 121 << "32.2";
        QTest::newRow("36 V") << 0 << 3 << 3 << 135 << "40.5";
        QTest::newRow("48 V") << 130 << 4 << 4 << 114 << "45.6";
        QTest::newRow("only bits 0..2 count") << 0 << 0xF9 << 1 << 130 << "26.0";
        QTest::newRow("history code 1, current code 4") << 0 << 1 << 4 << 120 << "24.0";
        QTest::newRow("history code 4, current code 0") << 0 << 4 << 0 << 120 << "48.0";
        QTest::newRow("96 V in whole volts") << 0 << 5 << 5 << 143 << "143";
        QTest::newRow("96 V, code 7") << 200 << 7 << 7 << 143 << "143";
        QTest::newRow("120 V variant in whole volts") << 242 << 0 << 0 << 143 << "143";
        QTest::newRow("120 V variant ignores the block's code") << 245 << 4 << 4 << 143 << "143";
        QTest::newRow("136 V variant in whole volts") << 249 << 0 << 0 << 255 << "255";
    }
    void voltagesScaleByTheHistoryCode() {
        QFETCH(int, byte0);
        QFETCH(int, historyCode);
        QFETCH(int, currentCode);
        QFETCH(int, raw);
        QFETCH(QString, text);
        const MemoryImage image = HistoryMemory()
                                      .set(0, byte0)
                                      .code(historyCode)
                                      .set(93, currentCode)
                                      .record(0, {raw, raw, 0, 0, 0, 0, 0})
                                      .image();
        const HistoryDayTexts texts = historyDayTexts(image, 1);
        QCOMPARE(texts.vmax, text);
        QCOMPARE(texts.vmin, text);
    }

    void unreadHistoryDecodesToZeros() {
        const MemoryImage image;
        for (int day = 1; day <= HistoryBlock::Days; ++day)
            QCOMPARE(historyDayTexts(image, day).fields(),
                     QStringList({QString::number(day), "0", "0", "0.0", "0.0", "0.0", "0"}));
    }

    void floatTimeAndChargeAreRawBytes() {
        // The voltage scale leaves them alone.
        const MemoryImage image =
            HistoryMemory().code(4).record(0, {0, 0, 255, 255, 0, 0, 0}).image();
        const HistoryDayTexts texts = historyDayTexts(image, 1);
        QCOMPARE(texts.ftim, QStringLiteral("25.5"));
        QCOMPARE(texts.soc, QStringLiteral("255"));
    }
};

TARVIK_TEST_MAIN(HistoryDecodeTest)

#include "test_history.moc"
