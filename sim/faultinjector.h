#pragma once

#include "sim/controllerconfig.h"
#include "sim/frame.h"
#include "sim/replychunk.h"

#include <QRandomGenerator>

namespace sim {

// Pause between the end of a frame and the first reply byte.
constexpr int TurnaroundMs = 5;
constexpr int LateDataMinMs = 150;
constexpr int LateDataMaxMs = 300;

// Turns a clean reply into what actually reaches the client over an unreliable line.
class FaultInjector {
public:
    FaultInjector(const FaultRates& rates, quint32 seed);

    QList<ReplyChunk> shape(const QByteArray& reply);
    // A write frame that the line loses before the controller hears it.
    bool losesWrite(const Frame& frame);

private:
    bool happens(double probability);
    void addNoise(QByteArray& reply);
    QList<ReplyChunk> split(const QByteArray& reply, bool lateData);

    FaultRates rates_;
    QRandomGenerator random_;
};

} // namespace sim
