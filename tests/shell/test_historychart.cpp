#include "historymemory.h"
#include "testmain.h"

#include "shell/historychart.h"

#include <QTest>

namespace {

// Charge and load Ah of days 1..n; the later days repeat the last value.
HistoryMemory ampHours(const QList<int>& in, const QList<int>& out) {
    HistoryMemory memory;
    for (int day = 1; day <= HistoryBlock::Days; ++day) {
        const int charge = in.value(day - 1, in.isEmpty() ? 0 : in.last());
        const int load = out.value(day - 1, out.isEmpty() ? 0 : out.last());
        memory.day(day, {0, 0, 0, 0, charge & 0xFF, load & 0xFF, (charge >> 8) | (load >> 8) << 4});
    }
    return memory;
}

const ChartText* textAt(const HistoryChart& chart, QPoint topLeft) {
    for (const auto& text : chart.texts)
        if (text.topLeft == topLeft)
            return &text;
    return nullptr;
}

} // namespace

class HistoryChartTest : public QObject {
    Q_OBJECT
private slots:
    void ahScaleStepsWithTheSpan_data() {
        QTest::addColumn<QList<int>>("in");
        QTest::addColumn<QList<int>>("out");
        QTest::addColumn<bool>("charge");
        QTest::addColumn<bool>("discharge");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("step");
        const QList<int> none;
        QTest::newRow("no history") << none << none << true << false << 0 << 1;
        QTest::newRow("span 11") << QList{20, 31} << none << true << false << 20 << 1;
        QTest::newRow("span 12") << QList{20, 32} << none << true << false << 20 << 2;
        QTest::newRow("charge 100..130") << QList{100, 130} << none << true << false << 100 << 5;
        QTest::newRow("charge 100..170") << QList{100, 170} << none << true << false << 100 << 10;
        QTest::newRow("minimum lowered to a step")
            << QList{105, 175} << none << true << false << 100 << 10;
        QTest::newRow("span 239") << QList{0, 239} << none << true << false << 0 << 20;
        QTest::newRow("span 599") << QList{1, 600} << none << true << false << 0 << 50;
        QTest::newRow("span 1199") << QList{1, 1200} << none << true << false << 0 << 100;
        QTest::newRow("span 2399") << QList{1, 2400} << none << true << false << 0 << 200;
        QTest::newRow("span 2400") << QList{0, 2400} << none << true << false << 0 << 500;
        QTest::newRow("above 3999 is held to 3999")
            << QList{4095} << none << true << false << 3999 << 1;
        QTest::newRow("load only") << QList{1000} << QList{200, 300} << false << true << 200 << 10;
        QTest::newRow("both together")
            << QList{50, 60} << QList{200, 300} << true << true << 50 << 50;
    }
    void ahScaleStepsWithTheSpan() {
        QFETCH(QList<int>, in);
        QFETCH(QList<int>, out);
        QFETCH(bool, charge);
        QFETCH(bool, discharge);
        QFETCH(int, minimum);
        QFETCH(int, step);
        const AhScale scale = ahScaleFor(ampHours(in, out).image(), charge, discharge);
        QCOMPARE(scale.minimum, minimum);
        QCOMPARE(scale.step, step);
    }

    // The image as the history read leaves it: RAM 93 reread, the model byte as read before
    // (zero when nothing else was read), never the last decode of the current state.
    void voltLabelsFollowTheBatteryCode_data() {
        QTest::addColumn<int>("byte0");
        QTest::addColumn<int>("code93");
        QTest::addColumn<int>("bottom");
        QTest::addColumn<int>("top");
        QTest::newRow("12 V") << 0 << 0 << 7 << 18;
        QTest::newRow("24 V") << 0 << 1 << 14 << 36;
        QTest::newRow("32 V") << 130 << 2 << 18 << 48;
        QTest::newRow("36 V") << 0 << 3 << 21 << 54;
        QTest::newRow("48 V") << 200 << 4 << 28 << 72;
        QTest::newRow("96 V, nothing read before") << 0 << 5 << 70 << 180;
        QTest::newRow("96 V, code 7") << 130 << 7 << 70 << 180;
        QTest::newRow("120 V variant, code 2") << 242 << 2 << 23 << 60;
        QTest::newRow("136 V variant, code 0") << 249 << 0 << 70 << 180;
        QTest::newRow("upper bits ignored") << 0 << 0xF9 << 14 << 36;
    }
    void voltLabelsFollowTheBatteryCode() {
        QFETCH(int, byte0);
        QFETCH(int, code93);
        QFETCH(int, bottom);
        QFETCH(int, top);
        const HistoryChart chart = layoutHistoryChart(
            HistoryMemory().set(0, byte0).set(93, code93).image(), {0, 0, 0, 0}, {});
        QCOMPARE(textAt(chart, {34, 366})->text, QString::number(bottom)); // beside the baseline
        QCOMPARE(textAt(chart, {34, 58})->text, QString::number(top));     // beside grid line 11
    }

