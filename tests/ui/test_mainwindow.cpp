#include "fakecontroller.h"
#include "programrig.h"
#include "widgettestmain.h"

#include "link/ui/comportedit.h"
#include "link/ui/devicecombo.h"
#include "link/ui/fastrepliesbox.h"
#include "link/ui/portpanel.h"
#include "settings/ui/vxagrid.h"
#include "shell/ui/exitpanel.h"
#include "shell/ui/languagegroup.h"
#include "shell/ui/maintoolbar.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>
#include <map>

namespace {

void typeInto(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, text);
}

// The bounding box of the pixels that differ between two pictures of one widget.
QRect changedPixels(const QImage& before, const QImage& after) {
    QRect changed;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y))
                changed |= QRect(x, y, 1, 1);
    return changed;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init() { store = std::make_unique<MemoryConfigStore>(); }
    void cleanup() { store.reset(); }

    void startUpReadsTheStoreAndWaitsForTheFirstTick() {
        ProgramRig rig(*store);
        const QStringList reads = store->journal.filter(QStringLiteral("read "));
        QCOMPARE(reads.first(), QStringLiteral("read Settings/Periodic Log Rate"));
        // The main window's reading ends with the TAPI choice; the options follow it.
        const int tapi = reads.indexOf(QStringLiteral("read Save Options/Tapi selection"));
        QCOMPARE(reads.at(tapi + 1), QStringLiteral("read Options/MainFormLeft"));
        Tmainform& main = *rig.program.mainform;
        QCOMPARE(main.windowTitle(), QStringLiteral("TARVIK 2.10.7.0"));
        QCOMPARE(main.pos(), QPoint(240, 45));
        QCOMPARE(main.width(), 640);
        const StatusPanels& status = rig.program.link.status;
        QCOMPARE(status.text(StatusPanels::Port), QStringLiteral("COM1"));
        QCOMPARE(status.text(StatusPanels::Baud), QStringLiteral("9600"));
        QCOMPARE(rig.direct.comNumber(), 1);
        QCOMPARE(rig.modem.comNumber(), 3);
        QVERIFY(rig.program.link.state.StartupPending);
        QVERIFY(rig.program.currentform && rig.program.debugform);
        QVERIFY(!rig.program.currentform->isVisible());
        QVERIFY(main.Timer1.isActive());
        QCOMPARE(main.Timer1.interval(), 1000);

        rig.finishStartup();
        QVERIFY(!rig.program.link.state.StartupPending);
        QVERIFY(status.text(StatusPanels::Clock).startsWith(QStringLiteral("14:07:09   ")));
    }

    void commandsOfLaterWindowsAreDisabled() {
        ProgramRig rig(*store);
        MainToolBar* bar = rig.program.mainform->toolBar;
        for (int number = 1; number <= 12; ++number)
            QVERIFY2(bar->button(number)->isEnabled(), qPrintable(QString::number(number)));
        QCOMPARE(bar->button(7)->menu(), nullptr);
        QVERIFY(rig.program.mainform->sitebutton->isEnabled());
        QCOMPARE(rig.program.mainform->sitebutton->text(), QStringLiteral("LOG"));
    }

    // The current-state, history and settings buttons: down while their window shows, which reads
    // what it lacks when it opens; a second click hides it, its close box raises the button.
    void toolWindowButtonsShowReadAndHide_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("firstAddress");
        QTest::newRow("current state") << 4 << 221;
        QTest::newRow("history") << 5 << 93;
        QTest::newRow("settings") << 6 << 101;
    }
    void toolWindowButtonsShowReadAndHide() {
        QFETCH(int, button);
        QFETCH(int, firstAddress);
        ProgramRig rig(*store);
        answerReadsFrom(rig.direct, rig.program.link.state, {});
        rig.finishStartup();
        Program& program = rig.program;
        const std::map<int, QWidget*> windows{{4, program.currentform.get()},
                                              {5, program.graphform.get()},
                                              {6, program.setform.get()}};
        QWidget* window = windows.at(button);
        QToolButton* toolButton = program.mainform->toolBar->button(button);

        QTest::mouseClick(toolButton, Qt::LeftButton);
        QVERIFY(window->isVisible());
        QVERIFY(toolButton->isChecked());
        QVERIFY(QTest::qWaitForWindowActive(window));
        rig.runLink();
        QVERIFY(!rig.addressesSent().isEmpty());
        QCOMPARE(rig.addressesSent().first(), firstAddress);
        QVERIFY(!program.link.isBusy());

        QTest::mouseClick(toolButton, Qt::LeftButton);
        QVERIFY(!window->isVisible());
        QVERIFY(!toolButton->isChecked());
        QTest::mouseClick(toolButton, Qt::LeftButton);
        QVERIFY(toolButton->isChecked());
        window->close();
        QVERIFY(!toolButton->isChecked());
    }

    void exitPanelTwiceHidesIt() {
        ProgramRig rig(*store);
        Tmainform& main = *rig.program.mainform;
        const int closedHeight = main.height();
        QTest::mouseClick(main.toolBar->button(1), Qt::LeftButton);
        QVERIFY(main.exitpanel->isVisible());
        QCOMPARE(main.exitpanel->Versionlab->text(), QStringLiteral("2.10.7.0"));
        QCOMPARE(main.exitpanel->exitlab->text(), QStringLiteral("EXIT?"));
        QVERIFY(main.height() >= 160);
        QTest::mouseClick(main.toolBar->button(1), Qt::LeftButton);
        QVERIFY(!main.exitpanel->isVisible());
        QCOMPARE(main.height(), closedHeight);
        QVERIFY(main.isVisible());
        QVERIFY(!rig.program.debugform->isVisible());
    }

    void exitYesWritesTheStoreAndEnds() {
        ProgramRig rig(*store);
        QSignalSpy finished(&rig.program, &Program::finished);
        QTest::mouseClick(rig.program.mainform->toolBar->button(1), Qt::LeftButton);
        store->journal.clear();
        QTest::mouseClick(rig.program.mainform->exitpanel->exityesBitBtn, Qt::LeftButton);
        QCOMPARE(finished.size(), 1);
        QCOMPARE(store->journal.first(), QStringLiteral("write Settings/Periodic Log Rate=2"));
        QCOMPARE(store->journal.last(), QStringLiteral("write Options/Fast replies=0"));
        QVERIFY(!rig.program.currentform);
    }

    void fastRepliesBoxSetsTheOptionKeptInTheStore() {
        store->writeInteger(QStringLiteral("Options"), QStringLiteral("Fast replies"), 1);
        ProgramRig rig(*store);
        Tmainform& main = *rig.program.mainform;
        QTest::mouseClick(main.toolBar->button(8), Qt::LeftButton);
        FastRepliesBox& box = *main.companel->fastReplies;
        QVERIFY(box.isVisible());
        QVERIFY(box.isChecked());
        QVERIFY(rig.program.link.state.fastReplies);
        QCOMPARE(box.text(), QStringLiteral("Fast replies"));
        box.click();
        QVERIFY(!rig.program.link.state.fastReplies);
        QTest::mouseClick(main.toolBar->button(1), Qt::LeftButton);
        QTest::mouseClick(main.exitpanel->exityesBitBtn, Qt::LeftButton);
        QCOMPARE(store->value(QStringLiteral("Options"), QStringLiteral("Fast replies")).toInt(),
                 0);
    }

    void languageSwitchRecaptionsTheMainWindowAtOnce() {
        ProgramRig rig(*store);
        Tmainform& main = *rig.program.mainform;
        QTest::mouseClick(main.toolBar->button(2), Qt::LeftButton);
        QVERIFY(main.Langgroup->isVisible());
        QVERIFY(!main.Langgroup->frenchselect->isEnabled());
        QTest::mouseClick(main.Langgroup->chineseselect, Qt::LeftButton);
        QCOMPARE(rig.program.link.state.LanguageIndex, 2);
        QVERIFY(!main.Langgroup->isVisible());
        QCOMPARE(main.windowTitle(), QStringLiteral("VX 网络通信 2.10.7.0"));
        QCOMPARE(main.toolBar->button(4)->toolTip(), QStringLiteral("当前状态"));
        QCOMPARE(main.exitpanel->exitlab->text(), QStringLiteral("退出"));
        QCOMPARE(main.companel->Directlab->text(), QStringLiteral("直接通信"));
        QCOMPARE(main.companel->Timedelaylab->text(), QStringLiteral("线路延时"));
        QCOMPARE(main.companel->fastReplies->text(), QStringLiteral("快速应答"));
        // The stored Chinese face is not installed here: a face with the characters stands in.
        QVERIFY(QFontDatabase::families(QFontDatabase::SimplifiedChinese)
                    .contains(main.font().family()));
        QCOMPARE(main.font().pointSize(), 12);
        QCOMPARE(rig.program.state.configuration.fonts.LangFontName[2],
                 QStringLiteral("UWPSTJ (GB)"));
    }

    void otherWindowsFollowTheLanguageWhenActivated() {
        ProgramRig rig(*store);
        rig.finishStartup();
        Tmainform& main = *rig.program.mainform;
        TCurrentform& view = *rig.program.currentform;
        view.show();
        QTest::mouseClick(main.toolBar->button(2), Qt::LeftButton);
        QTest::mouseClick(main.Langgroup->germanselect, Qt::LeftButton);
        QCOMPARE(view.windowTitle(), QStringLiteral("Current State"));
        view.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        QCOMPARE(view.windowTitle(), QStringLiteral("Aktueller Status"));
        QCOMPARE(view.Curstring->item(1, 0)->text(), QStringLiteral("VX Uhrzeit"));
        QCOMPARE(view.Chargetitle->text(), QStringLiteral("Ladestrom"));
        QCOMPARE(view.Waitlab1->text(), QStringLiteral("Warte auf Übertragung"));
    }

    // Created hidden at start; shown on request, it takes the unit's variant and the language
    // when it comes to the front.
    void alarmUnitProgrammerFollowsTheUnitAndTheLanguage() {
        ProgramRig rig(*store);
        rig.finishStartup();
        Tvxaform& programmer = *rig.program.vxaform;
        QVERIFY(!programmer.isVisible());
        QCOMPARE(programmer.SGrid->cellText(3, 0), QStringLiteral("Load Disconnect On below"));
        Tmainform& main = *rig.program.mainform;
        QTest::mouseClick(main.toolBar->button(2), Qt::LeftButton);
        QTest::mouseClick(main.Langgroup->germanselect, Qt::LeftButton);
        rig.program.state.identity.AlarmUnitVariant = 1; // as a later unit's model byte decodes

        rig.program.showAlarmUnitProgrammer();
        QVERIFY(QTest::qWaitForWindowActive(&programmer));
        QCOMPARE(programmer.SGrid->cellText(0, 0), QStringLiteral("VXA Einstellungen"));
        QCOMPARE(programmer.SGrid->cellText(3, 0),
                 QStringLiteral("Urgent Low Voltage Alarm On below"));
        QCOMPARE(programmer.SGrid->cellText(9, 2), QStringLiteral("Stunden"));
        QCOMPARE(programmer.SGrid->currentRow(), 1);
        QCOMPARE(programmer.SGrid->currentColumn(), 1);
    }

    void storedFrenchShowsFrenchTexts() {
        store->writeString(QStringLiteral("Settings"), QStringLiteral("Language Number"),
                           QStringLiteral("1"));
        ProgramRig rig(*store);
        Tmainform& main = *rig.program.mainform;
        QVERIFY(main.Langgroup->frenchselect->isChecked());
        QCOMPARE(main.exitpanel->exitlab->text(), QStringLiteral("SORTIE?"));
        QCOMPARE(main.toolBar->button(4)->toolTip(), QStringLiteral("State immediate"));
        QCOMPARE(rig.program.currentform->windowTitle(), QStringLiteral("Etat Courant"));
        QCOMPARE(rig.program.currentform->Curstring->item(3, 0)->text(), QString());
    }

    void fontChoiceChangesOnlyTheCurrentLanguage() {
        ProgramRig rig(*store);
        Tmainform& main = *rig.program.mainform;
        QTest::mouseClick(main.toolBar->button(2), Qt::LeftButton);
        QTest::mouseClick(main.Langgroup->germanselect, Qt::LeftButton);
        rig.fonts.answer = QFont(QStringLiteral("DejaVu Serif"), 13);
        QTest::mouseClick(main.toolBar->button(2), Qt::LeftButton);
        QTest::mouseClick(main.Langgroup->fontselbut, Qt::LeftButton);
        const LanguageFonts& fonts = rig.program.state.configuration.fonts;
        QCOMPARE(fonts.LangFontName[3], QStringLiteral("DejaVu Serif"));
        QCOMPARE(fonts.LangFontSize[3], 13);
        QCOMPARE(fonts.LangFontName[0], QStringLiteral("Arial"));
        QCOMPARE(main.font().family(), QStringLiteral("DejaVu Serif"));
        QVERIFY(!main.Langgroup->isVisible());

        // The dialog starts from the last choice; cancelling still closes the group and re-applies.
        rig.fonts.answer.reset();
        QTest::mouseClick(main.toolBar->button(2), Qt::LeftButton);
        QTest::mouseClick(main.Langgroup->englishselect, Qt::LeftButton);
        QTest::mouseClick(main.toolBar->button(2), Qt::LeftButton);
        QTest::mouseClick(main.Langgroup->fontselbut, Qt::LeftButton);
        QCOMPARE(rig.fonts.offered.family(), QStringLiteral("DejaVu Serif"));
        QVERIFY(!main.Langgroup->isVisible());
        QCOMPARE(fonts.LangFontName[0], QStringLiteral("Arial"));
        QCOMPARE(main.font().pointSize(), 10);
    }

    void portPanelSetsNumbersAndDevices() {
        ProgramRig rig(*store);
        rig.lister.devices = {{QStringLiteral("/dev/serial/by-id/usb-FTDI_A1-if00"),
                               QStringLiteral("FTDI, serial A1")}};
        Tmainform& main = *rig.program.mainform;
        QTest::mouseClick(main.toolBar->button(8), Qt::LeftButton);
        PortPanel& panel = *main.companel;
        QVERIFY(panel.isVisible());
        QCOMPARE(panel.ebDirectComPortNum->text(), QStringLiteral("1"));

        typeInto(panel.ebDirectComPortNum->edit(), QStringLiteral("30"));
        QTest::keyClick(panel.ebDirectComPortNum->edit(), Qt::Key_Return);
        QCOMPARE(rig.program.link.ports.DirectPortNumber, 30);
        QCOMPARE(rig.program.link.status.text(StatusPanels::Port), QStringLiteral("COM30"));
        QTest::mouseClick(panel.ebDirectComPortNum->downButton(), Qt::LeftButton);
        QCOMPARE(rig.direct.comNumber(), 29);
        QCOMPARE(panel.directDevice->currentText(), QStringLiteral("/dev/ttyS28"));

        typeInto(panel.directDevice->lineEdit(), QStringLiteral("/dev/pts/7"));
        QTest::keyClick(panel.directDevice->lineEdit(), Qt::Key_Return);
        QCOMPARE(rig.portMap.deviceFor(29), QStringLiteral("/dev/pts/7"));
        typeInto(panel.directDevice->lineEdit(), QStringLiteral("tcp://127.0.0.1:4001"));
        QTest::keyClick(panel.directDevice->lineEdit(), Qt::Key_Return);
        QCOMPARE(rig.portMap.deviceFor(29), QStringLiteral("tcp://127.0.0.1:4001"));
        typeInto(panel.directDevice->lineEdit(), QStringLiteral("/dev/pts/7"));
        QTest::keyClick(panel.directDevice->lineEdit(), Qt::Key_Return);
        panel.directDevice->showPopup();
        QCOMPARE(panel.directDevice->count(), 1);
        QCOMPARE(panel.directDevice->itemData(0, Qt::ToolTipRole).toString(),
                 QStringLiteral("FTDI, serial A1"));
        QCOMPARE(panel.directDevice->currentText(), QStringLiteral("/dev/pts/7"));
        panel.directDevice->hidePopup();

        QTest::keyClick(panel.baudbox, Qt::Key_Up);
        QCOMPARE(rig.program.link.ports.baudIndex, 2);
        QCOMPARE(rig.program.link.status.text(StatusPanels::Baud), QStringLiteral("2400"));
        QCOMPARE(rig.direct.baud(), 2400);
    }

    // Keys typed at the end of the box ('\b' is Backspace), then Return or leaving the box.
    void comNumberIsTakenWhenTypingEnds_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("leave");
        QTest::addColumn<int>("number");
        QTest::newRow("backspace then 5") << "1"
                                          << "\b5" << false << 5;
        QTest::newRow("backspace then 5, leaving the box") << "1"
                                                           << "\b5" << true << 5;
        QTest::newRow("leading zeros") << "1"
                                       << "\b007" << false << 7;
        QTest::newRow("second digit") << "1"
                                      << "2" << false << 12;
        QTest::newRow("zero gives the lowest") << "9"
                                               << "\b0" << false << 1;
        QTest::newRow("emptied box keeps the number") << "9"
                                                      << "\b" << true << 9;
        QTest::newRow("above the range keeps the number") << "26"
                                                          << "4" << false << 26;
        QTest::newRow("not a number keeps the number") << "9"
                                                       << "\bx" << false << 9;
    }
    void comNumberIsTakenWhenTypingEnds() {
        QFETCH(QString, stored);
        QFETCH(QString, keys);
        QFETCH(bool, leave);
        QFETCH(int, number);
        store->writeString(QStringLiteral("Settings"), QStringLiteral("Direct Port Number"),
                           stored);
        ProgramRig rig(*store);
        QTest::mouseClick(rig.program.mainform->toolBar->button(8), Qt::LeftButton);
        QLineEdit* edit = rig.program.mainform->companel->ebDirectComPortNum->edit();
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_End);
        for (const QChar key : keys) {
            if (key == u'\b')
                QTest::keyClick(edit, Qt::Key_Backspace);
            else
                QTest::keyClicks(edit, QString(key));
            QCOMPARE(rig.program.link.ports.DirectPortNumber, stored.toInt());
        }
        if (leave) {
            QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
            QApplication::sendEvent(edit, &out);
        } else {
            QTest::keyClick(edit, Qt::Key_Return);
        }
        QCOMPARE(rig.program.link.ports.DirectPortNumber, number);
        QCOMPARE(rig.direct.comNumber(), number);
        QCOMPARE(edit->text(), QString::number(number));
    }

    void secondStartRestoresEveryChoice() {
        store->writeString(QStringLiteral("Settings"), QStringLiteral("Site Number"),
                           QStringLiteral("17"));
        store->writeString(QStringLiteral("Save Options"), QStringLiteral("Current Data"),
                           QStringLiteral("1"));
        store->writeString(QStringLiteral("Phone List"), QStringLiteral("id name 3"),
                           QStringLiteral("Hut"));
        {
            ProgramRig rig(*store);
            Tmainform& main = *rig.program.mainform;
            QTest::mouseClick(main.toolBar->button(2), Qt::LeftButton);
            QTest::mouseClick(main.Langgroup->germanselect, Qt::LeftButton);
            rig.fonts.answer = QFont(QStringLiteral("DejaVu Serif"), 13);
            QTest::mouseClick(main.toolBar->button(2), Qt::LeftButton);
            QTest::mouseClick(main.Langgroup->fontselbut, Qt::LeftButton);
            QTest::mouseClick(main.toolBar->button(8), Qt::LeftButton);
            typeInto(main.companel->ebModemComPortNum->edit(), QStringLiteral("12"));
            QTest::keyClick(main.companel->ebModemComPortNum->edit(), Qt::Key_Return);
            typeInto(main.companel->directDevice->lineEdit(), QStringLiteral("/dev/pts/3"));
            QTest::keyClick(main.companel->directDevice->lineEdit(), Qt::Key_Return);
            QTest::keyClick(main.companel->baudbox, Qt::Key_Up);
            main.move(300, 200);
            main.close();
        }
        ProgramRig rig(*store);
        const ShellConfiguration& kept = rig.program.state.configuration;
        QCOMPARE(rig.program.link.state.LanguageIndex, 3);
        QCOMPARE(rig.program.mainform->toolBar->button(4)->toolTip(),
                 QStringLiteral("Aktueller Status"));
        QCOMPARE(kept.fonts.LangFontName[3], QStringLiteral("DejaVu Serif"));
        QCOMPARE(kept.fonts.LangFontSize[3], 13);
        QCOMPARE(rig.program.link.ports.ModemPortNumber, 12);
        QCOMPARE(rig.portMap.deviceFor(1), QStringLiteral("/dev/pts/3"));
        QCOMPARE(rig.program.link.ports.baudIndex, 2);
        QCOMPARE(rig.program.link.state.siteNumber, 17);
        QVERIFY(kept.save.currentData);
        QCOMPARE(kept.phoneList[2].name, QStringLiteral("Hut"));
        QCOMPARE(rig.program.mainform->pos(), QPoint(300, 200));
    }

    void debugModeOpensTheDebugWindowAndTraces() {
        ProgramRig rig(*store, {QStringLiteral("-DEBUG")});
        rig.finishStartup();
        Tmainform& main = *rig.program.mainform;
        QVERIFY(rig.program.link.state.DebugMode);
        QCOMPARE(main.toolBar->button(7)->menu(), main.puTools);
        QVERIFY(main.toolBar->button(7)->isEnabled());
        QTest::mouseClick(main.toolBar->button(1), Qt::LeftButton);
        TForm1& debug = *rig.program.debugform;
        QVERIFY(debug.isVisible());
        QCOMPARE(debug.windowTitle(), QStringLiteral("Debug Output"));
        QCOMPARE(debug.lines(), QStringLiteral("2024-03-05 14:07:09 Debug Window Opened"));

        QTest::mouseClick(main.toolBar->button(4), Qt::LeftButton);
        QVERIFY(debug.lines().contains(
            QStringLiteral("2024-03-05 14:07:09 Direct Sent 4 chars: 0x14 0xDD 0x00 0xEB ")));

        rig.confirmer.answer = false;
        QTest::mouseClick(debug.Button1, Qt::LeftButton);
        QCOMPARE(rig.confirmer.question,
                 QStringLiteral("Are you sure you want to clear this window?"));
        QVERIFY(!debug.lines().isEmpty());
        rig.confirmer.answer = true;
        QTest::mouseClick(debug.Button1, Qt::LeftButton);
        QVERIFY(debug.lines().isEmpty());
    }

    // What the caption paints and what the drop-down arrow paints, each found by taking it away.
    void theToolsArrowStaysClearOfItsCaption() {
        ProgramRig rig(*store, {QStringLiteral("-debug")});
        QToolButton* tools = rig.program.mainform->toolBar->button(7);
        QVERIFY(QTest::qWaitForWindowExposed(rig.program.mainform.get()));
        const QImage whole = tools->grab().toImage();
        tools->setText(QString());
        const QRect caption = changedPixels(whole, tools->grab().toImage());
        tools->setText(QStringLiteral("TOOLS"));
        rig.program.mainform->toolBar->setToolsMenu(nullptr);
        const QRect arrow = changedPixels(whole, tools->grab().toImage());
        QVERIFY(!caption.isEmpty() && !arrow.isEmpty());
        QVERIFY2(!caption.adjusted(-1, -1, 1, 1).intersects(arrow),
                 qPrintable(QStringLiteral("caption %1,%2 %3x%4, arrow %5,%6 %7x%8")
                                .arg(caption.x())
                                .arg(caption.y())
                                .arg(caption.width())
                                .arg(caption.height())
                                .arg(arrow.x())
                                .arg(arrow.y())
                                .arg(arrow.width())
                                .arg(arrow.height())));
    }

    void hintsShowInTheStatusBar() {
        ProgramRig rig(*store);
        QVERIFY(QTest::qWaitForWindowExposed(rig.program.mainform.get()));
        QTest::mouseMove(rig.program.mainform->toolBar->button(1));
        QTRY_COMPARE(rig.program.link.status.text(StatusPanels::Hint), QStringLiteral("Exit"));
    }

private:
    std::unique_ptr<MemoryConfigStore> store;
};

TARVIK_WIDGET_TEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"
