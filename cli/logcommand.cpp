#include "logcommand.h"

#include "data/reportcomposer.h"

LogWriteResult writeCliLogEntry(const ControllerLink& link, const LogRequest& request,
                                const QDateTime& now, bool readFailed, QString& error) {
    T_objCSV csv(LogColumnCount, request.csvFile);
    const ControllerIdentity identity;
    const QLocale locale = QLocale::system();
    return writeLogEntry(request.logFile, csv,
                         {link.image, identity, request.language, reportDateText(now, locale),
                          reportTimeText(now, locale), readFailed},
                         &error);
}
