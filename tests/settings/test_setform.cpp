#include "settingswindowrig.h"
#include "widgettestmain.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

namespace {
QColor buttonFace(const QWidget& window) {
    return window.palette().color(QPalette::Button);
}
} // namespace

// The settings pages: reading, redrawing, editing in place.
class SetformPagesTest : public QObject {
    Q_OBJECT
private slots:
    void firstOpeningShowsNamesThenReadsPage1() {
        SettingsWindowRig w;
        QCOMPARE(w.cell("sgrid1", 0), QStringLiteral("VX Time"));
        QCOMPARE(w.cell("sgrid3", 0), QStringLiteral("Hours"));
        QCOMPARE(w.cell("sgrid2", 0), QString());
        QCOMPARE(w.column("sgrid1")->colour(), QColor(Qt::red));
        QVERIFY(w.rig.direct.sent.isEmpty());
        QVERIFY(w.button("conbutton1")->isChecked());

        w.open();
        QCOMPARE(w.rig.addressesSent().first(), 101); // the page 1 list, last entry first
        w.finishReads(1);
        QCOMPARE(w.rig.done[0].at(0).toInt(), 4);
        QCOMPARE(w.cell("sgrid2", 0), QStringLiteral("12.5"));
        QCOMPARE(w.cell("sgrid2", 3), QStringLiteral("Adjust"));
        QCOMPARE(w.cell("sgrid2", 8), QStringLiteral("BOST"));
        QCOMPARE(w.column("sgrid1")->colour(), buttonFace(*w.window));
        QVERIFY(w.rig.link.valid.SettingsPageValid[0]);
        QVERIFY(w.button("vxbutton")->isEnabled());
        QVERIFY(!w.button("sendbutton")->isEnabled());
    }

