#include "cliarguments.h"

#include "link/linkports.h"

#include <algorithm>
#include <array>

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
    } else if (arg == QLatin1String("--fast")) {
        out.fast = true;
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
    } else if (arg == QLatin1String("--yes")) {
        out.yes = true;
    } else if (arg == QLatin1String("--hex")) {
        out.hex = true;
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
    } else if (arg == QLatin1String("--dial")) {
        if (!takeValue(args, i, out.dial.number, error))
            return false;
        if (!isDialNumber(out.dial.number)) {
            error = QStringLiteral("--dial takes up to 16 digits");
            return false;
        }
    } else if (arg == QLatin1String("--pulse")) {
        out.dial.pulse = true;
    } else if (arg == QLatin1String("--modem-setup")) {
        if (!takeValue(args, i, out.dial.setupString, error))
            return false;
    } else if (arg == QLatin1String("--path-delay")) {
        if (!takeValue(args, i, value, error))
            return false;
        bool ok = false;
        out.dial.pathDelay = value.toInt(&ok);
        if (!ok || out.dial.pathDelay < 2 || out.dial.pathDelay > 20) {
            error = QStringLiteral("--path-delay must be a number of ticks from 2 to 20");
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

// ROW=VALUE for each value row of the alarm unit; VALUE may be empty, as a cleared cell is.
bool parseAlarmEntries(const QStringList& entries, CliArguments& out, QString& error) {
    for (const QString& entry : entries) {
        const qsizetype equals = entry.indexOf(QLatin1Char('='));
        bool isNumber = false;
        const int row = entry.left(equals).toInt(&isNumber);
        if (equals < 0 || !isNumber || row < 1 || row > 9) {
            error = QStringLiteral("'%1' is no ROW=VALUE with a row 1..9").arg(entry);
            return false;
        }
        out.alarmEntries.emplace_back(row, entry.mid(equals + 1));
    }
    out.command = CliCommand::WriteAlarmUnit;
    return true;
}

// "write setting NUMBER|NAME VALUE", "write calibration ROW gain|offset VALUE" or
// "write alarm ROW=VALUE ...".
bool parseWrite(const QStringList& words, CliArguments& out, QString& error) {
    const QString kind = words.value(1);
    if (words.size() >= 3 && kind == QLatin1String("alarm"))
        return parseAlarmEntries(words.mid(2), out, error);
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
    error = QStringLiteral("expected write setting NUMBER|NAME VALUE, write calibration ROW "
                           "gain|offset VALUE or write alarm ROW=VALUE ...");
    return false;
}

// A byte: decimal, or hexadecimal after "0x".
std::optional<int> byteValue(const QString& text, int highest) {
    bool ok = false;
    const bool hex = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive);
    const int value = hex ? text.mid(2).toInt(&ok, 16) : text.toInt(&ok, 10);
    return ok && value >= 0 && value <= highest ? std::optional(value) : std::nullopt;
}

struct SendKind {
    const char* name;
    SingleEntry entry;
    bool takesAddress;
};

constexpr std::array<SendKind, 5> SendKinds{{
    {"read-ram", SingleEntry::ReadRam, true},
    {"read-eeprom", SingleEntry::ReadEeprom, true},
    {"write-ram", SingleEntry::WriteRam, true},
    {"write-eeprom", SingleEntry::WriteEeprom, true},
    {"loopback", SingleEntry::Loopback, false},
}};

// "send read-ram|read-eeprom ADDRESS", "send write-ram|write-eeprom ADDRESS DATA" or
// "send loopback DATA".
bool parseSend(const QStringList& words, CliArguments& out, QString& error) {
    const auto kind = std::find_if(SendKinds.begin(), SendKinds.end(), [&](const SendKind& k) {
        return words.value(1) == QLatin1String(k.name);
    });
    const bool write = kind != SendKinds.end() && (kind->entry == SingleEntry::WriteRam ||
                                                   kind->entry == SingleEntry::WriteEeprom);
    const qsizetype expected = kind == SendKinds.end() ? 0 : (write ? 4 : 3);
    if (words.size() != expected) {
        error = QStringLiteral("expected send read-ram|read-eeprom ADDRESS, send "
                               "write-ram|write-eeprom ADDRESS DATA or send loopback DATA");
        return false;
    }
    out.command = CliCommand::Send;
    out.single = kind->entry;
    const auto address = kind->takesAddress ? byteValue(words.at(2), 255) : std::optional(0);
    const auto data =
        kind->takesAddress && !write ? std::optional(0) : byteValue(words.last(), 255);
    if (!address || !data) {
        error = QStringLiteral("ADDRESS and DATA are bytes: 0..255, or 0x00..0xFF");
        return false;
    }
    out.address = *address;
    out.data = *data;
    return true;
}

// "clear-history", "test-history" (both with --yes) or "set-site NEW" (with --site).
bool parseSiteOrHistory(const QStringList& words, CliArguments& out, QString& error) {
    const QString verb = words.value(0);
    out.command = CliCommand::Send;
    if (verb == QLatin1String("set-site")) {
        out.single = SingleEntry::SetSite;
        const auto site = byteValue(words.value(1), 240);
        if (words.size() != 2 || !site) {
            error = QStringLiteral("expected set-site NEW, NEW a site number from 0 to 240");
            return false;
        }
        if (out.site < 0) {
            error = QStringLiteral("set-site needs --site N, the site the interface has now");
            return false;
        }
        out.data = *site;
        return true;
    }
    out.single = verb == QLatin1String("clear-history") ? SingleEntry::ClearHistory
                                                        : SingleEntry::TestHistory;
    if (!out.yes) {
        error =
            QStringLiteral("%1 overwrites the controller's 30-day history; add --yes to go ahead")
                .arg(verb);
        return false;
    }
    return true;
}

bool isSiteOrHistoryVerb(const QString& verb) {
    return verb == QLatin1String("clear-history") || verb == QLatin1String("test-history") ||
           verb == QLatin1String("set-site");
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
    if (verb == QLatin1String("send"))
        return parseSend(words, out, error);
    if (isSiteOrHistoryVerb(verb) && (words.size() == 1 || verb == QLatin1String("set-site")))
        return parseSiteOrHistory(words, out, error);
    error = QStringLiteral(
                "expected one command: read %1, backup FILE, diff FILE, program FILE, "
                "write setting|calibration|alarm ..., report FILE, log, view FILE, send ..., "
                "clear-history, test-history or set-site NEW")
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
    case CliCommand::WriteAlarmUnit:
    case CliCommand::Send:
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
    case CliCommand::WriteAlarmUnit:
        return QStringLiteral("write");
    case CliCommand::Send:
        return QStringLiteral("send");
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
    if (out.dial.number.isEmpty() && (args.contains(QLatin1String("--pulse")) ||
                                      args.contains(QLatin1String("--modem-setup")))) {
        error = QStringLiteral("--pulse and --modem-setup need --dial NUMBER");
        return std::nullopt;
    }
    return out;
}

QString cliUsage() {
    return QStringLiteral(
               "usage: tarvik-cli --port DEVICE [--baud %2] [--site N] [--fast] [--debug]\n"
               "                  read %1 [--json|--csv]\n"
               "                  backup FILE.stp\n"
               "                  diff FILE.stp [--json]\n"
               "                  write setting NUMBER|NAME VALUE [--no-verify] [--json]\n"
               "                  write calibration ROW gain|offset VALUE [--no-verify] [--json]\n"
               "                  write alarm ROW=VALUE [ROW=VALUE ...] [--no-verify] [--json]\n"
               "                  program FILE.stp [--no-verify]\n"
               "       tarvik-cli --port DEVICE ... report FILE [--sections %4]\n"
               "                  [--append|--overwrite] [--language en|fr|zh|de] [--pdf "
               "FILE.pdf]\n"
               "       tarvik-cli --port DEVICE ... log [--log-file FILE] [--csv FILE]\n"
               "       tarvik-cli --port DEVICE ... send read-ram|read-eeprom ADDRESS [--hex] "
               "[--json]\n"
               "                  send write-ram|write-eeprom ADDRESS DATA [--hex] [--json]\n"
               "                  send loopback DATA [--hex] [--json]\n"
               "                  clear-history --yes\n"
               "                  test-history --yes\n"
               "       tarvik-cli --port DEVICE --site N ... set-site NEW\n"
               "       tarvik-cli view FILE [--text]\n"
               "       tarvik-cli --help | --version\n"
               "Any command but view may dial the site first:\n"
               "       tarvik-cli --port MODEM --dial NUMBER [--pulse] [--modem-setup STRING]\n"
               "                  [--path-delay TICKS] COMMAND ...\n"
               "DEVICE is a device path (/dev/ttyUSB0), a COM number (COM3) or a "
               "serial-over-network\n"
               "adapter (tcp://HOST:PORT). The baud rate is %3 unless --baud says otherwise.\n"
               "With --dial the port is the modem: it gets \"AT\" and the set-up string (%5),\n"
               "dials (tone, or pulse), waits up to 60 s for the connection, runs the command\n"
               "with replies awaited every TICKS/18.2 s (2 to 20, default %6), then hangs up.\n"
               "A dial that fails exits 1 naming the modem's answer (BUSY, NO CARRIER, ...).\n"
               "ADDRESS and DATA are bytes, decimal or 0x hexadecimal. send prints the reply as "
               "the\n"
               "tool window shows it (\"12\", \"Error 5\"); clear-history and test-history "
               "overwrite\n"
               "the controller's 30-day history and need --yes; set-site gives the site interface "
               "at\n"
               "site N the site number NEW.\n"
               "--fast handles each reply as soon as it has arrived instead of on the next poll.\n")
        .arg(readNames(), LinkPorts::BaudTexts.join(u'|'),
             LinkPorts::BaudTexts.at(CliArguments{}.baudIndex), reportSectionNames().join(u','),
             DialRequest{}.setupString, QString::number(DialRequest{}.pathDelay));
}
