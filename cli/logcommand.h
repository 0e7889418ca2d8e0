#pragma once

#include "data/logfile.h"
#include "link/controllerlink.h"

#include <QDateTime>
#include <QString>

// "tarvik-cli log": one periodic log entry now, into files relative to the current directory.
struct LogRequest {
    QString logFile = QStringLiteral("LogFile");
    QString csvFile = QStringLiteral("LOGFILE.CSV");
    int language = 0;
};

// Writes the entry from the current state and status just read; a read that failed is marked
// as such in both files.
LogWriteResult writeCliLogEntry(const ControllerLink& link, const LogRequest& request,
                                const QDateTime& now, bool readFailed, QString& error);