    void pageGeometry_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("settings");
        QTest::addColumn<QString>("firstName");
        QTest::addColumn<QString>("lastName");
        QTest::newRow("SET") << 1 << QSize(394, 297) << 11 << 9 << "VX Time"
                             << "Set Regulator State - B,E,A,F";
        QTest::newRow("REG") << 2 << QSize(394, 372) << 14 << 12 << "BMAX Boost Maximum Voltage"
                             << "TCMP Temperature Comp. Profile";
        QTest::newRow("MODE") << 3 << QSize(394, 273) << 10 << 8 << "LSET Load Terminal Function"
                              << "RSET Force VX Processor Reset";
        QTest::newRow("EVNT") << 4 << QSize(394, 347) << 14 << 11 << "STRT Event Start Condition"
                              << "LEXT Set Ext Load Ah";
        QTest::newRow("GEN") << 5 << QSize(394, 297) << 11 << 9 << "GSET Toggle gen control"
                             << "Adjust Gen Ex Counter";
    }
    void pageGeometry() {
        QFETCH(int, page);
        QFETCH(QSize, size);
        QFETCH(int, rows);
        QFETCH(int, settings);
        QFETCH(QString, firstName);
        QFETCH(QString, lastName);
        SettingsWindowRig w;
        w.open();
        w.finishReads(1);
        w.click(qPrintable(QStringLiteral("conbutton%1").arg(page)));
        w.finishReads(page == 1 ? 1 : 2);
        QCOMPARE(w.window->size(), size);
        QCOMPARE(w.column("sgrid2")->rowCount(), rows);
        QCOMPARE(w.cell("sgrid1", 0), firstName);
        QCOMPARE(w.cell("sgrid1", settings - 1), lastName);
        QCOMPARE(w.cell("sgrid1", settings), QString());
    }

    void pageReadOnceIsRedrawnWithoutReading() {
        SettingsWindowRig w;
        w.open();
        w.finishReads(1);
        w.click("conbutton2");
        QCOMPARE(w.cell("sgrid1", 0), QStringLiteral("BMAX Boost Maximum Voltage"));
        QCOMPARE(w.cell("sgrid2", 0), QString()); // not read yet: names only
        QCOMPARE(w.column("sgrid1")->colour(), QColor(Qt::red));
        w.finishReads(2);
        QCOMPARE(w.rig.done[1].at(0).toInt(), 5);
        QCOMPARE(w.cell("sgrid2", 0), QStringLiteral("14.6"));

        const auto framesSent = w.rig.direct.sent.size();
        w.click("conbutton1");
        QCOMPARE(w.cell("sgrid2", 0), QStringLiteral("12.5"));
        w.click("conbutton2");
        QCOMPARE(w.cell("sgrid2", 0), QStringLiteral("14.6"));
        QCOMPARE(w.rig.direct.sent.size(), framesSent);

        QTest::mouseClick(w.column("sgrid1")->viewport(), Qt::LeftButton, {},
                          SettingsWindowRig::cellCentre(w.column("sgrid1"), 3));
        QCOMPARE(w.column("sgrid1")->colour(), QColor(Qt::red));
        QCOMPARE(w.rig.addressesSent().at(framesSent), 92); // page 2 read again
        w.finishReads(3);
        QCOMPARE(w.rig.done[2].at(0).toInt(), 5);
        QCOMPARE(w.column("sgrid1")->colour(), buttonFace(*w.window));
    }

    void failedReadShowsTheImageAndReadsAgainNextTime() {
        SettingsWindowRig w;
        QObject::disconnect(&w.rig.direct, &FakeSerialPort::bytesSent, nullptr, nullptr);
        w.rig.link.image.store(48, 77);
        w.open();
        w.finishReads(1);
        QVERIFY(w.rig.done[0].at(1).toBool());
        QCOMPARE(w.cell("sgrid2", 0), QStringLiteral("7.7"));
        QVERIFY(!w.rig.link.valid.SettingsPageValid[0]);
        QVERIFY(!w.button("vxbutton")->isEnabled());
        const auto framesSent = w.rig.direct.sent.size();
        w.click("conbutton2");
        w.finishReads(2);
        w.click("conbutton1");
        QVERIFY(w.rig.direct.sent.size() > framesSent + 4);
        QCOMPARE(w.rig.addressesSent().last(), 101);
    }

    void onlyValueCellsOfSettingsOpenAnEditor() {
        SettingsWindowRig w;
        w.open();
        QVERIFY(w.startEditing("sgrid2", 0) == nullptr); // values not read yet
        w.finishReads(1);
        QVERIFY(w.startEditing("sgrid1", 0) == nullptr);
        QVERIFY(w.startEditing("sgrid3", 0) == nullptr);
        QVERIFY(w.startEditing("sgrid2", 9) == nullptr); // empty row below the settings
        QLineEdit* editor = w.startEditing("sgrid2", 0);
        QVERIFY(editor != nullptr);
        QCOMPARE(editor->text(), QStringLiteral("12.5"));
    }

    void editingBmaxStoresAndPreparesItsWrite() {
        SettingsWindowRig w;
        w.open();
        w.finishReads(1);
        w.click("conbutton2");
        w.finishReads(2);
        w.enter("sgrid2", 0, QStringLiteral("14.4"));
        QCOMPARE(int(w.rig.link.image.at(87)), 144);
        QCOMPARE(w.cell("sgrid2", 0), QStringLiteral("14.4"));
        const WriteOperands& write = w.rig.link.preparedWrite();
        QVERIFY(write.EepromWrite);
        QCOMPARE(write.WriteAddress, 37);
        QCOMPARE(write.WriteValue, 144);
        QCOMPARE(write.SettingRamAddress, 87);
        QCOMPARE(write.StepCount, 2);
        QVERIFY(w.button("sendbutton")->isEnabled());
        for (const QByteArray& frame : w.rig.direct.sent) // nothing is written yet
            QVERIFY(quint8(frame.at(0)) == CommandByte::ReadRam);

        w.enter("sgrid2", 0, QStringLiteral("17"));
        QCOMPARE(w.cell("sgrid2", 0), QStringLiteral("16.5"));
    }

    void sendingAChangeWritesItAndReadsItBack_data() {
        QTest::addColumn<QList<int>>("lost");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("shown");
        QTest::newRow("taken") << QList<int>{} << "Verified"
                               << "14.4";
        // The page then shows what the controller really holds.
        QTest::newRow("RAM write lost") << QList<int>{87} << "Differs at RAM 87"
                                        << "14.6";
    }

    void sendingAChangeWritesItAndReadsItBack() {
        QFETCH(QList<int>, lost);
        QFETCH(QString, status);
        QFETCH(QString, shown);
        SettingsWindowRig w{SettingsWindowRig::TakingWrites{}};
        w.controller->lostWrites = QSet<int>(lost.begin(), lost.end());
        QSignalSpy checked(&w.rig.link, &ControllerLink::writeChecked);
        w.open();
        w.finishReads(1);
        w.click("conbutton2");
        w.finishReads(2);
        w.enter("sgrid2", 0, QStringLiteral("14.4"));
        const qsizetype before = w.rig.direct.sent.size();

        w.click("sendbutton");
        QVERIFY(w.button("sendbutton")->isChecked());
        QCOMPARE(w.rig.link.status.text(StatusPanels::Link), QStringLiteral("Sending Data"));
        w.screenshot(QStringLiteral("settings-sending-") + QTest::currentDataTag());
        w.rig.runUntil([&] { return !checked.isEmpty(); });
        w.screenshot(QStringLiteral("settings-sent-") + QTest::currentDataTag());

        const QList<QByteArray> written = w.rig.direct.sent.mid(before, 3);
        QCOMPARE(written, (QList<QByteArray>{QByteArray::fromHex("98E20167"),
                                             QByteArray::fromHex("CA259035"),
                                             QByteArray::fromHex("98579067")}));
        QVERIFY(!w.button("sendbutton")->isChecked());
        QVERIFY(!w.button("sendbutton")->isEnabled());
        QCOMPARE(w.rig.link.status.text(StatusPanels::Link), status);
        QCOMPARE(w.cell("sgrid2", 0), shown);
        QCOMPARE(int(w.controller->memory[37 + 256]), 144);
    }

    void theWholeListIsSentOnlyAfterTheQuestion() {
        SettingsWindowRig w{SettingsWindowRig::TakingWrites{}};
        QSignalSpy checked(&w.rig.link, &ControllerLink::writeChecked);
        w.open();
        w.finishReads(1);
        QVERIFY(w.button("vxbutton")->isEnabled());
        auto* panel = w.find<QWidget>("vxprogpanel");
        auto* progbutton = w.find<QPushButton>("progbutton");

        w.confirmer.answer = false;
        w.click("vxbutton");
        QVERIFY(panel->isVisible());
        QTest::mouseClick(progbutton, Qt::LeftButton);
        QCOMPARE(w.confirmer.question, QStringLiteral("Program VX with the whole setting list?"));
        QCOMPARE(w.rig.link.runningWrite(), PacedWrite::None);
        QVERIFY(!w.button("vxbutton")->isChecked());

        w.confirmer.answer = true;
        QTest::mouseClick(progbutton, Qt::LeftButton);
        QCOMPARE(w.rig.link.runningWrite(), PacedWrite::WholeList);
        QVERIFY(w.button("vxbutton")->isChecked());
        QVERIFY(!panel->isVisible());
        w.rig.runUntil([&] { return !checked.isEmpty(); });
        QVERIFY(!w.button("vxbutton")->isChecked());
        QCOMPARE(w.rig.link.status.text(StatusPanels::Link), QStringLiteral("Verified"));
        for (int ram = 64; ram <= 94; ++ram)
            QCOMPARE(w.controller->memory[size_t(ram - 50 + 256)], w.rig.link.image.at(ram));
    }

    void invalidEntryShowsTheValueAgain() {
        SettingsWindowRig w;
        w.open();
        w.finishReads(1);
        w.enter("sgrid2", 0, QStringLiteral("abc"));
        QCOMPARE(w.cell("sgrid2", 0), QStringLiteral("12.5"));
        QCOMPARE(int(w.rig.link.image.at(48)), 125);
    }

    void selectingAnotherCellDisarmsTheSendButton() {
        SettingsWindowRig w;
        w.open();
        w.finishReads(1);
        w.enter("sgrid2", 0, QStringLiteral("10"));
        QVERIFY(w.button("sendbutton")->isEnabled());
        QTest::mouseClick(w.column("sgrid2")->viewport(), Qt::LeftButton, {},
                          SettingsWindowRig::cellCentre(w.column("sgrid2"), 2));
        QVERIFY(!w.button("sendbutton")->isEnabled());
    }

    void regulatorStateStepsOnEachEditStart() {
        SettingsWindowRig w;
        w.open();
        w.finishReads(1);
        QLineEdit* editor = w.startEditing("sgrid2", 8);
        QVERIFY(editor != nullptr);
        QCOMPARE(editor->text(), QStringLiteral("EQUL"));
        QCOMPARE(int(w.rig.link.image.at(101)), 1);
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(SettingsWindowRig::editorOf(w.column("sgrid2")) == nullptr);
        QCOMPARE(w.cell("sgrid2", 8), QStringLiteral("EQUL"));
        QCOMPARE(w.rig.link.preparedWrite().WriteAddress, 101);
        QCOMPARE(w.rig.link.preparedWrite().WriteValue, 1);
        QVERIFY(w.button("sendbutton")->isEnabled());

        editor = w.startEditing("sgrid2", 8);
        QVERIFY(editor != nullptr);
        QCOMPARE(editor->text(), QStringLiteral("ABSV"));
        QCOMPARE(int(w.rig.link.image.at(101)), 2);
    }

    void cancelledToggleStillShowsTheNewState() {
        SettingsWindowRig w;
        w.open();
        w.finishReads(1);
        QLineEdit* editor = w.startEditing("sgrid2", 4);
        QVERIFY(editor != nullptr);
        QCOMPARE(editor->text(), QStringLiteral("Off"));
        QTest::keyClick(editor, Qt::Key_Escape);
        QTRY_VERIFY(SettingsWindowRig::editorOf(w.column("sgrid2")) == nullptr);
        QCOMPARE(int(w.rig.link.image.at(115)), 0);
        QCOMPARE(w.cell("sgrid2", 4), QStringLiteral("Off"));
        QVERIFY(!w.button("sendbutton")->isEnabled());
    }

    void resetRowOpensEmptyAndPreparesTheReset() {
        SettingsWindowRig w;
        w.open();
        w.finishReads(1);
        w.click("conbutton3");
        w.finishReads(2);
        QLineEdit* editor = w.startEditing("sgrid2", 7);
        QVERIFY(editor != nullptr);
        QCOMPARE(editor->text(), QString());
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(SettingsWindowRig::editorOf(w.column("sgrid2")) == nullptr);
        QCOMPARE(w.rig.link.preparedWrite().WriteKind, int(WriteOperands::ProcessorReset));
        QCOMPARE(w.rig.link.preparedWrite().WriteValue, 76);
    }

    void generatorModeCommitRedrawsThePage() {
        SettingsWindowRig w;
        w.open();
        w.finishReads(1);
        w.click("conbutton5");
        w.finishReads(2);
        QCOMPARE(w.cell("sgrid1", 2), QStringLiteral("Gen on below BatV of"));
        QCOMPARE(w.cell("sgrid2", 2), QStringLiteral("12.0"));
        QCOMPARE(w.cell("sgrid1", 4), QStringLiteral("GDEL Delay before Start"));
        w.enter("sgrid2", 1, QStringLiteral("2"));
        QCOMPARE(w.cell("sgrid1", 2), QStringLiteral("Gen on below SOC of"));
        QCOMPARE(w.cell("sgrid3", 2), QStringLiteral("%"));
        QCOMPARE(w.cell("sgrid2", 2), QStringLiteral("120"));
        QCOMPARE(w.cell("sgrid2", 3), QString()); // GOFF has no meaning in mode 2
        QCOMPARE(w.cell("sgrid1", 4), QStringLiteral("Gen off above SOC of"));
    }

    void switchingPagesCommitsTheOpenEditorFirst() {
        SettingsWindowRig w;
        w.open();
        w.finishReads(1);
        QLineEdit* editor = w.startEditing("sgrid2", 0);
        QVERIFY(editor != nullptr);
        editor->setText(QStringLiteral("3.5"));
        w.click("conbutton2");
        QCOMPARE(int(w.rig.link.image.at(48)), 35); // the clock, not BMAX of the next page
        QCOMPARE(int(w.rig.link.image.at(87)), 0);
    }
};

