#pragma once

#include "sim/controller.h"
#include "sim/ptyline.h"

#include <QList>

// A simulated controller behind a pseudo-terminal, for the program's real serial port.
struct SimulatedLine {
    sim::Controller controller;
    sim::PtyLine line;
    explicit SimulatedLine(const sim::ControllerConfig& config, int baud = 2400)
        : controller(config), line(controller, sim::PtyOptions{baud, false, {}}) {}
};

// A controller whose values hold still, so what is read can be compared with what it holds.
inline sim::ControllerConfig steadyConfig(sim::Model model, sim::SystemVoltage system,
                                          int site = -1) {
    sim::ControllerConfig config;
    config.model = model;
    config.system = system;
    config.site = site;
    config.drift = false;
    config.seed = 7;
    return config;
}

// Which image address each read frame asked for, in order.
inline QList<int> addressesRead(const sim::Controller& controller) {
    QList<int> out;
    for (const auto& frame : controller.frames()) {
        if (frame.command == sim::Command::ReadRam)
            out << frame.address;
        else if (frame.command == sim::Command::ReadEeprom)
            out << frame.address + 256;
    }
    return out;
}
