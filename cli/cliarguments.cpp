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

bool parseOption(const QStringList& args, int& i, CliArguments& out,
                 std::optional<OutputFormat>& formatAsked, QString& error) {
    const QString& arg = args.at(i);
    QString value;
    if (arg == QLatin1String("--json")) {
        formatAsked = OutputFormat::Json;
    } else if (arg == QLatin1String("--csv")) {
        formatAsked = OutputFormat::Csv;
    } else if (arg == QLatin1String("--debug")) {
        out.debug = true;
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

// The command words: "read NAME", "backup FILE", "diff FILE", "program FILE" or "write ...".
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
    if (verb == QLatin1String("write"))
        return parseWrite(words, out, error);
    error = QStringLiteral("expected one command: read %1, backup FILE, diff FILE, program FILE "
                           "or write setting|calibration ...")
                .arg(readNames());
    return false;
}

std::vector<OutputFormat> formatsOf(const CliArguments& out) {
    switch (out.command) {
    case CliCommand::Read:
        return out.read->formats;
    case CliCommand::Backup:
    case CliCommand::Program:
        return {OutputFormat::Text};
    case CliCommand::Diff:
    case CliCommand::WriteSetting:
    case CliCommand::WriteCalibration:
        return {OutputFormat::Text, OutputFormat::Json};
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
    if (out.port.isEmpty()) {
        error = QStringLiteral("--port DEVICE is required (a device path or COMn)");
        return std::nullopt;
    }
    return out;
}

QString cliUsage() {
    return QStringLiteral(
               "usage: tarvik-cli --port DEVICE [--baud 300|1200|2400|9600] [--site N] [--debug]\n"
               "                  read %1 [--json|--csv]\n"
               "                  backup FILE.stp\n"
               "                  diff FILE.stp [--json]\n"
               "                  write setting NUMBER|NAME VALUE [--no-verify] [--json]\n"
               "                  write calibration ROW gain|offset VALUE [--no-verify] [--json]\n"
               "                  program FILE.stp [--no-verify]\n"
               "DEVICE is a device path (/dev/ttyUSB0) or a COM number (COM3).\n")
        .arg(readNames());
}
