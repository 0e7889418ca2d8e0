#include "shell/commandline.h"

namespace {

const QString SimulateOption = QStringLiteral("--simulate");
const QStringList Models{QStringLiteral("vx20"), QStringLiteral("vx40"), QStringLiteral("vx60"),
                         QStringLiteral("vx80")};
const QString DefaultModel = QStringLiteral("vx40");

} // namespace

CommandLine parseCommandLine(const QStringList& argumentsAfterProgram) {
    CommandLine out;
    for (const QString& argument : argumentsAfterProgram) {
        if (argument == SimulateOption) {
            out.simulatedModel = DefaultModel;
        } else if (argument.startsWith(SimulateOption + QLatin1Char('='))) {
            const QString model = argument.mid(SimulateOption.size() + 1).toLower();
            if (!Models.contains(model))
                out.error = QStringLiteral("unknown model \"%1\" for --simulate (one of %2)")
                                .arg(model, Models.join(QStringLiteral(", ")));
            out.simulatedModel = model;
        } else {
            out.programArguments << argument;
        }
    }
    return out;
}
