#include "cliarguments.h"
#include "readrunner.h"
#include "reportcommand.h"
#include "reportpdf.h"
#include "viewcommand.h"

#include "data/viewertexts.h"

#include "link/controllerlink.h"
#include "platform/qt/qtserialport.h"
#include "platform/qt/qtticktimer.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <memory>
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

bool wantsPdf(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--pdf") == 0)
            return true;
    return false;
}

std::vector<int> readTypesFor(const CliArguments& args) {
    switch (args.command) {
    case CliArguments::Command::Report:
        return reportReadTypes(args.report);
    case CliArguments::Command::Log:
        return {ReadKind::Current, ReadKind::Status};
    default:
        return args.read->readTypes;
    }
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

// The reads are done: what they hold is printed, or saved as a report or a log entry.
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

int printRead(const CliArguments& args, const ControllerLink& link, const ReadRunner& runner,
              bool complete) {
    if (runner.portOpened()) {
        const ReadResult result{link, runner.addresses(), complete};
        const QByteArray printed = args.read->print(result, args.format);
        std::fwrite(printed.constData(), 1, static_cast<size_t>(printed.size()), stdout);
        std::fflush(stdout);
    }
    return complete ? 0 : 1;
}

int finishRun(const CliArguments& args, ControllerLink& link, const ReadRunner& runner,
              bool complete, const QString& reason, const WallClock& clock) {
    if (!complete)
        printError(reason);
    switch (args.command) {
    case CliArguments::Command::Log:
        return finishLog(args, link, runner, complete, clock);
    case CliArguments::Command::Report:
        return finishReport(args, link, complete, clock);
    default:
        return printRead(args, link, runner, complete);
    }
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
    QCoreApplication& app = *application;
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

    ReadRunner runner(link, readTypesFor(*args));
    QObject::connect(&runner, &ReadRunner::progress, &showProgress);
    QObject::connect(&runner, &ReadRunner::finished, [&](bool complete, const QString& reason) {
        QCoreApplication::exit(finishRun(*args, link, runner, complete, reason, clock));
    });
    QMetaObject::invokeMethod(&runner, &ReadRunner::start, Qt::QueuedConnection);
    return QCoreApplication::exec();
}
