#include "writesession.h"

#include "readrunner.h"
#include "terminal.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// The alarm unit's addresses are those of its own memory, all EEPROM.
QString addressText(const WriteCheck& check) {
    if (check.write == PacedWrite::AlarmUnit)
        return QStringLiteral("EEPROM %1").arg(check.address);
    return check.address >= MemoryImage::EepromBase
               ? QStringLiteral("EEPROM %1").arg(check.address - MemoryImage::EepromBase)
               : QStringLiteral("RAM %1").arg(check.address);
}

QJsonValue verdictJson(const WriteCheck& check) {
    if (check.result == WriteCheck::Result::NotChecked)
        return QJsonValue::Null;
    if (check.result == WriteCheck::Result::Verified)
        return true;
    if (check.result == WriteCheck::Result::Differs)
        return addressText(check);
    return false;
}

} // namespace

QString verdictText(const WriteCheck& check) {
    switch (check.result) {
    case WriteCheck::Result::Verified:
        return QStringLiteral("verified");
    case WriteCheck::Result::Differs:
        return QStringLiteral("differs at ") + addressText(check);
    case WriteCheck::Result::ReadFailed:
        return QStringLiteral("read-back failed");
    case WriteCheck::Result::NotChecked:
        break;
    }
    return QStringLiteral("not verified");
}

QByteArray printWrites(const std::vector<WrittenRow>& rows, const WriteCheck& check,
                       OutputFormat format) {
    if (format == OutputFormat::Json) {
        QJsonArray writes;
        for (const WrittenRow& row : rows)
            writes.append(QJsonObject{{QStringLiteral("number"), row.number},
                                      {QStringLiteral("name"), row.name},
                                      {QStringLiteral("old"), row.old},
                                      {QStringLiteral("new"), row.now},
                                      {QStringLiteral("unit"), row.unit},
                                      {QStringLiteral("verified"), verdictJson(check)}});
        return QJsonDocument(QJsonObject{{QStringLiteral("writes"), writes}})
            .toJson(QJsonDocument::Indented);
    }
    QString out;
    for (const WrittenRow& row : rows)
        out += QStringLiteral("%1: %2 -> %3 %4, %5\n")
                   .arg(row.name, row.old, row.now, row.unit, verdictText(check));
    return out.toUtf8();
}

// The exit code of a write's read-back; a failure says on standard error what went wrong.
int checkExit(const WriteCheck& check) {
    switch (check.result) {
    case WriteCheck::Result::Differs:
        printError(QStringLiteral("verification failed at %1: wrote %2, the %3 holds %4")
                       .arg(addressText(check))
                       .arg(check.written)
                       .arg(check.write == PacedWrite::AlarmUnit ? QStringLiteral("unit")
                                                                 : QStringLiteral("controller"))
                       .arg(check.found));
        return WriteExit::Failed;
    case WriteCheck::Result::ReadFailed:
        printError(QStringLiteral("verification failed: the read-back did not complete"));
        return WriteExit::Failed;
    case WriteCheck::Result::Verified:
    case WriteCheck::Result::NotChecked:
        break;
    }
    return WriteExit::Done;
}

QString writeStartText(WriteStart start) {
    switch (start) {
    case WriteStart::Busy:
        return QStringLiteral("the link is busy");
    case WriteStart::PortNotOpen:
        return QStringLiteral("cannot open the port");
    case WriteStart::NoConnection:
        return QStringLiteral("no connection");
    case WriteStart::Started:
        break;
    }
    return {};
}

// Reads, then starts one write, then waits for its read-back. `startWrite` sends the write, or
// answers the exit code when it cannot; `finish` turns the read-back into the exit code.
int runWriteSession(ControllerLink& link, std::vector<int> readTypes,
                    const std::function<std::optional<int>()>& startWrite,
                    const std::function<int(const WriteCheck&)>& finish) {
    const auto begin = [&] {
        if (const std::optional<int> code = startWrite())
            QCoreApplication::exit(*code);
    };
    ReadRunner runner(link, std::move(readTypes));
    QObject::connect(&runner, &ReadRunner::progress,
                     [](int done, int total) { showProgress(done, total); });
    QObject::connect(&runner, &ReadRunner::finished, [&](bool complete, const QString& reason) {
        // The read-back is the write's own read, not one more of the runner's.
        QObject::disconnect(&link, nullptr, &runner, nullptr);
        if (!complete) {
            printError(reason);
            QCoreApplication::exit(WriteExit::Failed);
            return;
        }
        begin();
    });
    QObject::connect(&link, &ControllerLink::writeChecked,
                     [&](const WriteCheck& check) { QCoreApplication::exit(finish(check)); });
    QMetaObject::invokeMethod(&runner, &ReadRunner::start, Qt::QueuedConnection);
    return QCoreApplication::exec();
}
