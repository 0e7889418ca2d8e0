#include "sim/linedriver.h"

namespace sim {

LineDriver::LineDriver(Controller& controller, PacedWriter::Sink sink, QObject* parent)
    : QObject(parent), controller_(controller), writer_(std::move(sink)) {
    connect(&driftTimer_, &QTimer::timeout, this, [this] { controller_.driftStep(); });
    driftTimer_.start(DriftIntervalMs);
}

} // namespace sim
