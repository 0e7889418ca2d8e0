#include "sim/linedriver.h"

namespace sim {

LineDriver::LineDriver(Controller& controller, PacedWriter::Sink sink, QObject* parent)
    : QObject(parent), controller_(controller), writer_(std::move(sink)) {
    connect(&driftTimer_, &QTimer::timeout, this, [this] { controller_.driftStep(); });
    driftTimer_.start(DriftIntervalMs);
}

void LineDriver::setBaud(int baud) {
    writer_.setBaud(baud);
    if (modem_ != nullptr)
        modem_->setBaud(baud);
}

void LineDriver::receive(const QByteArray& bytes) {
    if (modem_ != nullptr)
        modem_->receive(bytes);
    else // the controller hears the bytes once they have crossed the line
        writer_.enqueue(controller_.receive(bytes), writer_.wireNs(bytes.size()));
}

void LineDriver::putModemInFront(HayesModem& modem) {
    modem_ = &modem;
    modem.setSend([this](const QList<ReplyChunk>& chunks) { writer_.enqueue(chunks); });
}

} // namespace sim
