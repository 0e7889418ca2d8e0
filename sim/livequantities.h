#pragma once

#include "sim/controllerprofile.h"

#include <QList>

namespace sim {

// A RAM byte that wanders between bounds while the controller runs.
struct LiveQuantity {
    int address;
    int initial;
    int low;
    int high;
};

QList<LiveQuantity> liveQuantities(const SystemProfile& system);

} // namespace sim
