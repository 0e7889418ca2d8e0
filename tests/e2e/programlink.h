#pragma once

#include "link/controllerlink.h"
#include "platform/qt/qtserialport.h"
#include "platform/qt/qtticktimer.h"

// The program's link on its real serial port as direct port 1, pointed at a device path, with
// the start-up over.
struct ProgramLink {
    QtTickTimerSource timers;
    PortMap portMap;
    QtSerialPort direct{timers, portMap};
    QtSerialPort modem{timers, portMap};
    SystemWallClock clock;
    ControllerLink link{direct, modem, clock};

    // `baudIndex` as the port panel numbers the rates: 0 = 300 ... 3 = 9600.
    explicit ProgramLink(const QString& device, int baudIndex = 2) {
        pointAt(device);
        link.ports.DirectPortNumber = 1;
        link.ports.baudIndex = baudIndex;
        link.state.StartupPending = false;
    }
    void pointAt(const QString& device) { portMap.setDevice(1, device); }
};
