#pragma once

#include "sim/controller.h"
#include "sim/ptyline.h"

#include <QString>

// A simulated controller of the given model ("vx20" .. "vx80") on a 24 V system, behind a
// pseudo-terminal in this process, for trying the program without hardware.
class SimulatedController {
public:
    explicit SimulatedController(const QString& model);

    // False when no pseudo-terminal could be had; errorString() says why.
    bool open() { return line_.open(); }
    QString devicePath() const { return line_.devicePath(); }
    QString errorString() const { return line_.errorString(); }
    const sim::Controller& controller() const { return controller_; }

private:
    sim::Controller controller_;
    sim::PtyLine line_;
};
