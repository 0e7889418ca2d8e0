#include "readrunner.h"

ReadRunner::ReadRunner(ControllerLink& link, std::vector<int> readTypes, QObject* parent)
    : QObject(parent), link_(link), readTypes_(std::move(readTypes)) {
    for (const int type : readTypes_)
        total_ += readCount(type);
    connect(&link_.reads, &ReadSequencer::readStepped, this,
            [this] { emit progress(++done_, total_); });
    connect(&link_.reads, &ReadSequencer::readDone, this, &ReadRunner::onReadDone);
    connect(&link_.engine, &TransactionEngine::commFailed, this, [this] {
        portOpened_ = false;
        const QString reason = link_.ports.Comport1.errorString();
        emit finished(false,
                      reason.isEmpty() ? QStringLiteral("the port cannot be opened") : reason);
    });
    connect(&link_.ports.Comport1, &SerialPort::portFailed, this,
            [this](const QString& reason) { portFailure_ = reason; });
}

void ReadRunner::start() {
    startNext();
}

void ReadRunner::startNext() {
    const int type = readTypes_.at(next_++);
    // Refusals (busy, start-up) cannot happen here; a port that will not open reports itself.
    link_.startRead(type, Requester::Window);
}

void ReadRunner::onReadDone(int readType, bool failed) {
    if (failed) {
        emit finished(false, failureReason(readType));
        return;
    }
    // The next read starts once the engine has finished the tick that ended this one.
    if (next_ < readTypes_.size())
        QMetaObject::invokeMethod(this, &ReadRunner::startNext, Qt::QueuedConnection);
    else
        emit finished(true, {});
}

QString ReadRunner::failureReason(int readType) const {
    const auto& engine = link_.engine.state;
    const int address = readAddress(readType, engine.ReadNum);
    QString why;
    switch (engine.lastFailure) {
    case ReadFailure::Timeout:
        why = QStringLiteral("no reply after %1 tries").arg(TransactionEngine::TimeoutsPerAddress);
        break;
    case ReadFailure::Mismatch:
        why = QStringLiteral("no two readings agreed in %1").arg(MatchState::LastSlot + 1);
        break;
    case ReadFailure::NoData:
        why = QStringLiteral("%1 replies in a row without a data byte")
                  .arg(TransactionEngine::MaxNoDataReplies);
        break;
    case ReadFailure::None:
        why = QStringLiteral("the read stopped");
        break;
    }
    if (!portFailure_.isEmpty())
        why += QStringLiteral(" (%1)").arg(portFailure_);
    return QStringLiteral("read failed at address %1: %2").arg(address).arg(why);
}
