#pragma once

#include "common/statuspanels.h"
#include "data/memoryimage.h"
#include "link/linkports.h"
#include "link/linkstate.h"
#include "link/readsequences.h"
#include "link/tracelog.h"
#include "link/transactionengine.h"
#include "platform/wallclock.h"

// The controller link put together on two ports: the program-wide link state, the memory
// image it fills, the engine and the read sequences. The program and the command line own one.
class ControllerLink {
public:
    ControllerLink(SerialPort& direct, SerialPort& modem, const WallClock& clock)
        : ports(direct, modem, state, status, trace, clock),
          engine(ports, state, image, alarmImage, log, status),
          reads(engine, ports, state, valid, log, status, trace) {}

    LinkState state;
    StatusPanels status;
    TraceLog trace;
    MemoryImage image;
    AlarmUnitImage alarmImage;
    DataValidFlags valid;
    LogReadFlags log;
    LinkPorts ports;
    TransactionEngine engine;
    ReadSequencer reads;

    // Starts a read sequence of the given type for a window.
    bool startRead(int readType, Requester requester) { return reads.Getdata(requester, readType); }
};
