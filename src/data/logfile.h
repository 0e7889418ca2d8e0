#pragma once

#include "data/csvwriter.h"
#include "data/logentrycomposer.h"

#include <QString>

enum class LogWriteResult { Written, DiskFull, Failed };

// Appends one entry to the rich-text log (created when missing, unless the disk is all but full)
// and its line to the CSV file. The log is replaced in one step, so an earlier log survives a
// failed write whole; the CSV line is added in one write.
LogWriteResult writeLogEntry(const QString& logPath, T_objCSV& csv, const LogEntrySource& source,
                             QString* error);
