#include "linkrig.h"
#include "testmain.h"

#include "platform/attelephony.h"

#include <QTest>

namespace {

// The link with a modem on the modem port, dialled and (when asked) connected.
struct ModemRig : LinkRig {
    ModemLink& dialer = link.modem();
    QSignalSpy changed{&dialer, &ModemLink::connectionChanged};
    QSignalSpy failed{&dialer, &ModemLink::dialFailed};

    QString linkStatus() const { return link.status.text(StatusPanels::Link); }

    void dial(const QString& number = QStringLiteral("0123")) {
        dialer.settings.dialNumber = number;
        dialer.dialup(DialCaller::DialButton);
    }
    // The modem answers the dial: the carrier comes up at the next tick.
    void connect() {
        dial();
        dialer.settings.logNumber = QStringLiteral("555");
        modemSays("CONNECT 2400");
        clock.advance(1);
    }
    void modemSays(const QByteArray& code) { modem.queueInput("\r\n" + code + "\r\n"); }
};

QByteArray joined(const QList<QByteArray>& sent) {
    QByteArray all;
    for (const QByteArray& bytes : sent)
        all += bytes;
    return all;
}

} // namespace

// Dialling, the carrier, hanging up and the countdowns, on virtual ticks and a fake modem port.
class ModemLinkTest : public QObject {
    Q_OBJECT
private slots:
    void modemStringsGoOutByteForByte_data() {
        QTest::addColumn<bool>("pulse");
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("pulse dial")
            << true << "&K0&Q0&D0" << QByteArray("AT&K0&Q0&D0\r\nATDP0123\r\n");
        QTest::newRow("tone dial") << false << "E0" << QByteArray("ATE0\r\nATDT0123\r\n");
    }
    void modemStringsGoOutByteForByte() {
        QFETCH(bool, pulse);
        QFETCH(QString, setup);
        QFETCH(QByteArray, expected);
        ModemRig rig;
        rig.dialer.settings.Pulsecheck = pulse;
        rig.dialer.settings.ModemSetString = setup;
        QVERIFY(rig.dialer.nontapimodemsetup());
        QCOMPARE(rig.linkStatus(), QStringLiteral("Modem Setup"));
        rig.dial();
        QCOMPARE(joined(rig.modem.sent), expected);
        QCOMPARE(rig.linkStatus(), QStringLiteral("Dialing"));
        QVERIFY(rig.link.state.Dialling);
        QVERIFY(!rig.link.state.DirectMode);
        QVERIFY(rig.direct.sent.isEmpty());
    }

    // On a port without modem lines the result code brings the carrier; on a real port the
    // carrier-detect line does.
    void carrierComesFromTheResultCodeOrTheLine_data() {
        QTest::addColumn<bool>("line");
        QTest::newRow("result code") << false;
        QTest::newRow("carrier-detect line") << true;
    }
    void carrierComesFromTheResultCodeOrTheLine() {
        QFETCH(bool, line);
        ModemRig rig;
        if (line)
            rig.modem.carrier = false;
        rig.dial();
        rig.clock.advance(3);
        QVERIFY(rig.link.state.Dialling);
        if (line)
            rig.modem.carrier = true;
        else
            rig.modemSays("CONNECT 2400");
        rig.clock.advance(1);
        QVERIFY(rig.link.state.ModemConnected);
        QVERIFY(!rig.link.state.Dialling);
        QCOMPARE(rig.linkStatus(), QStringLiteral("Carrier"));
        QCOMPARE(rig.modem.sent.last(), QByteArray("ATO"));
        QCOMPARE(rig.changed.size(), 1);
        QCOMPARE(rig.changed.at(0).at(0).toBool(), true);
    }

    void aReadRunsOverTheModemOnceConnected() {
        ModemRig rig;
        rig.connect();
        rig.modem.sent.clear();
        QCOMPARE(rig.link.startRead(ReadKind::Current, Requester::Window), ReadStart::Started);
        QCOMPARE(rig.modem.sent.size(), 1);
        QCOMPARE(rig.modem.sent[0], QByteArray("\x14\xDD\x00\xEB", 4));
    }

    // Each step follows its own number of ticks: the escape after 30 of silence, the hang-up
    // command 30 later, the link released 50 after that.
    void hangUpStepsArePacedInTicks_data() {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QByteArray>("lastSent");
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("idle");
        QTest::newRow("pressed") << 0 << QByteArray("ATO") << "Wait for Close" << false;
        QTest::newRow("before the escape") << 29 << QByteArray("ATO") << "Wait for Close" << false;
        QTest::newRow("escape") << 30 << QByteArray("+++") << "Break" << false;
        QTest::newRow("before the hang-up") << 59 << QByteArray("+++") << "Break" << false;
        QTest::newRow("hang-up") << 60 << QByteArray("ATH0\r\n") << "Hang Up" << false;
        QTest::newRow("before release") << 109 << QByteArray("ATH0\r\n") << "Hang Up" << false;
        QTest::newRow("released") << 110 << QByteArray("ATH0\r\n") << "Closed" << true;
    }
    void hangUpStepsArePacedInTicks() {
        QFETCH(int, ticks);
        QFETCH(QByteArray, lastSent);
        QFETCH(QString, status);
        QFETCH(bool, idle);
        ModemRig rig;
        rig.connect();
        rig.link.valid.SettingsPageValid.fill(true);
        rig.dialer.HangupClick();
        rig.clock.advance(ticks);
        QCOMPARE(rig.modem.sent.last(), lastSent);
        QCOMPARE(rig.linkStatus(), status);
        QCOMPARE(rig.dialer.state().ModemIdle, idle);
        QCOMPARE(rig.link.state.DirectMode, idle);
        QCOMPARE(rig.dialer.state().HangupInProgress, !idle);
        // The settings of the controller behind the call are read again over the next link.
        QCOMPARE(rig.link.valid.SettingsPageValid[0], !idle);
    }

