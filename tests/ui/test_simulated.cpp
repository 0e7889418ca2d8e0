#include "answeringsavedialogs.h"
#include "fixedwallclock.h"
#include "memoryconfigstore.h"
#include "uifakes.h"
#include "widgettestmain.h"

#include "platform/qt/qtserialport.h"
#include "platform/qt/qtticktimer.h"
#include "program.h"
#include "shell/ui/maintoolbar.h"
#include "simulatedcontroller.h"

#include "data/currentstatetexts.h"

#include <QLabel>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>

// The program on real serial ports and timers, against a simulated controller on a
// pseudo-terminal, as `tarvik --simulate` runs it.
class SimulatedControllerTest : public QObject {
    Q_OBJECT
private slots:
    void currentStateButtonReadsTheSimulatedController() {
        SimulatedController simulator(QStringLiteral("vx60"));
        QVERIFY2(simulator.open(), qPrintable(simulator.errorString()));
        QtTickTimerSource timers;
        PortMap portMap;
        QtSerialPort direct(timers, portMap);
        QtSerialPort modem(timers, portMap);
        FixedWallClock clock;
        MemoryConfigStore store;
        FakeSerialPortLister lister;
        FakeFontChooser fonts;
        FakeConfirmer confirmer;
        AnsweringSaveDialogs saveDialogs;
        FakeMessageBoxes messageBoxes;
        PdfPrinter printer;
        Program program(ProgramServices{direct,
                                        modem,
                                        clock,
                                        store,
                                        &store,
                                        portMap,
                                        lister,
                                        fonts,
                                        confirmer,
                                        saveDialogs,
                                        messageBoxes,
                                        printer,
                                        {},
                                        QStringLiteral("1.0")});
        program.useDirectDeviceForRun(simulator.devicePath());
        program.mainform->show();
        program.mainform->Timer1Timer();

        QTest::mouseClick(program.mainform->toolBar->button(4), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(program.link.valid.CurrentDataValid, 60000);
        TCurrentform& view = *program.currentform;
        QVERIFY(view.Typelab->text().startsWith(QStringLiteral("VX60 v")));
        QCOMPARE(view.nomvlab->text(), QStringLiteral("24V"));
        QCOMPARE(
            view.Statelab->text(),
            QString::fromUtf8(CurrentText::States[simulator.controller().imageByte(101) & 3][0]));
        QVERIFY(!view.Waitlab->isVisible());

        QTest::mousePress(view.Curstring->viewport(), Qt::LeftButton, {}, QPoint(40, 40));
        QTRY_VERIFY_WITH_TIMEOUT(program.link.valid.StatusDataValid, 60000);
        QCOMPARE(view.Curstring->item(12, 1)->text(),
                 QString::number(simulator.controller().imageByte(37)));

        // The device was for this run only.
        program.mainform->close();
        QVERIFY(store.valueNames(QStringLiteral("Ports")).isEmpty());
    }
};

TARVIK_WIDGET_TEST_MAIN(SimulatedControllerTest)
#include "test_simulated.moc"
