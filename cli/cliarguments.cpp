#include "cliarguments.h"

#include "link/linkports.h"

#include <algorithm>

namespace {

bool takeValue(const QStringList& args, int& i, QString& value, QString& error) {
    if (i + 1 >= args.size()) {
        error = QStringLiteral("%1 needs a value").arg(args.at(i));
        return false;
    }
    value = args.at(++i);
    return true;
}

bool parseSections(const QString& value, ReportRequest& report, QString& error) {
    report.sections = value.split(u',', Qt::SkipEmptyParts);
    for (const QString& section : std::as_const(report.sections)) {
        if (!reportSectionNames().contains(section)) {
            error = QStringLiteral("--sections takes a list of %1")
                        .arg(reportSectionNames().join(u','));
            return false;
        }
    }
    if (report.sections.isEmpty()) {
        error = QStringLiteral("--sections names no section");
        return false;
    }
    return true;
}

// "log" takes --csv FILE; the read commands take --csv alone as their output format.
bool isLogCommand(const QStringList& args) {
    return args.contains(QLatin1String("log")) && !args.contains(QLatin1String("read"));
}

bool parseOption(const QStringList& args, int& i, CliArguments& out,
                 std::optional<OutputFormat>& formatAsked, QString& error) {
    const QString& arg = args.at(i);
    QString value;
    if (arg == QLatin1String("--json")) {
        formatAsked = OutputFormat::Json;
    } else if (arg == QLatin1String("--csv") && isLogCommand(args)) {
        if (!takeValue(args, i, out.log.csvFile, error))
            return false;
    } else if (arg == QLatin1String("--pdf")) {
        if (!takeValue(args, i, out.report.pdfFile, error))
            return false;
    } else if (arg == QLatin1String("--log-file")) {
        if (!takeValue(args, i, out.log.logFile, error))
            return false;
    } else if (arg == QLatin1String("--csv")) {
        formatAsked = OutputFormat::Csv;
    } else if (arg == QLatin1String("--debug")) {
        out.debug = true;
    } else if (arg == QLatin1String("--append") || arg == QLatin1String("--overwrite")) {
        const auto existing = arg == QLatin1String("--append") ? ReportRequest::Existing::Append
                                                               : ReportRequest::Existing::Overwrite;
        if (out.report.existing != ReportRequest::Existing::Refuse &&
            out.report.existing != existing) {
            error = QStringLiteral("--append and --overwrite exclude each other");
            return false;
        }
        out.report.existing = existing;
    } else if (arg == QLatin1String("--text")) {
        // The view's only output; accepted so scripts may say what they expect.
    } else if (arg == QLatin1String("--sections")) {
        if (!takeValue(args, i, value, error) || !parseSections(value, out.report, error))
            return false;
    } else if (arg == QLatin1String("--language")) {
        if (!takeValue(args, i, value, error))
            return false;
        out.report.language = static_cast<int>(reportLanguageNames().indexOf(value));
        out.log.language = out.report.language;
        if (out.report.language < 0) {
            error = QStringLiteral("--language must be one of %1")
                        .arg(reportLanguageNames().join(u'|'));
            return false;
        }
    } else if (arg == QLatin1String("--no-verify")) {
        out.verify = false;
    } else if (arg == QLatin1String("--port")) {
        if (!takeValue(args, i, out.port, error))
            return false;
    } else if (arg == QLatin1String("--baud")) {
        if (!takeValue(args, i, value, error))
            return false;
        out.baudIndex = static_cast<int>(LinkPorts::BaudTexts.indexOf(value));
        if (out.baudIndex < 0) {
            error = QStringLiteral("--baud must be one of %1").arg(LinkPorts::BaudTexts.join(u'|'));
            return false;
        }
    } else if (arg == QLatin1String("--site")) {
        if (!takeValue(args, i, value, error))
            return false;
        bool ok = false;
        out.site = value.toInt(&ok);
        if (!ok || out.site < 0 || out.site > 240) {
            error = QStringLiteral("--site must be a number from 0 to 240");
            return false;
        }
    } else {
        error = QStringLiteral("unknown option %1").arg(arg);
        return false;
    }
    return true;
}

bool requirePort(const CliArguments& out, QString& error) {
    if (!out.port.isEmpty())
        return true;
    error = QStringLiteral("--port DEVICE is required (a device path, COMn or tcp://HOST:PORT)");
    return false;
}

} // namespace

QString readNames() {
    QStringList names;
    for (const auto& command : readCommands())
        names << command.name;
    return names.join(u'|');
}

