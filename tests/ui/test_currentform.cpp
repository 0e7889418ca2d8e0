#include "programrig.h"
#include "widgettestmain.h"

#include "data/currentstatetexts.h"
#include "data/ui/currentpicture.h"
#include "shell/ui/maintoolbar.h"

#include <QLabel>
#include <QProgressBar>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>

namespace {

// A VX40 v3 on a 24 V system, floating, with every value the view shows set apart.
std::array<quint8, 512> controllerMemory() {
    std::array<quint8, 512> m{};
    const std::pair<int, int> bytes[] = {
        {0, 131},   {32, 0x10}, {93, 1},    {101, 3},    {181, 87},  {52, 23},    {182, 140},
        {183, 120}, {213, 50},  {205, 24},  {207, 0x04}, {217, 30},  {188, 45},   {193, 5},
        {198, 12},  {204, 1},   {221, 100}, {48, 145},   {184, 98},  {115, 0x13}, {63, 3},
        {95, 12},   {96, 7},    {21, 128},  {53, 150},   {37, 0x85}, {98, 0x05}};
    for (const auto& [address, value] : bytes)
        m[static_cast<size_t>(address)] = static_cast<quint8>(value);
    return m;
}

QStringList statusColumn(const QTableWidget* table) {
    QStringList values;
    for (int row = 1; row < table->rowCount(); ++row)
        values << table->item(row, 1)->text();
    return values;
}

} // namespace

class CurrentFormTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        store = std::make_unique<MemoryConfigStore>();
        rig = std::make_unique<ProgramRig>(*store);
        answerReadsFrom(rig->direct, rig->program.link.state, controllerMemory());
    }
    void cleanup() {
        rig.reset();
        store.reset();
    }

    void currentStateButtonReadsAndShowsTheController() {
        rig->finishStartup();
        TCurrentform& view = *rig->program.currentform;
        QToolButton* button = rig->program.mainform->toolBar->button(4);
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(view.isVisible());
        QVERIFY(button->isChecked());
        QVERIFY(view.Waitlab->isVisible() && view.curprogress->isVisible());
        QCOMPARE(view.curprogress->maximum(), 22);
        rig->runLink();

        QCOMPARE(rig->addressesSent().first(), 221);
        QCOMPARE(rig->addressesSent().last(), 0);
        QVERIFY(rig->program.link.valid.CurrentDataValid);
        QVERIFY(!view.Waitlab->isVisible() && !view.curprogress->isVisible());
        QCOMPARE(view.curprogress->value(), 22);
        const std::pair<QLabel*, const char*> expected[] = {{view.Typelab, "VX40 v3"},
                                                            {view.nomvlab, "24V"},
                                                            {view.Statelab, "FLOAT"},
                                                            {view.soclab, "SOC  87%"},
                                                            {view.batvlab, "25.0V"},
                                                            {view.maxminlab, "24.0<V<28.0"},
                                                            {view.templab, "23 oC"},
                                                            {view.Chargelab, "Current In 12.4 A"},
                                                            {view.Chargelab2, "Int 10.0  Ext 2.4"},
                                                            {view.Loadlab, "Current Out 3.0 A"},
                                                            {view.Loadlab2, "Int 3.0  Ext 0.0"},
                                                            {view.Camphrlab, "Charge 50 Ah"},
                                                            {view.camphrlab2, "Int 45  Ext 5"},
                                                            {view.Lamphrlab, "Discharge 268 Ah"},
                                                            {view.lamphrlab2, "Int 12   Ext 256"},
                                                            {view.inlab, "IN"},
                                                            {view.outlab, "OUT"}};
        for (const auto& [label, text] : expected)
            QCOMPARE(label->text(), QString::fromUtf8(text));
        const auto& report = rig->program.state.currentTexts;
        QCOMPARE(report.CurrentSummaryLines.at(0),
                 QStringLiteral("Current In \t12.4A\tInt 10.0\tExt 2.4"));
        QCOMPARE(report.CurrentValueTexts.size(), 12);
    }

    void statusTableReadsTheStatusValues() {
        rig->finishStartup();
        TCurrentform& view = *rig->program.currentform;
        QTest::mouseClick(rig->program.mainform->toolBar->button(4), Qt::LeftButton);
        rig->runLink();
        rig->direct.sent.clear();
        QTest::mousePress(view.Curstring->viewport(), Qt::LeftButton, {}, QPoint(40, 40));
        QCOMPARE(view.curprogress->maximum(), 10);
        QVERIFY(view.Waitlab1->isVisible());
        rig->runLink();
        QCOMPARE(rig->addressesSent().first(), 184);
        QCOMPARE(rig->addressesSent().last(), 21);
        QVERIFY(rig->program.link.valid.StatusDataValid);
        QCOMPARE(
            statusColumn(view.Curstring),
            (QStringList{"14.5 Hours", "9.8 Hours", "Disconnected", "Running", "Active", "3", "12",
                         "7", "50 %", "75.0 V", "Night", "133", "Off", "Off", "On", "Off", "On"}));
    }

    void clicksWhileBusyAreIgnored() {
        rig->finishStartup();
        TCurrentform& view = *rig->program.currentform;
        QTest::mouseClick(rig->program.mainform->toolBar->button(4), Qt::LeftButton);
        QCOMPARE(rig->direct.sent.size(), 1);
        QTest::mouseClick(view.picture, Qt::LeftButton);
        QTest::mouseClick(view.Typelab, Qt::LeftButton);
        QTest::mousePress(view.Curstring->viewport(), Qt::LeftButton, {}, QPoint(40, 40));
        QCOMPARE(rig->direct.sent.size(), 1);
        QCOMPARE(rig->program.link.readState().ReadType, int(ReadKind::Current));
        QCOMPARE(view.curprogress->maximum(), 22);
    }

    void clickOnThePictureReadsAgain() {
        rig->finishStartup();
        TCurrentform& view = *rig->program.currentform;
        QTest::mouseClick(rig->program.mainform->toolBar->button(4), Qt::LeftButton);
        rig->runLink();
        rig->direct.sent.clear();
        QTest::mouseClick(view.batvlab, Qt::LeftButton);
        rig->runLink();
        QCOMPARE(rig->addressesSent().size(), 44); // 22 addresses, each read twice
    }

    void readsAreRefusedUntilTheFirstTimerTick() {
        TCurrentform& view = *rig->program.currentform;
        QToolButton* button = rig->program.mainform->toolBar->button(4);
        QVERIFY(rig->program.link.state.StartupPending);
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(view.isVisible());
        QVERIFY(rig->direct.sent.isEmpty());
        // The refused read leaves no wait box behind, and the status bar says why.
        QVERIFY(!view.Waitlab->isVisible());
        QCOMPARE(rig->program.link.status.text(StatusPanels::Link), QStringLiteral("Starting Up"));
        QVERIFY(!rig->program.link.valid.CurrentDataValid);

        rig->finishStartup();
        QVERIFY(!rig->program.link.state.StartupPending);
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(!view.isVisible());
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(rig->direct.sent.size(), 1);
    }

    void emptyImageShowsItsTexts() {
        TCurrentform& view = *rig->program.currentform;
        const std::pair<QLabel*, const char*> expected[] = {
            {view.Typelab, "VX20 v0"}, {view.nomvlab, "12V"},         {view.Statelab, "BOOST"},
            {view.batvlab, "7.5V"},    {view.maxminlab, "0.0<V<0.0"}, {view.soclab, "SOC  0%"},
            {view.templab, "0 oC"}};
        for (const auto& [label, text] : expected)
            QCOMPARE(label->text(), QString::fromUtf8(text));
        const QStringList values = statusColumn(view.Curstring);
        QCOMPARE(values.at(10), QStringLiteral("Day"));
        QCOMPARE(values.at(12), QStringLiteral("Off"));
        QCOMPARE(values.mid(13), (QStringList{"On", "On", "On", "On"}));
        QCOMPARE(view.Curstring->item(0, 0)->text(), QStringLiteral("CURRENT STATE DATA"));
        QCOMPARE(view.Curstring->item(17, 0)->text(),
                 QStringLiteral("                          Tmod is"));
    }

    void closingTheWindowRaisesTheMainButton() {
        rig->finishStartup();
        QToolButton* button = rig->program.mainform->toolBar->button(4);
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(button->isChecked());
        rig->program.currentform->close();
        QVERIFY(!button->isChecked());
    }

    void portThatWillNotOpenSaysWhy() {
        rig->finishStartup();
        rig->direct.failOpen = true;
        QTest::mouseClick(rig->program.mainform->toolBar->button(4), Qt::LeftButton);
        QCOMPARE(rig->program.link.status.text(StatusPanels::Link),
                 QStringLiteral("fake port refuses to open"));
        QVERIFY(!rig->program.currentform->Waitlab->isVisible());
    }

private:
    std::unique_ptr<MemoryConfigStore> store;
    std::unique_ptr<ProgramRig> rig;
};

TARVIK_WIDGET_TEST_MAIN(CurrentFormTest)
#include "test_currentform.moc"
