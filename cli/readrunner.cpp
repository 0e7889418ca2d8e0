#include "readrunner.h"

#include "link/portfailuretexts.h"

namespace {
constexpr int EnglishLanguage = 0;
}

ReadRunner::ReadRunner(ControllerLink& link, std::vector<int> readTypes, QObject* parent)
    : QObject(parent), link_(link), readTypes_(std::move(readTypes)) {
    for (const int type : readTypes_)
        total_ += readCount(type);
    connect(&link_, &ControllerLink::readStepped, this, [this] { emit progress(++done_, total_); });
    connect(&link_, &ControllerLink::readEnded, this, &ReadRunner::onReadEnded);
    connect(&link_.ports.Comport1, &SerialPort::portFailed, this,
            [this](const PortFailure& failure) {
                portFailure_ = portFailureText(failure, EnglishLanguage);
            });
}

void ReadRunner::start() {
    startNext();
}

void ReadRunner::startNext() {
    const ReadStart start = link_.startRead(readTypes_.at(next_++), Requester::Window);
    if (start == ReadStart::Started)
        return;
    portOpened_ = start != ReadStart::PortUnusable;
    emit finished(false, readRefusalText(link_, start));
}

void ReadRunner::onReadEnded(int, ReadOutcome outcome) {
    if (outcome != ReadOutcome::Completed) {
        emit finished(false, failureReason(outcome));
        return;
    }
    // The next read starts once the engine has finished the tick that ended this one.
    if (next_ < readTypes_.size())
        QMetaObject::invokeMethod(this, &ReadRunner::startNext, Qt::QueuedConnection);
    else
        emit finished(true, {});
}

// The program's own text for a refusal, with what the system said about the port.
QString readRefusalText(const ControllerLink& link, ReadStart start) {
    const QString why = readStartText(start, EnglishLanguage);
    const QString portError = portFailureText(link.ports.Comport1.failure(), EnglishLanguage);
    if (start != ReadStart::PortUnusable || portError.isEmpty())
        return why;
    return QStringLiteral("%1: %2").arg(why, portError);
}

QString ReadRunner::failureReason(ReadOutcome outcome) const {
    QString why;
    switch (outcome) {
    case ReadOutcome::Timeout:
        why = QStringLiteral("no reply after %1 tries").arg(TransactionEngine::TimeoutsPerAddress);
        break;
    case ReadOutcome::Mismatch:
        why = QStringLiteral("no two readings agreed in %1").arg(MatchState::LastSlot + 1);
        break;
    case ReadOutcome::NoData:
        why = QStringLiteral("%1 replies in a row without a data byte")
                  .arg(TransactionEngine::MaxNoDataReplies);
        break;
    case ReadOutcome::PortLost:
        why = QStringLiteral("the port was lost");
        break;
    case ReadOutcome::CarrierLost:
        why = QStringLiteral("the modem lost the carrier");
        break;
    case ReadOutcome::Completed:
        break;
    }
    if (!portFailure_.isEmpty())
        why += QStringLiteral(" (%1)").arg(portFailure_);
    return QStringLiteral("read failed at address %1: %2")
        .arg(link_.readState().address())
        .arg(why);
}