namespace {

// "write setting NUMBER|NAME VALUE" or "write calibration ROW gain|offset VALUE".
bool parseWrite(const QStringList& words, CliArguments& out, QString& error) {
    const QString kind = words.value(1);
    if (words.size() == 4 && kind == QLatin1String("setting")) {
        out.command = CliCommand::WriteSetting;
        out.target = words.at(2);
        out.value = words.at(3);
        return true;
    }
    const QString part = words.value(3);
    if (words.size() == 5 && kind == QLatin1String("calibration") &&
        (part == QLatin1String("gain") || part == QLatin1String("offset"))) {
        out.command = CliCommand::WriteCalibration;
        out.target = words.at(2);
        out.part = part == QLatin1String("gain") ? CalibrationPart::Gain : CalibrationPart::Offset;
        out.value = words.at(4);
        return true;
    }
    error = QStringLiteral(
        "expected write setting NUMBER|NAME VALUE or write calibration ROW gain|offset VALUE");
    return false;
}

// The command words: "read NAME", "backup FILE", "diff FILE", "program FILE", "write ...",
// "report FILE", "log" or "view FILE".
bool parseCommand(const QStringList& words, CliArguments& out, QString& error) {
    const QString verb = words.value(0);
    if (words.size() == 2 && verb == QLatin1String("read")) {
        out.read = findReadCommand(words.at(1));
        if (out.read == nullptr) {
            error = QStringLiteral("cannot read '%1'; expected %2").arg(words.at(1), readNames());
            return false;
        }
        return true;
    }
    if (words.size() == 2 && (verb == QLatin1String("backup") || verb == QLatin1String("diff") ||
                              verb == QLatin1String("program"))) {
        out.command = verb == QLatin1String("backup") ? CliCommand::Backup
                      : verb == QLatin1String("diff") ? CliCommand::Diff
                                                      : CliCommand::Program;
        out.file = words.at(1);
        return true;
    }
    if (words.size() == 2 && verb == QLatin1String("view")) {
        out.command = CliCommand::View;
        out.file = words.at(1);
        return true;
    }
    if (words.size() == 1 && verb == QLatin1String("log")) {
        out.command = CliCommand::Log;
        return true;
    }
    if (words.size() == 2 && verb == QLatin1String("report")) {
        out.command = CliCommand::Report;
        out.report.file = words.at(1);
        if (out.report.sections.isEmpty())
            out.report.sections = reportSectionNames();
        return true;
    }
    if (verb == QLatin1String("write"))
        return parseWrite(words, out, error);
    error = QStringLiteral("expected one command: read %1, backup FILE, diff FILE, program FILE, "
                           "write setting|calibration ..., report FILE, log or view FILE")
                .arg(readNames());
    return false;
}

std::vector<OutputFormat> formatsOf(const CliArguments& out) {
    switch (out.command) {
    case CliCommand::Read:
        return out.read->formats;
    case CliCommand::Diff:
    case CliCommand::WriteSetting:
    case CliCommand::WriteCalibration:
        return {OutputFormat::Text, OutputFormat::Json};
    case CliCommand::Backup:
    case CliCommand::Program:
    case CliCommand::Report:
    case CliCommand::Log:
    case CliCommand::View:
        return {OutputFormat::Text};
    }
    return {};
}

QString commandName(const CliArguments& out) {
    switch (out.command) {
    case CliCommand::Read:
        return QStringLiteral("read ") + out.read->name;
    case CliCommand::Backup:
        return QStringLiteral("backup");
    case CliCommand::Diff:
        return QStringLiteral("diff");
    case CliCommand::Report:
        return QStringLiteral("report");
    case CliCommand::Log:
        return QStringLiteral("log");
    case CliCommand::View:
        return QStringLiteral("view");
    case CliCommand::Program:
        return QStringLiteral("program");
    case CliCommand::WriteSetting:
    case CliCommand::WriteCalibration:
        return QStringLiteral("write");
    }
    return {};
}

} // namespace

std::optional<CliArguments> parseCliArguments(const QStringList& args, QString& error) {
    CliArguments out;
    std::optional<OutputFormat> formatAsked;
    if (args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"))) {
        out.help = true;
        return out;
    }
    if (args.contains(QLatin1String("--version"))) {
        out.version = true;
        return out;
    }
    QStringList words;
    for (int i = 0; i < args.size(); ++i) {
        if (args.at(i).startsWith(QLatin1String("--"))) {
            if (!parseOption(args, i, out, formatAsked, error))
                return std::nullopt;
        } else {
            words << args.at(i);
        }
    }
    if (!parseCommand(words, out, error))
        return std::nullopt;
    const std::vector<OutputFormat> formats = formatsOf(out);
    out.format = formatAsked.value_or(formats.front());
    if (std::find(formats.begin(), formats.end(), out.format) == formats.end()) {
        error = QStringLiteral("%1 has no such output format").arg(commandName(out));
        return std::nullopt;
    }
    // Viewing a file needs no controller.
    if (out.command != CliCommand::View && !requirePort(out, error))
        return std::nullopt;
    return out;
}

QString cliUsage() {
    return QStringLiteral(
               "usage: tarvik-cli --port DEVICE [--baud %2] [--site N] [--debug]\n"
               "                  read %1 [--json|--csv]\n"
               "                  backup FILE.stp\n"
               "                  diff FILE.stp [--json]\n"
               "                  write setting NUMBER|NAME VALUE [--no-verify] [--json]\n"
               "                  write calibration ROW gain|offset VALUE [--no-verify] [--json]\n"
               "                  program FILE.stp [--no-verify]\n"
               "       tarvik-cli --port DEVICE ... report FILE [--sections %4]\n"
               "                  [--append|--overwrite] [--language en|fr|zh|de] [--pdf "
               "FILE.pdf]\n"
               "       tarvik-cli --port DEVICE ... log [--log-file FILE] [--csv FILE]\n"
               "       tarvik-cli view FILE [--text]\n"
               "       tarvik-cli --help | --version\n"
               "DEVICE is a device path (/dev/ttyUSB0), a COM number (COM3) or a "
               "serial-over-network\n"
               "adapter (tcp://HOST:PORT). The baud rate is %3 unless --baud says otherwise.\n")
        .arg(readNames(), LinkPorts::BaudTexts.join(u'|'),
             LinkPorts::BaudTexts.at(CliArguments{}.baudIndex), reportSectionNames().join(u','));
}