    void hangingUpWithoutACallSendsNothing() {
        ModemRig rig;
        rig.dialer.HangupClick();
        QCOMPARE(rig.linkStatus(), QStringLiteral("Port Not Open"));
        QVERIFY(rig.modem.sent.isEmpty());
        QVERIFY(rig.link.state.DirectMode);
    }

    void aFailedDialNamesTheResultCodeAndReturnsToTheDirectPort_data() {
        QTest::addColumn<QByteArray>("code");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("status");
        QTest::newRow("busy") << QByteArray("BUSY") << 0 << "Call failed: BUSY";
        QTest::newRow("no carrier") << QByteArray("NO CARRIER") << 0 << "Call failed: NO CARRIER";
        QTest::newRow("no dialtone, German")
            << QByteArray("NO DIALTONE") << 3 << "Anruf fehlgeschlagen: NO DIALTONE";
        QTest::newRow("no answer, Chinese")
            << QByteArray("NO ANSWER") << 2 << "呼叫失败：NO ANSWER";
        QTest::newRow("error, French") << QByteArray("ERROR") << 1 << "Appel échoué : ERROR";
    }
    void aFailedDialNamesTheResultCodeAndReturnsToTheDirectPort() {
        QFETCH(QByteArray, code);
        QFETCH(int, language);
        QFETCH(QString, status);
        ModemRig rig;
        rig.link.state.LanguageIndex = language;
        rig.dial();
        rig.modemSays(code);
        rig.clock.advance(1);
        QCOMPARE(rig.failed.size(), 1);
        QCOMPARE(rig.failed.at(0).at(0).toString(), QString::fromLatin1(code));
        QCOMPARE(rig.linkStatus(), status);
        QVERIFY(rig.link.state.DirectMode);
        QVERIFY(!rig.link.state.Dialling);
        QVERIFY(rig.dialer.state().ModemIdle);
    }

    // Left in modem mode, every read would fail and the hang-up refuse until a restart.
    void aModemPortThatWillNotOpenLeavesTheDirectPortInUse() {
        ModemRig rig;
        rig.modem.failOpen = true;
        rig.dial();
        QCOMPARE(rig.linkStatus(), QStringLiteral("Cant open COMM port"));
        QVERIFY(rig.link.state.DirectMode);
        QVERIFY(rig.dialer.state().ModemIdle);
        QVERIFY(!rig.link.state.Dialling);
        QCOMPARE(rig.failed.size(), 1);
        rig.answerFrom({});
        QCOMPARE(rig.link.startRead(ReadKind::Current, Requester::Window), ReadStart::Started);
    }

    void theDialButtonDoesNothingWhileACallIsUp() {
        ModemRig rig;
        rig.connect();
        const auto sent = rig.modem.sent.size();
        rig.dial(QStringLiteral("999"));
        QCOMPARE(rig.modem.sent.size(), sent);
        QVERIFY(rig.link.state.ModemConnected);
    }

    // Nothing read before the drop counts as a reading, and the next second hangs up.
    void carrierLostMidReadEndsTheReadAndHangsUp() {
        ModemRig rig;
        rig.connect();
        rig.link.startRead(ReadKind::Current, Requester::Window);
        rig.modem.queueInput(QByteArray("\xC8\x05", 2));
        rig.clock.advance(rig.link.state.pathTimeDelay * 2);
        rig.modemSays("NO CARRIER");
        rig.clock.advance(20);
        QCOMPARE(rig.done.size(), 1);
        QCOMPARE(rig.outcome(0), ReadOutcome::CarrierLost);
        QVERIFY(!rig.link.valid.CurrentDataValid);
        QVERIFY(!rig.link.isBusy());
        QVERIFY(!rig.link.state.ModemConnected);
        QVERIFY(rig.dialer.state().HangupRequested);
        const auto framesBefore = rig.modem.sent.size();
        rig.clock.advance(50);
        QCOMPARE(rig.modem.sent.size(), framesBefore); // no read frame into a dead line
        rig.dialer.timerStep();
        QVERIFY(rig.dialer.state().HangupInProgress);
        rig.clock.advance(110);
        QVERIFY(rig.link.state.DirectMode);
    }

