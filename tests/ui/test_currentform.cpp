#include "programrig.h"
#include "widgettestmain.h"

#include "data/currentstatetexts.h"
#include "data/ui/currentpicture.h"
#include "link/readfailuretexts.h"
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

// The same controller at the top of its ranges, so every value text is as long as it gets.
std::array<quint8, 512> busyControllerMemory() {
    std::array<quint8, 512> m = controllerMemory();
    const std::pair<int, int> bytes[] = {{101, 1},    {181, 100}, {213, 255}, {205, 255},
                                         {207, 0x0f}, {217, 255}, {206, 255}, {188, 255},
                                         {189, 255},  {193, 255}, {194, 255}, {198, 255},
                                         {199, 255},  {203, 255}, {204, 255}};
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

const QStringList NoStatusValues(TCurrentform::StatusRows, QStringLiteral("--"));

// The labels that show a value decoded from the image.
QList<QLabel*> valueLabels(const TCurrentform& view) {
    return {view.Typelab,    view.nomvlab,    view.Statelab,  view.soclab,     view.Chargelab,
            view.Chargelab2, view.Loadlab,    view.Loadlab2,  view.batvlab,    view.maxminlab,
            view.Camphrlab,  view.camphrlab2, view.Lamphrlab, view.lamphrlab2, view.templab};
}

void verifyNoValueShown(const TCurrentform& view) {
    for (const QLabel* label : valueLabels(view))
        QCOMPARE(label->text(), QStringLiteral("--"));
    QCOMPARE(statusColumn(view.Curstring), NoStatusValues);
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
                                                            {view.Chargetitle, "Current In "},
                                                            {view.Chargelab, "12.4 A"},
                                                            {view.Chargelab2, "Int 10.0  Ext 2.4"},
                                                            {view.Loadtitle, "Current Out "},
                                                            {view.Loadlab, "3.0 A"},
                                                            {view.Loadlab2, "Int 3.0  Ext 0.0"},
                                                            {view.Camphrtitle, "Charge "},
                                                            {view.Camphrlab, "50 Ah"},
                                                            {view.camphrlab2, "Int 45  Ext 5"},
                                                            {view.Lamphrtitle, "Discharge "},
                                                            {view.Lamphrlab, "268 Ah"},
                                                            {view.lamphrlab2, "Int 12   Ext 256"},
                                                            {view.inlab, "IN"},
                                                            {view.outlab, "OUT"}};
        for (const auto& [label, text] : expected)
            QCOMPARE(label->text(), QString::fromUtf8(text));
        QVERIFY(!view.Faillab->isVisible());
        // The status values come with their own read.
        QCOMPARE(statusColumn(view.Curstring), NoStatusValues);
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

    void nothingReadShowsNoValues() {
        TCurrentform& view = *rig->program.currentform;
        verifyNoValueShown(view);
        QVERIFY(view.Faillab->isHidden());
        QCOMPARE(view.Chargetitle->text(), QStringLiteral("Current In "));
        QCOMPARE(view.Curstring->item(0, 0)->text(), QStringLiteral("CURRENT STATE DATA"));
        QCOMPARE(view.Curstring->item(17, 0)->text(),
                 QStringLiteral("                          Tmod is"));
    }

    void aReadThatBringsNoValuesSaysWhy_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("shown");
        QTest::newRow("no reply") << "silent" << 0 << "Read failed: the controller did not reply.";
        QTest::newRow("no reply, German")
            << "silent" << 3 << "Lesen fehlgeschlagen: der Regler antwortet nicht.";
        QTest::newRow("port will not open")
            << "port" << 0 << "Read failed: the port cannot be used.";
        QTest::newRow("start-up not over")
            << "startup" << 2 << QString::fromUtf8("读取未开始：通信链路尚未就绪。");
    }
    void aReadThatBringsNoValuesSaysWhy() {
        QFETCH(QString, fault);
        QFETCH(int, language);
        QFETCH(QString, shown);
        TCurrentform& view = *rig->program.currentform;
        rig->program.link.state.LanguageIndex = language;
        if (fault != QStringLiteral("startup"))
            rig->finishStartup();
        if (fault == QStringLiteral("silent"))
            QObject::disconnect(&rig->direct, &FakeSerialPort::bytesSent, nullptr, nullptr);
        rig->direct.failOpen = fault == QStringLiteral("port");
        QTest::mouseClick(rig->program.mainform->toolBar->button(4), Qt::LeftButton);
        rig->runLink();

        QVERIFY(!view.Waitlab->isVisible());
        QVERIFY(view.Faillab->isVisible());
        QCOMPARE(view.Faillab->text(), shown);
        verifyNoValueShown(view);
    }

    void aFailedReadAfterAGoodOneKeepsItsValuesAndSaysSo() {
        rig->finishStartup();
        TCurrentform& view = *rig->program.currentform;
        QTest::mouseClick(rig->program.mainform->toolBar->button(4), Qt::LeftButton);
        rig->runLink();
        QObject::disconnect(&rig->direct, &FakeSerialPort::bytesSent, nullptr, nullptr);
        QTest::mouseClick(view.batvlab, Qt::LeftButton);
        QVERIFY(view.Faillab->isHidden()); // the new read is under way
        rig->runLink();
        QVERIFY(view.Faillab->isVisible());
        QCOMPARE(view.Faillab->text(), text(ReadFailureText::NoReply, 0));
        // What the earlier read brought is still a reading.
        QCOMPARE(view.Typelab->text(), QStringLiteral("VX40 v3"));
        QCOMPARE(view.batvlab->text(), QStringLiteral("25.0V"));

        answerReadsFrom(rig->direct, rig->program.link.state, controllerMemory());
        QTest::mouseClick(view.batvlab, Qt::LeftButton);
        rig->runLink();
        QVERIFY(view.Faillab->isHidden());
    }

    // The titles are as long as each language makes them, the values as long as the controller
    // can make them: at the window's first size no title touches its value, in any language and
    // at the largest size the language may have.
    void titlesNeverTouchTheirValues_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("fontSize");
        const char* names[] = {"English", "French", "Chinese", "German"};
        const LanguageFonts defaults;
        for (int language = 0; language < 4; ++language) {
            QTest::addRow("%s", names[language]) << language << defaults.size(language);
            QTest::addRow("%s, largest", names[language]) << language << 14;
        }
    }
    void titlesNeverTouchTheirValues() {
        QFETCH(int, language);
        QFETCH(int, fontSize);
        rig->program.state.configuration.fonts.LangFontSize[size_t(language)] = fontSize;
        rig->program.link.state.LanguageIndex = language;
        QObject::disconnect(&rig->direct, &FakeSerialPort::bytesSent, nullptr, nullptr);
        answerReadsFrom(rig->direct, rig->program.link.state, busyControllerMemory());
        rig->finishStartup();
        TCurrentform& view = *rig->program.currentform;
        QTest::mouseClick(rig->program.mainform->toolBar->button(4), Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowActive(&view));
        rig->runLink();
        QCOMPARE(view.size(), QSize(470, 384));

        const std::pair<QLabel*, QLabel*> pairs[] = {{view.Chargetitle, view.Chargelab},
                                                     {view.Loadtitle, view.Loadlab},
                                                     {view.Camphrtitle, view.Camphrlab},
                                                     {view.Lamphrtitle, view.Lamphrlab}};
        for (const auto& [title, value] : pairs) {
            const QRect titleRect = title->geometry();
            const QRect valueRect = value->geometry();
            QVERIFY2(!titleRect.adjusted(-1, -1, 1, 1).intersects(valueRect),
                     qPrintable(title->text() + value->text()));
            for (const QLabel* label : {title, value}) {
                QVERIFY(view.picture->rect().contains(label->geometry()));
                QVERIFY(label->width() >= label->sizeHint().width());
            }
        }
    }

    void theStatusTableGrowsWithTheWindow() {
        TCurrentform& view = *rig->program.currentform;
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QTableWidget* table = view.Curstring;
        const auto lastRowShown = [table] {
            return table->rowViewportPosition(TCurrentform::StatusRows) +
                       table->rowHeight(TCurrentform::StatusRows) <=
                   table->viewport()->height();
        };
        QVERIFY(!lastRowShown());
        const int before = table->height();
        view.resize(view.width(), 384 + 18 * 24);
        QTRY_VERIFY(table->height() >= before + 18 * 24 - 1);
        QVERIFY(lastRowShown());
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
        QVERIFY(rig->program.currentform->Faillab->isVisible());
    }

private:
    std::unique_ptr<MemoryConfigStore> store;
    std::unique_ptr<ProgramRig> rig;
};

TARVIK_WIDGET_TEST_MAIN(CurrentFormTest)
#include "test_currentform.moc"
