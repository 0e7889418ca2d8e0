#pragma once

#include "sim/controllerconfig.h"
#include "sim/controllermemory.h"
#include "sim/controllerprofile.h"
#include "sim/livequantities.h"

#include <QRandomGenerator>

namespace sim {

// Moves one live value by one small step at a time, as a running controller's readings change
// between two visits of the client.
class LiveDrift {
public:
    explicit LiveDrift(const ControllerConfig& config);

    void step(ControllerMemory& memory);

private:
    void wander(const LiveQuantity& quantity, ControllerMemory& memory);
    void countAmpHour(ControllerMemory& memory);

    const SystemProfile& system_;
    QList<LiveQuantity> quantities_;
    QRandomGenerator random_;
};

} // namespace sim
