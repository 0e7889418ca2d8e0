#include "programrig.h"
#include "widgettestmain.h"

#include "link/singlecommandtexts.h"
#include "link/ui/singlepanel.h"
#include "shell/configurationio.h"
#include "shell/ui/maintoolbar.h"
#include "shell/ui/sitepanel.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>

namespace {

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (const int v : values)
        out.append(static_cast<char>(v));
    return out;
}

QStringList entries(const QComboBox* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->itemText(i);
    return out;
}

} // namespace

// The single command panel of the main window, on fake ports and virtual ticks.
class SinglePanelTest : public QObject {
    Q_OBJECT
private slots:
    void init() { store = std::make_unique<MemoryConfigStore>(); }
    void cleanup() { store.reset(); }

    void toolsButtonTogglesThePanel() {
        ProgramRig rig(*store);
        Tmainform& main = *rig.program.mainform;
        QTest::mouseClick(main.toolBar->button(7), Qt::LeftButton);
        QVERIFY(main.singlePanel->isVisible());
        QVERIFY(main.singlePanel->reclab->text().isEmpty());
        QCOMPARE(main.height(), main.singlePanel->geometry().bottom() + 1);
        QTest::mouseClick(main.toolBar->button(7), Qt::LeftButton);
        QVERIFY(main.singlePanel->isHidden());
    }

    // In debug mode the button carries the menu; its first entry toggles the panel.
    void debugModeMenuEntryTogglesThePanel() {
        ProgramRig rig(*store, {QStringLiteral("-debug")});
        Tmainform& main = *rig.program.mainform;
        QAction* entry = main.puTools->actions().value(0);
        QCOMPARE(entry->text(), QStringLiteral("&Send Single Command"));
        QVERIFY(entry->isEnabled());
        entry->trigger();
        QVERIFY(main.singlePanel->isVisible());
        entry->trigger();
        QVERIFY(main.singlePanel->isHidden());
    }

