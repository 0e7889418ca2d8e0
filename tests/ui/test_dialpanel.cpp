#include "fakecontroller.h"
#include "programrig.h"
#include "widgettestmain.h"

#include "data/ui/currentform.h"
#include "link/ui/dialpanel.h"
#include "link/ui/portpanel.h"
#include "shell/configurationio.h"
#include "shell/ui/exitpanel.h"
#include "shell/ui/maintoolbar.h"
#include "shell/ui/toolbarimages.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>

namespace {

QImage iconImage(const QIcon& icon) {
    return icon.pixmap(32, 32).toImage();
}

// With TARVIK_SCREENSHOTS naming a folder, keeps a picture of the main window there.
void screenshot(QWidget* window, const QString& name) {
    const QString folder = qEnvironmentVariable("TARVIK_SCREENSHOTS");
    if (!folder.isEmpty())
        QVERIFY(window->grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png")));
}

} // namespace

// The dial panel and its phone book, dialling the modem, a read over the call and the hang-up.
class DialPanelTest : public QObject {
    Q_OBJECT
    std::unique_ptr<MemoryConfigStore> store;

private slots:
    void init() {
        store = std::make_unique<MemoryConfigStore>();
        store->writeString(ConfigSection::PhoneList, QStringLiteral("id name 5"),
                           QStringLiteral("Hilltop"));
        store->writeString(ConfigSection::PhoneList, QStringLiteral("phone number 5"),
                           QStringLiteral("0123"));
        store->writeString(ConfigSection::Settings, QStringLiteral("Current PhoneList Line"),
                           QStringLiteral("17"));
    }
    void cleanup() { store.reset(); }

    void thePhoneBookIsEditedThroughTheEditsOnlyWhileShown() {
        ProgramRig rig(*store);
        Tmainform& main = *rig.program.mainform;
        DialPanel& panel = *main.Dialpanel;
        QTest::mouseClick(main.toolBar->button(9), Qt::LeftButton);
        QVERIFY(panel.isVisible());
        QCOMPARE(panel.PhoneListLine, 1); // a stored line outside the book
        QTest::mouseClick(panel.bookbtn, Qt::LeftButton);
        QCOMPARE(panel.height(), DialPanel::BookHeight);
        panel.phonegrid->setCurrentCell(4, 0);
        QCOMPARE(panel.PhoneListLine, 5);
        QCOMPARE(panel.dialedit->text(), QStringLiteral("0123"));
        QCOMPARE(panel.phoneidedit->text(), QStringLiteral("Hilltop"));
        panel.dialedit->setText(QStringLiteral("01234"));
        QCOMPARE(panel.phonegrid->item(4, 1)->text(), QStringLiteral("01234"));
        QTest::mouseClick(panel.bookbtn, Qt::LeftButton);
        QCOMPARE(panel.height(), DialPanel::PlainHeight);
        panel.dialedit->setText(QStringLiteral("777"));
        QCOMPARE(panel.phonegrid->item(4, 1)->text(), QStringLiteral("01234"));
        QTest::mouseClick(main.toolBar->button(1), Qt::LeftButton);
        QTest::mouseClick(main.exitpanel->exityesBitBtn, Qt::LeftButton);
        QCOMPARE(store->readString(ConfigSection::PhoneList, QStringLiteral("phone number 5")),
                 std::optional<QString>(QStringLiteral("01234")));
        QCOMPARE(
            store->readString(ConfigSection::Settings, QStringLiteral("Current PhoneList Line")),
            std::optional<QString>(QStringLiteral("5")));
    }