// The calibration page, the whole-list panel, languages and the main window's tool button.
class SetformCalibrationTest : public QObject {
    Q_OBJECT
private slots:
    void calibrationIsReadAndShownWithSigns() {
        SettingsWindowRig w;
        w.open();
        w.finishReads(1);
        w.click("Calbutton");
        QCOMPARE(w.column("sgrid1")->colour(), QColor(Qt::red));
        QCOMPARE(w.cell("sgrid1", 0), QStringLiteral("12V Voltage Range"));
        QCOMPARE(w.rig.addressesSent().last(), 239);
        w.finishReads(2);
        QCOMPARE(w.rig.done[1].at(0).toInt(), 9);
        QVERIFY(w.rig.link.valid.CalibrationValid);
        QCOMPARE(w.window->size(), QSize(344, 290));
        QCOMPARE(w.find<QLabel>("Label2")->text(), QStringLiteral("G"));
        QCOMPARE(w.find<QLabel>("Label1")->text(), QStringLiteral("O"));
        QCOMPARE(w.cell("sgrid2", 0), QStringLiteral(" 5"));
        QCOMPARE(w.cell("sgrid3", 0), QStringLiteral(" 3"));
        QCOMPARE(w.cell("sgrid2", 3), QStringLiteral(" 2"));
        QCOMPARE(w.cell("sgrid3", 3), QStringLiteral("-2"));
        QCOMPARE(w.cell("sgrid2", 7), QStringLiteral("-32"));
    }

