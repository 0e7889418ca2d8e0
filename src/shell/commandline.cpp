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
        if (argument == SimulateOption) {
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
