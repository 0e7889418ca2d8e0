#include "cliarguments.h"
#include "readrunner.h"
#include "reportcommand.h"
#include "viewcommand.h"

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

int viewFile(const QString& path) {
    QByteArray text;
    QString error;
    if (!viewFileText(path, text, error)) {
        printError(error);
        return 1;
    }
    std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stdout);
    return 0;
}

// The reads are done: what they hold is printed, or saved as a report.
int finishRun(const CliArguments& args, ControllerLink& link, const ReadRunner& runner,
              bool complete, const QString& reason, const WallClock& clock) {
    if (!complete) {
        printError(reason);
        if (args.command == CliArguments::Command::Report)
            printError(QStringLiteral("no report written to %1").arg(args.report.file));
    }
    if (args.command == CliArguments::Command::Report) {
        QString error;
        if (complete && !writeReport(link, args.report, clock.now(), error)) {
            printError(QStringLiteral("%1: %2").arg(args.report.file, error));
            return 1;
        }
        return complete ? 0 : 1;
    }
    if (runner.portOpened()) {
        const ReadResult result{link, runner.addresses(), complete};
        const QByteArray printed = args.read->print(result, args.format);
        std::fwrite(printed.constData(), 1, static_cast<size_t>(printed.size()), stdout);
        std::fflush(stdout);
    }
    return complete ? 0 : 1;
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

    if (args->command == CliArguments::Command::View)
        return viewFile(args->viewFile);
    if (args->command == CliArguments::Command::Report) {
        // Nothing is read for a report that could not be written.
        if (QString error; !reportMayBeWritten(args->report, error)) {
            printError(error);
            return 1;
        }
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

    ReadRunner runner(link, args->command == CliArguments::Command::Report
                                ? reportReadTypes(args->report)
                                : args->read->readTypes);
    QObject::connect(&runner, &ReadRunner::progress, &showProgress);
    QObject::connect(&runner, &ReadRunner::finished, [&](bool complete, const QString& reason) {
        QCoreApplication::exit(finishRun(*args, link, runner, complete, reason, clock));
    });
    QMetaObject::invokeMethod(&runner, &ReadRunner::start, Qt::QueuedConnection);
    return QCoreApplication::exec();
}
