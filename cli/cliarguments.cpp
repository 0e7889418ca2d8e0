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
    if (words.size() != 2 || words.at(0) != QLatin1String("read")) {
        error = QStringLiteral("expected the command: read %1").arg(readNames());
        return std::nullopt;
    }
    out.read = findReadCommand(words.at(1));
    if (out.read == nullptr) {
        error = QStringLiteral("cannot read '%1'; expected %2").arg(words.at(1), readNames());
        return std::nullopt;
    }
    const auto& formats = out.read->formats;
    out.format = formatAsked.value_or(formats.front());
    if (std::find(formats.begin(), formats.end(), out.format) == formats.end()) {
        error = QStringLiteral("read %1 has no such output format").arg(out.read->name);
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
               "DEVICE is a device path (/dev/ttyUSB0) or a COM number (COM3).\n")
        .arg(readNames());
}
