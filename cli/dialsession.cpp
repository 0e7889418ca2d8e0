#include "dialsession.h"

#include "terminal.h"

#include "link/portfailuretexts.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTimer>
#include <optional>

namespace {

constexpr int English = 0;
constexpr int ConnectWaitMs = 60000;
// The hang-up takes about 6 s of ticks; a modem that never lets go is left after this.
constexpr int HangupWaitMs = 15000;
constexpr int DialFailedExit = 1;

// Runs the event loop until the connection is up (true) or the dial failed (false, with why).
bool waitForConnection(ControllerLink& link, QString& why) {
    ModemLink& modem = link.modem();
    QObject scope;
    std::optional<QString> failure;
    QObject::connect(&modem, &ModemLink::connectionChanged, &scope, [](bool up) {
        if (up)
            QCoreApplication::exit(0);
    });
    QObject::connect(&modem, &ModemLink::dialFailed, &scope, [&](const QString& resultCode) {
        failure = resultCode.isEmpty() ? portFailureText(link.ports.Comport2.failure(), English)
                                       : QStringLiteral("the modem answered %1").arg(resultCode);
        QCoreApplication::exit(DialFailedExit);
    });
    QTimer::singleShot(ConnectWaitMs, &scope, [&] {
        failure = QStringLiteral("no connection within %1 s").arg(ConnectWaitMs / 1000);
        QCoreApplication::exit(DialFailedExit);
    });
    QMetaObject::invokeMethod(
        &scope, [&modem] { modem.dialup(DialCaller::DialButton); }, Qt::QueuedConnection);
    QCoreApplication::exec();
    why = failure.value_or(QString());
    return !failure;
}

// The escape and ATH0 steps, then the link is back on the direct port.
void hangUp(ControllerLink& link) {
    ModemLink& modem = link.modem();
    if (modem.state().ModemIdle)
        return;
    QObject scope;
    QObject::connect(&modem, &ModemLink::connectionChanged, &scope, [](bool up) {
        if (!up)
            QCoreApplication::exit(0);
    });
    QTimer::singleShot(HangupWaitMs, &scope, [] { QCoreApplication::exit(0); });
    QMetaObject::invokeMethod(
        &scope, [&modem] { modem.HangupClick(); }, Qt::QueuedConnection);
    QCoreApplication::exec();
    if (!modem.state().ModemIdle)
        printError(QStringLiteral("the modem did not hang up"));
}

} // namespace

bool isDialNumber(const QString& number) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,16}$"));
    return digits.match(number).hasMatch();
}

int runDialled(ControllerLink& link, const DialRequest& dial, const std::function<int()>& command) {
    ModemLink& modem = link.modem();
    modem.settings.Tapicheck = false;
    modem.settings.Pulsecheck = dial.pulse;
    modem.settings.ModemSetString = dial.setupString;
    modem.settings.dialNumber = dial.number;
    link.state.pathTimeDelay = dial.pathDelay;
    // The main window's one-second timer: a hang-up the carrier asks for, the busy watchdog.
    QTimer timer1;
    QObject::connect(&timer1, &QTimer::timeout, &modem, [&link, &modem] {
        link.watchdogStep();
        modem.timerStep();
    });
    timer1.start(1000);

    if (!modem.nontapimodemsetup()) {
        printError(QStringLiteral("cannot open the modem port: %1")
                       .arg(portFailureText(link.ports.Comport2.failure(), English)));
        return DialFailedExit;
    }
    if (QString why; !waitForConnection(link, why)) {
        printError(QStringLiteral("dial failed: %1").arg(why));
        hangUp(link);
        return DialFailedExit;
    }
    const int code = command();
    hangUp(link);
    return code;
}
