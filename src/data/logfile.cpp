#include "data/logfile.h"

#include "data/reportfile.h"

#include <QFileInfo>
#include <QStorageInfo>

namespace {

// A new log needs more room than this on its drive.
constexpr qint64 NewLogMinimumFreeBytes = 2000;

} // namespace

LogWriteResult writeLogEntry(const QString& logPath, T_objCSV& csv, const LogEntrySource& source,
                             QString* error) {
    const bool exists = QFileInfo::exists(logPath);
    if (!exists) {
        const QStorageInfo drive(QFileInfo(logPath).absolutePath());
        if (drive.isValid() && drive.bytesAvailable() <= NewLogMinimumFreeBytes)
            return LogWriteResult::DiskFull;
    }
    const bool logged = saveComposedFile(
        logPath, exists ? SaveAction::Append : SaveAction::Create,
        [&](RichComposer& edit) { ComposeLogEntry(edit, csv, source); }, error);
    if (!logged || !csv.Write(error))
        return LogWriteResult::Failed;
    return LogWriteResult::Written;
}
