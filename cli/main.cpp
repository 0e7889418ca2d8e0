#include "cliarguments.h"
#include "readsession.h"
#include "settingsfilecommands.h"
#include "terminal.h"
#include "writecommands.h"

#include "link/controllerlink.h"
#include "platform/qt/qtserialport.h"
#include "platform/qt/qtticktimer.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

// Points COM number n at the device the user named, unless a COMn was given.
int directComNumber(const QString& port, PortMap& ports) {
    if (const int number = PortMap::comNumberFromName(port); number != 0)
        return number;
    ports.setDevice(1, port);
    return 1;
}

// "read NAME": prints what was read, also when a read failed part of the way.
int runRead(ControllerLink& link, const CliArguments& args) {
    return runReads(link, args.read->readTypes,
                    [&link, &args](const ReadRunner& runner, bool complete, const QString& reason) {
                        if (runner.portOpened())
                            writeOutput(args.read->print(ReadResult{link, complete}, args.format));
                        if (!complete)
                            printError(reason);
                        return complete ? 0 : 1;
                    });
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

    switch (args->command) {
    case CliCommand::Backup:
        return runBackup(link, args->file);
    case CliCommand::Diff:
        return runDiff(link, args->file, args->format);
    case CliCommand::WriteSetting:
        return runWriteSetting(link, *args);
    case CliCommand::WriteCalibration:
        return runWriteCalibration(link, *args);
    case CliCommand::Program:
        return runProgram(link, *args);
    case CliCommand::Read:
        break;
    }
    return runRead(link, *args);
}
