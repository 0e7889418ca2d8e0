#include "sim/faultinjector.h"

#include "sim/commandhandler.h"
#include "sim/randomstream.h"

namespace sim {

FaultInjector::FaultInjector(const FaultRates& rates, quint32 seed)
    : rates_(rates), random_(randomStream(seed, RandomStream::Faults)) {}

QList<ReplyChunk> FaultInjector::shape(const QByteArray& reply) {
    if (reply.isEmpty() || rates_.silent || happens(rates_.drop))
        return {};
    const bool isValue = reply.size() == 2 && static_cast<quint8>(reply.at(0)) == Status::Value;
    const bool lateData = isValue && happens(rates_.lateData);
    QByteArray onTheLine = reply;
    if (happens(rates_.noise))
        addNoise(onTheLine);
    return split(onTheLine, lateData);
}

bool FaultInjector::losesWrite(const Frame& frame) {
    const bool isWrite =
        frame.command == Command::WriteRam || frame.command == Command::WriteEeprom;
    return isWrite && happens(rates_.dropWrites);
}

bool FaultInjector::happens(double probability) {
    return probability > 0.0 && random_.generateDouble() < probability;
}

void FaultInjector::addNoise(QByteArray& reply) {
    const auto index = static_cast<qsizetype>(random_.bounded(static_cast<int>(reply.size())));
    const auto flipped = static_cast<char>(random_.bounded(1, 256)); // never leaves it unchanged
    reply[index] = static_cast<char>(reply.at(index) ^ flipped);
}

QList<ReplyChunk> FaultInjector::split(const QByteArray& reply, bool lateData) {
    if (!lateData)
        return {{TurnaroundMs, reply}};
    const int delay = random_.bounded(LateDataMinMs, LateDataMaxMs + 1);
    return {{TurnaroundMs, reply.left(1)}, {delay, reply.mid(1)}};
}

} // namespace sim