    // The log dial waits for the manual call to end, then dials the log's number.
    void aLogDialWaitsForTheCallToEnd() {
        ModemRig rig;
        rig.connect();
        rig.dialer.dialup(DialCaller::Log);
        QCOMPARE(rig.dialer.state().LogDialCountdown, ModemLink::CountdownSeconds);
        QVERIFY(!rig.link.log.LogPending);
        rig.dialer.HangupClick();
        rig.dialer.timerStep();
        QCOMPARE(rig.dialer.state().LogDialCountdown, 59);
        rig.clock.advance(110);
        QVERIFY(rig.dialer.state().ModemIdle);
        rig.modem.sent.clear();
        rig.dialer.timerStep();
        QVERIFY(rig.link.log.LogPending);
        QCOMPARE(joined(rig.modem.sent), QByteArray("ATDT555\r\n"));
        QSignalSpy logUp(&rig.dialer, &ModemLink::logConnectionUp);
        rig.modemSays("CONNECT 2400");
        rig.clock.advance(1);
        QCOMPARE(logUp.size(), 1);
    }

    // A log connection that has not delivered its entry within 60 s is given up.
    void aLogCallIsHungUpAfterSixtySeconds() {
        ModemRig rig;
        rig.dialer.settings.logNumber = QStringLiteral("555");
        rig.dialer.dialup(DialCaller::Log);
        for (int second = 1; second < ModemLink::CountdownSeconds; ++second)
            rig.dialer.timerStep();
        QVERIFY(rig.link.log.LogPending);
        QVERIFY(!rig.dialer.state().HangupRequested);
        rig.dialer.timerStep();
        QVERIFY(!rig.link.log.LogPending);
        QVERIFY(rig.dialer.state().HangupRequested);
    }
};

// The same through the telephony device made of AT commands.
class TelephonyDialTest : public QObject {
    Q_OBJECT

    struct TapiRig : ModemRig {
        PortMap portMap;
        AtTelephony tapi1{modem, portMap};
        TapiRig() {
            dialer.useTelephony(&tapi1);
            dialer.settings.Tapicheck = true;
        }
    };

private slots:
    void aCallComesUpOnTheModemsConnect() {
        TapiRig rig;
        rig.dial();
        QCOMPARE(joined(rig.modem.sent), QByteArray("ATDT0123\r\n"));
        QCOMPARE(rig.linkStatus(), QStringLiteral("TAPI Open"));
        rig.modemSays("CONNECT 9600");
        rig.clock.advance(1);
        QVERIFY(rig.link.state.ModemConnected);
        QCOMPARE(rig.linkStatus(), QStringLiteral("Connected"));
        QCOMPARE(rig.changed.size(), 1);
    }

    void aFailedCallSaysWhyAndReturnsToTheDirectPort() {
        TapiRig rig;
        rig.dial();
        rig.modemSays("BUSY");
        rig.clock.advance(1);
        QCOMPARE(rig.linkStatus(), QStringLiteral("Call failed: BUSY"));
        QVERIFY(rig.link.state.DirectMode);
        QVERIFY(!rig.modem.isOpen());
    }

    void aPortThatWillNotOpenSaysSo() {
        TapiRig rig;
        rig.modem.failOpen = true;
        rig.dial();
        QCOMPARE(rig.linkStatus(), QStringLiteral("Cant open COMM port"));
        QVERIFY(rig.link.state.DirectMode);
    }

    void hangingUpACallWaitsForThePortToClose() {
        TapiRig rig;
        rig.connect();
        rig.dialer.HangupClick();
        QCOMPARE(rig.linkStatus(), QStringLiteral("Wait for Close"));
        rig.clock.advance(AtTelephony::GuardTicks);
        QCOMPARE(rig.modem.sent.last(), QByteArray("+++"));
        rig.clock.advance(AtTelephony::GuardTicks);
        QCOMPARE(rig.modem.sent.last(), QByteArray("ATH0\r\n"));
        QVERIFY(!rig.link.state.DirectMode);
        rig.clock.advance(AtTelephony::ReleaseTicks);
        QCOMPARE(rig.linkStatus(), QStringLiteral("TAPI Closed"));
        QVERIFY(rig.link.state.DirectMode);
        QVERIFY(!rig.modem.isOpen());
    }

    void hangingUpWhileDiallingEndsAtOnce() {
        TapiRig rig;
        rig.dial();
        rig.dialer.HangupClick();
        QCOMPARE(rig.modem.sent.last(), QByteArray("\r"));
        QCOMPARE(rig.linkStatus(), QStringLiteral("TAPI Closed"));
        QVERIFY(rig.dialer.state().ModemIdle);
    }

    // The selected device is the one the modem port opens for the call.
    void theSelectedDeviceCarriesTheCall() {
        TapiRig rig;
        rig.modem.setComNumber(3);
        rig.tapi1.setSelectedDevice(QStringLiteral("/dev/ttyUSB1"));
        rig.dial();
        QCOMPARE(rig.portMap.deviceFor(3), QStringLiteral("/dev/ttyUSB1"));
    }
};

TARVIK_TEST_MAIN(ModemLinkTest, TelephonyDialTest)

#include "test_modem.moc"