    void scaleLabelsSitBesideTheirGridLines_data() {
        QTest::addColumn<QPoint>("topLeft");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("grey");
        QTest::newRow("Ah at the baseline") << QPoint(2, 372) << "100" << false;
        QTest::newRow("Ah at grid line 11") << QPoint(2, 64) << "155" << false;
        QTest::newRow("hours at grid line 11") << QPoint(595, 71) << "22" << false;
        QTest::newRow("percent at grid line 5") << QPoint(608, 227) << "50" << true;
        QTest::newRow("day 1") << QPoint(57, 388) << "1" << false;
        QTest::newRow("day 30") << QPoint(576, 388) << "30" << false;
        QTest::newRow("hours unit") << QPoint(595, 43) << "Hr" << false;
        QTest::newRow("Ah unit") << QPoint(2, 41) << "Ah" << false;
        QTest::newRow("percent unit") << QPoint(608, 31) << "%" << true;
        QTest::newRow("volt unit") << QPoint(36, 36) << "V" << true;
    }
    void scaleLabelsSitBesideTheirGridLines() {
        QFETCH(QPoint, topLeft);
        QFETCH(QString, text);
        QFETCH(bool, grey);
        const MemoryImage image = ampHours({100, 150}, {}).image(); // step 5 from 100
        const HistoryChart chart = layoutHistoryChart(image, {1, 0, 0, 0}, {});
        const ChartText* found = textAt(chart, topLeft);
        QVERIFY(found != nullptr);
        QCOMPARE(found->text, text);
        QCOMPARE(found->ink, grey ? ChartInk::Grey : ChartInk::Maroon);
        QCOMPARE(chart.texts.size(), size_t(30 + 4 * 12 + 4));
        QCOMPARE(chart.lines.size(), size_t(3 + 12));
    }

    void aChartWithoutAhKeepsTheLastAhScale() {
        const MemoryImage image = ampHours({100, 150}, {}).image();
        const HistoryChart before = layoutHistoryChart(image, {0, 0, 0, 0}, {});
        QCOMPARE(textAt(before, {2, 64})->text, QStringLiteral("0")); // never scaled yet
        const HistoryChart charged = layoutHistoryChart(image, {1, 0, 0, 0}, before.ahScale);
        const HistoryChart volts = layoutHistoryChart(image, {3, 0, 0, 0}, charged.ahScale);
        QCOMPARE(volts.ahScale.minimum, 100);
        QCOMPARE(volts.ahScale.step, 5);
        QCOMPARE(textAt(volts, {2, 64})->text, QStringLiteral("155"));
    }

    void barWidthLeavesRoomForEveryActiveList_data() {
        QTest::addColumn<GraphSeriesCodes>("series");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("seriesDrawn");
        QTest::newRow("one list") << GraphSeriesCodes{0, 0, 5, 0} << 16 << 1;
        QTest::newRow("two lists") << GraphSeriesCodes{1, 2, 0, 0} << 8 << 2;
        QTest::newRow("three lists") << GraphSeriesCodes{1, 2, 6, 0} << 5 << 3;
        QTest::newRow("four lists") << GraphSeriesCodes{1, 2, 3, 4} << 4 << 4;
        QTest::newRow("one series in two lists") << GraphSeriesCodes{3, 0, 3, 0} << 8 << 1;
        QTest::newRow("none") << GraphSeriesCodes{0, 0, 0, 0} << 4 << 0;
    }
    void barWidthLeavesRoomForEveryActiveList() {
        QFETCH(GraphSeriesCodes, series);
        QFETCH(int, width);
        QFETCH(int, seriesDrawn);
        const HistoryChart chart = layoutHistoryChart(MemoryImage(), series, {});
        QCOMPARE(chart.bars.size(), size_t(30 * seriesDrawn));
        for (const auto& bar : chart.bars)
            QCOMPARE(bar.rect.width(), width);
    }
};

TARVIK_TEST_MAIN(HistoryChartTest)

#include "test_historychart.moc"