    void gainAndOffsetCommits() {
        SettingsWindowRig w;
        QSignalSpy beeps(w.window.get(), &Tsetform::beep);
        w.open();
        w.finishReads(1);
        w.click("Calbutton");
        w.finishReads(2);

        w.enter("sgrid2", 3, QStringLiteral("40"));
        QCOMPARE(w.cell("sgrid2", 3), QStringLiteral("31"));
        QCOMPARE(int(w.rig.link.image.at(215)), 63);
        QCOMPARE(w.rig.link.preparedWrite().WriteAddress, 5);
        QCOMPARE(w.rig.link.preparedWrite().CalRamAddress, 215);
        QVERIFY(w.button("sendbutton")->isEnabled());
        QCOMPARE(beeps.size(), 1);

        w.enter("sgrid3", 3, QStringLiteral("200"));
        QCOMPARE(w.cell("sgrid3", 3), QStringLiteral("-2"));
        QCOMPARE(int(w.rig.link.image.at(214)), 0xFE);
        QVERIFY(!w.button("sendbutton")->isEnabled());
        QCOMPARE(beeps.size(), 1);

        w.enter("sgrid2", 1, QStringLiteral("-3"));
        QCOMPARE(w.cell("sgrid2", 1), QStringLiteral("-3"));
        QCOMPARE(int(w.rig.link.image.at(35)) & 15, 13);
        QCOMPARE(int(w.rig.link.image.at(33)), 0x85);
        QCOMPARE(w.rig.link.preparedWrite().StepCount, 4);
        QCOMPARE(w.rig.link.preparedWrite().SignByte, 0x85);
    }

