#pragma once

#include "logcommand.h"
#include "readcommands.h"
#include "reportcommand.h"

#include <QString>
#include <QStringList>
#include <optional>

// What the user asked tarvik-cli to do.
struct CliArguments {
    enum class Command { Read, Report, View, Log };

    Command command = Command::Read;
    QString port; // device path or COMn
    int baudIndex = 2;
    int site = -1;                     // site mode when 0..240
    const ReadCommand* read = nullptr; // what "read <name>" names
    OutputFormat format = OutputFormat::Text;
    bool debug = false;
    ReportRequest report;
    LogRequest log;
    QString viewFile;
};

// Parses the arguments after the program name; on failure returns nothing and sets error.
std::optional<CliArguments> parseCliArguments(const QStringList& arguments, QString& error);
QString cliUsage();
