#pragma once

#include "dialsession.h"
#include "logcommand.h"
#include "readcommands.h"
#include "reportcommand.h"

#include "link/singlecommand.h"
#include "shell/shellconfiguration.h"

#include "settings/calibration.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

enum class CliCommand {
    Read,
    Backup,
    Diff,
    WriteSetting,
    WriteCalibration,
    WriteAlarmUnit,
    Program,
    Report,
    Log,
    View,
    Send, // "send", "clear-history", "test-history" and "set-site": one single command
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
    QString value;                                     // the text "write" enters
    std::vector<std::pair<int, QString>> alarmEntries; // "write alarm": row 1..9 and its text
    bool verify = true;
    OutputFormat format = OutputFormat::Text;
    bool debug = false;
    bool fast = false; // --fast: read replies are handled as soon as they have arrived
    ReportRequest report;
    LogRequest log;
    DialRequest dial; // with a number, --port is the modem and the command runs over a call
    // The single command: what it sends, its address and data byte (the new site of set-site).
    SingleEntry single = SingleEntry::ReadRam;
    int address = 0;
    int data = 0;
    bool yes = false; // --yes: the history may be overwritten
    bool hex = false; // --hex: replies in the hexadecimal style
};

// Parses the arguments after the program name; on failure returns nothing and sets error.
std::optional<CliArguments> parseCliArguments(const QStringList& arguments, QString& error);
QString cliUsage();
