#pragma once

#include "sim/controllerconfig.h"
#include "sim/controllermemory.h"
#include "sim/faultinjector.h"
#include "sim/frame.h"
#include "sim/framereader.h"
#include "sim/livedrift.h"
#include "sim/replychunk.h"
#include "sim/siteinterface.h"

#include <QList>

namespace sim {

// One simulated charge controller (or alarm unit) on the line, without any transport or timer:
// bytes from the client go in, reply bytes with the pauses before them come out.
class Controller {
public:
    explicit Controller(const ControllerConfig& config);

    QList<ReplyChunk> receive(const QByteArray& bytes);

    // One small change of the live values; nothing when drift is off.
    void driftStep();

    quint8 imageByte(int index) const { return memory_.imageByte(index); }
    void setImageByte(int index, quint8 value) { memory_.setImageByte(index, value); }
    QByteArray image() const { return memory_.image(); }

    // Every whole frame on the line, in order, those for other sites and lost writes included.
    const QList<Frame>& frames() const { return frames_; }
    void clearFrames() { frames_.clear(); }

    // The configuration; its site follows the site interface.
    const ControllerConfig& config() const { return config_; }

private:
    bool isForMe(const Frame& frame) const { return frame.site == config_.site; }
    bool isAlarmUnit() const { return config_.model == Model::VXA; }
    QByteArray execute(const Frame& frame);

    ControllerConfig config_;
    ControllerMemory memory_;
    FrameReader reader_;
    FaultInjector faults_;
    LiveDrift drift_;
    SiteInterface siteInterface_;
    QList<Frame> frames_;
};

} // namespace sim