    void dialReadAndHangUpFromThePhoneBook() {
        ProgramRig rig(*store);
        rig.finishStartup();
        Tmainform& main = *rig.program.mainform;
        DialPanel& panel = *main.Dialpanel;
        QTest::mouseClick(main.toolBar->button(9), Qt::LeftButton);
        QTest::mouseClick(panel.bookbtn, Qt::LeftButton);
        panel.phonegrid->setCurrentCell(4, 0);
        rig.modem.sent.clear();
        QTest::mouseClick(panel.Dialbutton, Qt::LeftButton);
        QCOMPARE(rig.modem.sent.last(), QByteArray("ATDT0123\r\n"));
        QCOMPARE(rig.program.link.status.text(StatusPanels::Link), QStringLiteral("TAPI Open"));

        rig.modem.queueInput("\r\nCONNECT 2400\r\n");
        rig.ticks.advance(1);
        QVERIFY(rig.program.link.state.ModemConnected);
        QCOMPARE(iconImage(main.toolBar->button(9)->icon()),
                 iconImage(toolBarIcon(ToolImage::Connected)));
        QCOMPARE(rig.program.link.status.text(StatusPanels::Port), QStringLiteral("COM3"));
        screenshot(&main, QStringLiteral("dial-panel-connected"));

        std::array<quint8, 512> memory{};
        memory[221] = 42;
        answerReadsFrom(rig.modem, rig.program.link.state, memory);
        QTest::mouseClick(main.toolBar->button(4), Qt::LeftButton);
        rig.ticks.advance(2000);
        QVERIFY(rig.program.link.valid.CurrentDataValid);
        QCOMPARE(int(rig.program.link.image.at(221)), 42);
        QVERIFY(rig.direct.sent.isEmpty());

        QTest::mouseClick(panel.Hangup, Qt::LeftButton);
        rig.ticks.advance(30);
        QCOMPARE(rig.modem.sent.last(), QByteArray("+++"));
        rig.ticks.advance(30);
        QCOMPARE(rig.modem.sent.last(), QByteArray("ATH0\r\n"));
        rig.ticks.advance(50);
        QVERIFY(rig.program.link.state.DirectMode);
        QCOMPARE(rig.program.link.status.text(StatusPanels::Link), QStringLiteral("TAPI Closed"));
        QVERIFY(!rig.modem.isOpen());
        QCOMPARE(iconImage(main.toolBar->button(9)->icon()),
                 iconImage(toolBarIcon(ToolImage::Dial)));
    }

    // Without the telephony device the modem gets its set-up string, and dials pulse if asked.
    void theModemControlsFollowTheTapiBox() {
        ProgramRig rig(*store);
        rig.finishStartup();
        Tmainform& main = *rig.program.mainform;
        QTest::mouseClick(main.toolBar->button(8), Qt::LeftButton);
        PortPanel& panel = *main.companel;
        QCOMPARE(panel.Setuplab->text(), QStringLiteral("Current TAPI Device"));
        QVERIFY(panel.Tapiselbutton->isVisible());
        QVERIFY(!panel.Pulsecheck->isVisible());
        panel.Tapicheck->click();
        QCOMPARE(panel.Setuplab->text(), QStringLiteral("Modem Setup String"));
        QCOMPARE(panel.Setupedit->text(), QStringLiteral("&K0&Q0&D0"));
        QVERIFY(!panel.Tapiselbutton->isVisible());
        QCOMPARE(rig.modem.sent.last(), QByteArray("AT&K0&Q0&D0\r\n"));
        panel.Pulsecheck->click();
        QTest::mouseClick(main.toolBar->button(9), Qt::LeftButton);
        main.Dialpanel->dialedit->setText(QStringLiteral("42"));
        QTest::mouseClick(main.Dialpanel->Dialbutton, Qt::LeftButton);
        QCOMPARE(rig.modem.sent.last(), QByteArray("ATDP42\r\n"));
        screenshot(&main, QStringLiteral("dial-panel-port-panel"));
        QTest::mouseClick(main.toolBar->button(1), Qt::LeftButton);
        QTest::mouseClick(main.exitpanel->exityesBitBtn, Qt::LeftButton);
        QCOMPARE(store->readString(ConfigSection::SaveOptions, QStringLiteral("Tapi selection")),
                 std::optional<QString>(QStringLiteral("0")));
    }

    void thePhoneBookInGerman() {
        store->writeString(ConfigSection::Settings, QStringLiteral("Language Number"),
                           QStringLiteral("3"));
        ProgramRig rig(*store);
        Tmainform& main = *rig.program.mainform;
        QTest::mouseClick(main.toolBar->button(9), Qt::LeftButton);
        QTest::mouseClick(main.Dialpanel->bookbtn, Qt::LeftButton);
        QCOMPARE(main.Dialpanel->Hangup->text(), QStringLiteral("Auflegen"));
        QCOMPARE(main.Dialpanel->phonegrid->horizontalHeaderItem(1)->text(),
                 QStringLiteral("Telefonnummer"));
        screenshot(&main, QStringLiteral("dial-panel-phone-book-german"));
    }
};

TARVIK_WIDGET_TEST_MAIN(DialPanelTest)

#include "test_dialpanel.moc"
