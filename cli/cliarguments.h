#pragma once

#include "logcommand.h"
#include "readcommands.h"
#include "reportcommand.h"

#include "shell/shellconfiguration.h"

#include "settings/calibration.h"

#include <QString>
#include <QStringList>
#include <optional>

enum class CliCommand {
    Read,
    Backup,
    Diff,
    WriteSetting,
    WriteCalibration,
    Program,
    Report,
    Log,
    View
};

// What the user asked tarvik-cli to do.
struct CliArguments {
    QString port;                                   // device path, COMn or tcp://HOST:PORT
    int baudIndex = ShellConfiguration{}.baudIndex; // the desktop program's default
    bool help = false;                              // --help: print the usage, nothing else
    bool version = false;                           // --version: print the version, nothing else
    int site = -1;                                  // site mode when 0..240
    CliCommand command = CliCommand::Read;
    const ReadCommand* read = nullptr; // what "read <name>" names
    QString file;   // the settings file of "backup", "diff" and "program", or "view" FILE
    QString target; // the setting or calibration row of "write"
    CalibrationPart part = CalibrationPart::Gain;
    QString value; // the text "write" enters
    bool verify = true;
    OutputFormat format = OutputFormat::Text;
    bool debug = false;
    ReportRequest report;
    LogRequest log;
};

// Parses the arguments after the program name; on failure returns nothing and sets error.
std::optional<CliArguments> parseCliArguments(const QStringList& arguments, QString& error);
QString cliUsage();
