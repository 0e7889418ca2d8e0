#include "cliarguments.h"
#include "readrunner.h"

#include "link/controllerlink.h"
#include "platform/qt/qtserialport.h"
#include "platform/qt/qtticktimer.h"

#include <QCoreApplication>
#include <cstdio>
#include <unistd.h>

namespace {

void printError(const QString& message) {
    std::fprintf(stderr, "tarvik-cli: %s\n", qPrintable(message));
}

// Points COM number n at the device the user named, unless a COMn was given.
int directComNumber(const QString& port, PortMap& ports) {
    if (const int number = PortMap::comNumberFromName(port); number != 0)
        return number;
    ports.setDevice(1, port);
    return 1;
}

void showProgress(int done, int total) {
    if (isatty(fileno(stderr)) == 0)
        return;
    std::fprintf(stderr, "\rReading %d/%d", done, total);
    if (done == total)
        std::fprintf(stderr, "\r%*s\r", 20, "");
    std::fflush(stderr);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QString error;
    const auto args = parseCliArguments(app.arguments().mid(1), error);
    if (!args) {
        printError(error);
        std::fputs(qPrintable(cliUsage()), stderr);
        return 2;
    }

    QtTickTimerSource timers;
    PortMap portMap;
    QtSerialPort direct(timers, portMap);
    QtSerialPort modem(timers, portMap);
    SystemWallClock clock;
    ControllerLink link(direct, modem, clock);
    link.ports.DirectPortNumber = directComNumber(args->port, portMap);
    link.ports.baudIndex = args->baudIndex;
    link.state.DebugMode = args->debug;
    link.state.SiteMode = args->site >= 0;
    if (args->site >= 0)
        link.state.siteNumber = args->site;
    link.state.StartupPending = false;
    if (args->debug)
        QObject::connect(&link.trace, &TraceLog::lineAdded, [](const QString& line) {
            std::fprintf(stderr, "%s\n", qPrintable(line));
        });

    ReadRunner runner(link, args->read->readTypes);
    QObject::connect(&runner, &ReadRunner::progress, &showProgress);
    QObject::connect(&runner, &ReadRunner::finished, [&](bool complete, const QString& reason) {
        if (runner.portOpened()) {
            const ReadResult result{link, complete};
            const QByteArray printed = args->read->print(result, args->format);
            std::fwrite(printed.constData(), 1, static_cast<size_t>(printed.size()), stdout);
            std::fflush(stdout);
        }
        if (!complete)
            printError(reason);
        QCoreApplication::exit(complete ? 0 : 1);
    });
    QMetaObject::invokeMethod(&runner, &ReadRunner::start, Qt::QueuedConnection);
    return QCoreApplication::exec();
}