    // The cell stays selected between the two entries, so the second one restores the first.
    void secondRefusedEntryRestoresTheFirst_data() {
        QTest::addColumn<QString>("column");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("restored");
        QTest::newRow("charge current gain") << "sgrid2" << 3 << "7"
                                             << "abc"
                                             << " 7";
        QTest::newRow("12 V offset") << "sgrid3" << 0 << "-4"
                                     << "99"
                                     << "-4";
        QTest::newRow("24 V gain") << "sgrid2" << 1 << "0"
                                   << "-"
                                   << " 0";
    }
    void secondRefusedEntryRestoresTheFirst() {
        QFETCH(QString, column);
        QFETCH(int, row);
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, restored);
        SettingsWindowRig w;
        w.open();
        w.finishReads(1);
        w.click("Calbutton");
        w.finishReads(2);
        const QByteArray name = column.toLatin1();
        w.enter(name.constData(), row, first);
        const auto image = w.rig.link.image.bytes();
        w.enter(name.constData(), row, second);
        QCOMPARE(w.cell(name.constData(), row), restored);
        QVERIFY(w.rig.link.image.bytes() == image);
        QVERIFY(!w.button("sendbutton")->isEnabled());
    }

    void calibrationStaysValidAcrossPages() {
        SettingsWindowRig w;
        w.open();
        w.finishReads(1);
        w.click("Calbutton");
        w.finishReads(2);
        w.click("conbutton1");
        QCOMPARE(w.window->size(), QSize(394, 297));
        QVERIFY(w.button("vxbutton")->isVisible());
        const auto framesSent = w.rig.direct.sent.size();
        w.click("Calbutton");
        QCOMPARE(w.rig.direct.sent.size(), framesSent);
        QCOMPARE(w.cell("sgrid2", 0), QStringLiteral(" 5"));
    }

    void calibrationThatCannotBeReadStaysUnread() {
        SettingsWindowRig w;
        w.open();
        w.finishReads(1);
        w.rig.direct.close();
        w.rig.direct.failOpen = true;
        const int opens = w.rig.direct.openCount;
        w.click("Calbutton");
        QCOMPARE(w.rig.direct.openCount, opens + 1);
        QVERIFY(!w.rig.link.valid.CalibrationValid);
        QCOMPARE(w.column("sgrid1")->colour(), QColor(Qt::red));
        QVERIFY(w.startEditing("sgrid2", 0) == nullptr);
        w.click("conbutton1");
        w.click("Calbutton");
        QCOMPARE(w.rig.direct.openCount, opens + 2); // tried again, not drawn as if read
    }

    void wholeListPanelOpensAndCancels() {
        SettingsWindowRig w;
        w.open();
        w.finishReads(1);
        auto* panel = w.find<QFrame>("vxprogpanel");
        w.click("vxbutton");
        QVERIFY(panel->isVisible());
        QCOMPARE(w.find<QLabel>("Label3")->text(),
                 QStringLiteral("Program VX with the whole setting list?"));
        QVERIFY(w.find<QPushButton>("progbutton")->isEnabled());
        QTest::mouseClick(w.find<QPushButton>("Cancelbutton"), Qt::LeftButton);
        QVERIFY(!panel->isVisible());
        QVERIFY(!w.button("vxbutton")->isChecked());
        w.click("vxbutton");
        w.window->toggleFromToolButton();
        QVERIFY(!w.window->isVisible());
        w.window->toggleFromToolButton();
        QVERIFY(w.window->isVisible());
        QVERIFY(!panel->isVisible());
    }

    void closingTellsTheMainWindow() {
        SettingsWindowRig w;
        QSignalSpy closed(w.window.get(), &Tsetform::FormClose);
        w.open();
        w.window->close();
        QCOMPARE(closed.size(), 1);
    }

    void languageAppliesOnActivation_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("firstName");
        QTest::addColumn<QString>("calHint");
        QTest::addColumn<int>("unitPointSize");
        QTest::newRow("French") << 1 << "Controle poses"
                                << "VX Time"
                                << "" << 8;
        QTest::newRow("Chinese") << 2 << "控制设置数据"
                                 << "VX 时间"
                                 << "控制器统调" << 12;
        QTest::newRow("German") << 3 << "Kontrolleinstellungen"
                                << "VX Uhrzeit"
                                << "Kalibrierung" << 8;
    }
    void languageAppliesOnActivation() {
        QFETCH(int, language);
        QFETCH(QString, caption);
        QFETCH(QString, firstName);
        QFETCH(QString, calHint);
        QFETCH(int, unitPointSize);
        SettingsWindowRig w;
        w.fonts.LangFontSize[static_cast<std::size_t>(language)] = 11;
        w.rig.link.state.LanguageIndex = language;
        w.open();
        w.finishReads(1);
        QCOMPARE(w.window->windowTitle(), caption);
        QCOMPARE(w.cell("sgrid1", 0), firstName);
        QCOMPARE(w.button("Calbutton")->toolTip(), calHint);
        QCOMPARE(w.column("sgrid1")->font().pointSize(), 11);
        QCOMPARE(w.column("sgrid3")->font().pointSize(), unitPointSize);
        QCOMPARE(w.column("sgrid2")->font().pointSize(), 9);
    }

    void hintsGoToTheStatusBar() {
        SettingsWindowRig w;
        w.open();
        QStatusTipEvent tip(w.button("Calbutton")->statusTip());
        QCoreApplication::sendEvent(w.button("Calbutton"), &tip);
        QCOMPARE(w.rig.link.status.text(StatusPanels::Hint),
                 QStringLiteral("Regulator Calibration"));
    }
};

TARVIK_WIDGET_TEST_MAIN(SetformPagesTest, SetformCalibrationTest)

#include "test_setform.moc"
