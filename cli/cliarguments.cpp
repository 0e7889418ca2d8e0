#include "cliarguments.h"

#include "link/linkports.h"

namespace {

bool takeValue(const QStringList& args, int& i, QString& value, QString& error) {
    if (i + 1 >= args.size()) {
        error = QStringLiteral("%1 needs a value").arg(args.at(i));
        return false;
    }
    value = args.at(++i);
    return true;
}

bool parseOption(const QStringList& args, int& i, CliArguments& out, QString& error) {
    const QString& arg = args.at(i);
    QString value;
    if (arg == QLatin1String("--json")) {
        out.json = true;
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

std::optional<CliArguments> parseCliArguments(const QStringList& args, QString& error) {
    CliArguments out;
    QStringList words;
    for (int i = 0; i < args.size(); ++i) {
        if (args.at(i).startsWith(QLatin1String("--"))) {
            if (!parseOption(args, i, out, error))
                return std::nullopt;
        } else {
            words << args.at(i);
        }
    }
    if (words.size() != 2 || words.at(0) != QLatin1String("read")) {
        error = QStringLiteral("expected the command: read current|status");
        return std::nullopt;
    }
    out.command = words.at(0);
    out.what = words.at(1);
    if (out.what != QLatin1String("current") && out.what != QLatin1String("status")) {
        error = QStringLiteral("cannot read '%1'; expected current or status").arg(out.what);
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
        "                  read current|status [--json]\n"
        "DEVICE is a device path (/dev/ttyUSB0) or a COM number (COM3).\n");
}
