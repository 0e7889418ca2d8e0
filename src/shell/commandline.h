#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The desktop program's command line: "--simulate", "--simulate=MODEL" or "--simulate MODEL"
// (vx20, vx40, vx60 or vx80) anywhere starts a simulated controller for the run; "--help" (or
// "-h") and "--version" ask for a text instead of a run; everything else is left as the program's
// own arguments, whose first may be "-debug".
struct CommandLine {
    enum class Request { Run, Help, Version };
    Request request = Request::Run;
    QStringList programArguments;
    std::optional<QString> simulatedModel; // lower case
    QString error;                         // not empty when the line cannot be used
};

CommandLine parseCommandLine(const QStringList& argumentsAfterProgram);

// What "--help" prints.
QString commandLineUsage();
