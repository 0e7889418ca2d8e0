#include "alarmunitcommands.h"
#include "cliarguments.h"
#include "readsession.h"
#include "reportcommand.h"
#include "reportpdf.h"
#include "sendcommand.h"
#include "settingsfilecommands.h"
#include "terminal.h"
#include "viewcommand.h"
#include "writecommands.h"

#include "data/viewertexts.h"
#include "link/controllerlink.h"
#include "platform/qt/deviceport.h"
#include "platform/qt/qtticktimer.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// Points a COM number at the device the user named, unless a COMn was given.
int comNumberFor(const QString& port, int usual, PortMap& ports) {
    if (const int number = PortMap::comNumberFromName(port); number != 0)
        return number;
    ports.setDevice(usual, port);
    return usual;
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

bool wantsPdf(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--pdf") == 0)
            return true;
    return false;
}

int viewFile(const QString& path) {
    QByteArray text;
    QString error;
    if (!viewFileText(path, text, error)) {
        printError(error);
        return 1;
    }
    writeOutput(text);
    return 0;
}

// One entry from the reads just done, unless the port could not be used at all.
int finishLog(const CliArguments& args, const ControllerLink& link, const ReadRunner& runner,
              bool complete, const WallClock& clock) {
    if (!runner.portOpened())
        return 1;
    QString error;
    const LogWriteResult result = writeCliLogEntry(link, args.log, clock.now(), !complete, error);
    if (result == LogWriteResult::DiskFull)
        printError(QStringLiteral("%1: the disk is full; no entry written").arg(args.log.logFile));
    else if (result == LogWriteResult::Failed)
        printError(error);
    else if (!complete)
        printError(QStringLiteral("the entry is marked as a failed read"));
    return complete && result == LogWriteResult::Written ? 0 : 1;
}

// "log": reads the current state and status and writes one entry, also after a failed read.
int runLog(ControllerLink& link, const CliArguments& args, const WallClock& clock) {
    return runReads(link, {ReadKind::Current, ReadKind::Status},
                    [&](const ReadRunner& runner, bool complete, const QString& reason) {
                        if (!complete)
                            printError(reason);
                        return finishLog(args, link, runner, complete, clock);
                    });
}

// The reads are done: the report is saved, and also written as PDF when asked.
int finishReport(const CliArguments& args, ControllerLink& link, bool complete,
                 const WallClock& clock) {
    if (!complete) {
        printError(QStringLiteral("no report written to %1").arg(args.report.file));
        return 1;
    }
    const QDateTime now = clock.now();
    QString error;
    if (!writeReport(link, args.report, now, error)) {
        printError(QStringLiteral("%1: %2").arg(args.report.file, error));
        return 1;
    }
    if (args.report.pdfFile.isEmpty())
        return 0;
    RichDocument document;
    RichComposer edit(document);
    composeReport(edit, link, args.report, now);
    const QString title = text(ViewerText::ReportPrintTitle, args.report.language);
    if (!writeDocumentPdf(args.report.pdfFile, document, title, error)) {
        printError(QStringLiteral("%1: %2").arg(args.report.pdfFile, error));
        return 1;
    }
    return 0;
}

// "report FILE": nothing is read for a report that could not be written.
int runReport(ControllerLink& link, const CliArguments& args, const WallClock& clock) {
    if (QString error; !reportMayBeWritten(args.report, error)) {
        printError(error);
        return 1;
    }
    return runReads(link, reportReadTypes(args.report),
                    [&](const ReadRunner&, bool complete, const QString& reason) {
                        if (!complete)
                            printError(reason);
                        return finishReport(args, link, complete, clock);
                    });
}

int runCommand(ControllerLink& link, const CliArguments& args, const WallClock& clock) {
    switch (args.command) {
    case CliCommand::Backup:
        return runBackup(link, args.file);
    case CliCommand::Diff:
        return runDiff(link, args.file, args.format);
    case CliCommand::WriteSetting:
        return runWriteSetting(link, args);
    case CliCommand::WriteCalibration:
        return runWriteCalibration(link, args);
    case CliCommand::WriteAlarmUnit:
        return runWriteAlarmUnit(link, args);
    case CliCommand::Program:
        return runProgram(link, args);
    case CliCommand::Report:
        return runReport(link, args, clock);
    case CliCommand::Log:
        return runLog(link, args, clock);
    case CliCommand::Send:
        return runSend(link, args);
    case CliCommand::View:
    case CliCommand::Read:
        break;
    }
    return runRead(link, args);
}

} // namespace

int main(int argc, char* argv[]) {
    // Laying out a PDF needs fonts, so a PDF report runs as a (window-less) GUI application.
    const bool pdf = wantsPdf(argc, argv);
    if (pdf && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> application =
        pdf ? std::make_unique<QGuiApplication>(argc, argv)
            : std::make_unique<QCoreApplication>(argc, argv);
    QString error;
    const auto args = parseCliArguments(application->arguments().mid(1), error);
    if (!args) {
        printError(error);
        std::fputs(qPrintable(cliUsage()), stderr);
        return 2;
    }
    if (args->help) {
        std::fputs(qPrintable(cliUsage()), stdout);
        return 0;
    }
    if (args->version) {
        std::printf("tarvik-cli %s\n", TARVIK_VERSION);
        return 0;
    }
    if (args->command == CliCommand::View)
        return viewFile(args->file);

    QtTickTimerSource timers;
    PortMap portMap;
    DevicePort direct(timers, portMap);
    DevicePort modem(timers, portMap);
    SystemWallClock clock;
    ControllerLink link(direct, modem, clock);
    link.ports.DirectPortNumber = comNumberFor(args->port, 1, portMap);
    link.ports.baudIndex = args->baudIndex;
    link.state.DebugMode = args->debug;
    link.state.fastReplies = args->fast;
    link.state.SiteMode = args->site >= 0;
    if (args->site >= 0)
        link.state.siteNumber = args->site;
    link.state.StartupPending = false;
    if (args->debug)
        QObject::connect(&link.trace, &TraceLog::lineAdded, [](const QString& line) {
            std::fprintf(stderr, "%s\n", qPrintable(line));
        });

    if (args->dial.number.isEmpty())
        return runCommand(link, *args, clock);
    // The port is the modem; the direct port stays unused.
    link.ports.ModemPortNumber = comNumberFor(args->port, 2, portMap);
    return runDialled(link, args->dial, [&] { return runCommand(link, *args, clock); });
}
