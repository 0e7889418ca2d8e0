#include "sendcommand.h"

#include "readrunner.h"
#include "terminal.h"

#include "link/historytestdata.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr int English = 0;
constexpr int Done = 0, Failed = 1;

QByteArray printReply(const SingleReply& reply, const CliArguments& args) {
    const QString line =
        sendReplyLine(reply, args.hex ? NumberKind::Hexadecimal : NumberKind::Decimal);
    if (args.format == OutputFormat::Json)
        return QJsonDocument(QJsonObject{{QStringLiteral("reply"), line},
                                         {QStringLiteral("status"), reply.status}})
                   .toJson(QJsonDocument::Compact) +
               '\n';
    return line.toUtf8() + '\n';
}

QString failureText(ReadOutcome outcome) {
    return outcome == ReadOutcome::PortLost ? QStringLiteral("the port was lost")
                                            : QStringLiteral("no reply from the controller");
}

// The fills count their writes down; the others are over at their first reply.
void showFillProgress(const ControllerLink& link) {
    const int total = HistoryTestData::FillWrites - 1;
    showProgress(total - link.readState().ReadNum, total, "Writing");
}

} // namespace

QString sendReplyLine(const SingleReply& reply, NumberKind kind) {
    const QString shown = reply.text(kind, English);
    if (reply.caption == SingleReply::Caption::Reply)
        return shown;
    return reply.captionText(English) + QLatin1Char(' ') + shown;
}

int runSend(ControllerLink& link, const CliArguments& args) {
    QObject::connect(&link, &ControllerLink::singleReplied, [&](const SingleReply& reply) {
        // The new site number is on its way; a broken exchange ends as a failure below.
        if (reply.shown == SingleReply::Shown::SendingSite ||
            reply.shown == SingleReply::Shown::Failed)
            return;
        writeOutput(printReply(reply, args));
        QCoreApplication::exit(reply.caption == SingleReply::Caption::Error ? Failed : Done);
    });
    QObject::connect(&link, &ControllerLink::readEnded, [](int readType, ReadOutcome outcome) {
        if (readType != ReadKind::Single || outcome == ReadOutcome::Completed)
            return;
        printError(failureText(outcome));
        QCoreApplication::exit(Failed);
    });
    QObject::connect(&link, &ControllerLink::readStepped, [&link] { showFillProgress(link); });
    QMetaObject::invokeMethod(
        &link,
        [&] {
            const ReadStart start = link.sendSingle(args.single, args.address, args.data);
            if (start == ReadStart::Started)
                return;
            printError(readRefusalText(link, start));
            QCoreApplication::exit(Failed);
        },
        Qt::QueuedConnection);
    return QCoreApplication::exec();
}