    void replyInBothNumberStyles_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("addressLabel");
        QTest::addColumn<QString>("addressShown");
        QTest::addColumn<QString>("reply");
        QTest::newRow("decimal") << 0 << "Address  (Dec)"
                                 << "93"
                                 << "12";
        QTest::newRow("hexadecimal") << 1 << "Address  (Hex)"
                                     << "5d"
                                     << "12 (0x0C)";
    }
    void replyInBothNumberStyles() {
        QFETCH(int, kind);
        QFETCH(QString, addressLabel);
        QFETCH(QString, addressShown);
        QFETCH(QString, reply);
        WindowOptions options;
        options.SingleCommandNumberKind = kind;
        writeWindowOptions(*store, options);
        ProgramRig rig(*store);
        rig.finishStartup();
        Singlepanel& panel = *rig.program.mainform->singlePanel;
        QTest::mouseClick(rig.program.mainform->toolBar->button(7), Qt::LeftButton);
        QCOMPARE(panel.Singlab2->text(), addressLabel);
        panel.spinSendAddress->setValue(93);
        QCOMPARE(panel.spinSendAddress->text(), addressShown);
        QObject::connect(&rig.direct, &FakeSerialPort::bytesSent, &rig.direct, [&rig] {
            rig.direct.queueInput(bytes({200, 12}));
        });
        QTest::mouseClick(panel.singsend, Qt::LeftButton);
        rig.runLink();
        QCOMPARE(rig.direct.sent, QList<QByteArray>{bytes({0x14, 0x5D, 0x00, 0xEB})});
        QCOMPARE(panel.Reccap->text(), QStringLiteral("Reply:"));
        QCOMPARE(panel.reclab->text(), reply);
    }

    // Choosing "Select Site mode" switches the frames and the list; "Select Log mode" back.
    void listFollowsTheSiteMode() {
        ProgramRig rig(*store);
        rig.finishStartup();
        Tmainform& main = *rig.program.mainform;
        Singlepanel& panel = *main.singlePanel;
        main.sitepanel->Sitespin->setValue(9);
        QCOMPARE(panel.sendcombo->count(), 8);
        QCOMPARE(panel.sendcombo->itemText(7), QStringLiteral("Select Site mode"));

        panel.sendcombo->setCurrentIndex(Singlepanel::SiteModeEntry);
        QVERIFY(rig.program.link.state.SiteMode);
        QCOMPARE(entries(panel.sendcombo).mid(7),
                 (QStringList{"Set VXI Site", "Program VXA", "Select Log mode"}));
        QCOMPARE(panel.sendcombo->currentIndex(), 0);
        QCOMPARE(main.sitebutton->text(), QStringLiteral("9"));
        QCOMPARE(main.sitebutton->toolTip(), QStringLiteral("Select Site Number"));

        panel.sendcombo->setCurrentIndex(static_cast<int>(SingleEntry::SetSite));
        QVERIFY(panel.spinSendAddress->isHidden());
        QVERIFY(!panel.spinSendData->isHidden());
        QCOMPARE(panel.Singlab3->text(), QStringLiteral("SITE NUMBER"));

        QVERIFY(rig.program.vxaform->isHidden());
        panel.sendcombo->setCurrentIndex(Singlepanel::ProgramAlarmUnitEntry);
        QVERIFY(rig.program.vxaform->isVisible());
        QVERIFY(rig.direct.sent.isEmpty());

        panel.sendcombo->setCurrentIndex(Singlepanel::LogModeEntry);
        QVERIFY(!rig.program.link.state.SiteMode);
        QCOMPARE(panel.sendcombo->count(), 8);
        QCOMPARE(main.sitebutton->text(), QStringLiteral("LOG"));

        // The frames follow: a read in plain mode after the round trip.
        panel.spinSendAddress->setValue(93);
        QTest::mouseClick(panel.singsend, Qt::LeftButton);
        QCOMPARE(rig.direct.sent.value(0), bytes({0x14, 0x5D, 0x00, 0xEB}));
    }

    void theListSpeaksTheLanguage() {
        ProgramRig rig(*store);
        rig.program.link.state.LanguageIndex = 3;
        rig.program.mainform->ApplyLanguage();
        const Singlepanel& panel = *rig.program.mainform->singlePanel;
        QCOMPARE(panel.sendcombo->itemText(5), QStringLiteral("Lösche Speicher"));
        QCOMPARE(panel.Singlab2->text(), QStringLiteral("Adresse (Dez.)"));
        QCOMPARE(panel.singsend->text(), QStringLiteral("Sende"));
    }

    // Both fills overwrite the controller's history: nothing goes out unless the user agrees.
    void historyFillsAskFirst_data() {
        QTest::addColumn<int>("entry");
        QTest::addColumn<bool>("agreed");
        QTest::addColumn<int>("language");
        QTest::newRow("clear, declined") << int(SingleEntry::ClearHistory) << false << 0;
        QTest::newRow("clear, agreed") << int(SingleEntry::ClearHistory) << true << 0;
        QTest::newRow("test, agreed, German") << int(SingleEntry::TestHistory) << true << 3;
    }
    void historyFillsAskFirst() {
        QFETCH(int, entry);
        QFETCH(bool, agreed);
        QFETCH(int, language);
        ProgramRig rig(*store);
        rig.finishStartup();
        rig.program.link.state.LanguageIndex = language;
        Singlepanel& panel = *rig.program.mainform->singlePanel;
        panel.sendcombo->setCurrentIndex(entry);
        rig.confirmer.answer = agreed;
        QTest::mouseClick(panel.singsend, Qt::LeftButton);
        const TextRow& question = entry == int(SingleEntry::ClearHistory)
                                      ? SingleText::ConfirmClearHistory
                                      : SingleText::ConfirmTestHistory;
        QCOMPARE(rig.confirmer.question, text(question, language));
        // Agreed, the fill starts with the write enable for today's index.
        const QList<QByteArray> expected{bytes({0x98, 0xE2, 0x01, 0x67})};
        QCOMPARE(rig.direct.sent, agreed ? expected : QList<QByteArray>{});
        QCOMPARE(rig.program.link.isBusy(), agreed);
    }

private:
    std::unique_ptr<MemoryConfigStore> store;
};

TARVIK_WIDGET_TEST_MAIN(SinglePanelTest)

#include "test_singlepanel.moc"
