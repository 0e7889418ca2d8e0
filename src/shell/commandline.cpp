#include "shell/commandline.h"

namespace {

const QString SimulateOption = QStringLiteral("--simulate");
const QStringList Models{QStringLiteral("vx20"), QStringLiteral("vx40"), QStringLiteral("vx60"),
                         QStringLiteral("vx80")};
const QString DefaultModel = QStringLiteral("vx40");

// The model of "--simulate=MODEL" or "--simulate MODEL"; an unknown one sets the error.
void takeModel(const QString& given, CommandLine& out) {
    const QString model = given.toLower();
    if (!Models.contains(model))
        out.error = QStringLiteral("unknown model \"%1\" for --simulate (one of %2)")
                        .arg(given, Models.join(QStringLiteral(", ")));
    out.simulatedModel = model;
}

} // namespace

CommandLine parseCommandLine(const QStringList& argumentsAfterProgram) {
    CommandLine out;
    for (qsizetype i = 0; i < argumentsAfterProgram.size(); ++i) {
        const QString& argument = argumentsAfterProgram.at(i);
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            out.request = CommandLine::Request::Help;
        } else if (argument == QLatin1String("--version")) {
            out.request = CommandLine::Request::Version;
        } else if (argument == SimulateOption) {
            // The program's own arguments all start with "-", so a word after it is the model.
            const QString next = argumentsAfterProgram.value(i + 1);
            if (next.isEmpty() || next.startsWith(QLatin1Char('-')))
                out.simulatedModel = DefaultModel;
            else
                takeModel(argumentsAfterProgram.at(++i), out);
        } else if (argument.startsWith(SimulateOption + QLatin1Char('='))) {
            takeModel(argument.mid(SimulateOption.size() + 1), out);
        } else {
            out.programArguments << argument;
        }
    }
    return out;
}

QString commandLineUsage() {
    return QStringLiteral(
        "usage: tarvik [-debug] [--simulate[=MODEL]]\n"
        "       tarvik --help | --version\n"
        "The desktop program for VX solar charge controllers.\n"
        "  -debug             trace every byte on the link in the debug window (first argument "
        "only)\n"
        "  --simulate[=MODEL] talk to a simulated controller for this run: vx20, vx40 (default),\n"
        "                     vx60 or vx80\n"
        "  -h, --help         print this text\n"
        "  --version          print the version\n"
        "Qt's own options, such as -platform offscreen, are taken as well.\n");
}
