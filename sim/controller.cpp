#include "sim/controller.h"

#include "sim/alarmunitmemory.h"
#include "sim/commandhandler.h"
#include "sim/factorysettings.h"
#include "sim/history.h"
#include "sim/livestate.h"

namespace sim {

Controller::Controller(const ControllerConfig& config)
    : config_(config), reader_(config.site >= 0), faults_(config.faults, config.seed),
      drift_(config) {
    fillFactorySettings(config_, memory_);
    fillLiveState(config_, memory_);
    fillHistory(config_, memory_);
    if (isAlarmUnit())
        fillAlarmUnitMemory(config_, memory_);
}

QList<ReplyChunk> Controller::receive(const QByteArray& bytes) {
    QList<ReplyChunk> replies;
    for (const Frame& frame : reader_.feed(bytes)) {
        frames_.append(frame);
        if (isForMe(frame) && !faults_.losesWrite(frame))
            replies.append(faults_.shape(execute(frame)));
    }
    return replies;
}

QByteArray Controller::execute(const Frame& frame) {
    if (config_.siteInterface)
        if (const auto reply = siteInterface_.take(frame, config_.site))
            return *reply;
    return executeFrame(frame, memory_, !isAlarmUnit());
}

void Controller::driftStep() {
    if (config_.drift)
        drift_.step(memory_);
}

} // namespace sim
