#pragma once

#include "link/controllerlink.h"
#include "platform/qt/qtserialport.h"
#include "platform/qt/qtticktimer.h"
#include "sim/controller.h"
#include "sim/ptyline.h"

#include <cstdio>

// A simulated controller on a pseudo-terminal, steady unless told otherwise, and a link on the
// real serial stack leading to it, at one baud rate, ready to read or write.
class BenchLine {
public:
    explicit BenchLine(int baud, const sim::ControllerConfig& config = steadyController())
        : controller_(config), line_(controller_, sim::PtyOptions{baud, false, {}}),
          direct_(timers_, ports_), modem_(timers_, ports_), link(direct_, modem_, clock_) {
        link.ports.baudIndex =
            static_cast<int>(LinkPorts::BaudTexts.indexOf(QString::number(baud)));
        link.state.StartupPending = false;
    }

    // False, with the reason on standard error, when the pseudo-terminal cannot be opened.
    bool open() {
        if (!line_.open()) {
            std::fprintf(stderr, "cannot open the simulated line: %s\n",
                         qPrintable(line_.errorString()));
            return false;
        }
        ports_.setDevice(1, line_.devicePath());
        return true;
    }

    // Live values that hold still, so what is read can be compared with what it holds.
    static sim::ControllerConfig steadyController() {
        sim::ControllerConfig config;
        config.drift = false;
        return config;
    }

    sim::Controller& controller() { return controller_; }

private:
    sim::Controller controller_;
    sim::PtyLine line_;
    QtTickTimerSource timers_;
    PortMap ports_;
    QtSerialPort direct_;
    QtSerialPort modem_;
    SystemWallClock clock_;

public:
    ControllerLink link;
};
