#pragma once

#include "link/controllerlink.h"

#include <QString>
#include <functional>

// "--dial": the command runs over a modem call on the port.
struct DialRequest {
    QString number; // empty: no dial, the port is the direct cable
    bool pulse = false;
    QString setupString = DialSettings{}.ModemSetString;
    int pathDelay = LinkState{}.pathTimeDelay; // ticks between reply polls over the modem
};

// Up to 16 digits, as the dial panel takes them.
bool isDialNumber(const QString& number);

// Sends the set-up string, dials and waits for the connection (60 s at most), runs the command,
// then hangs up. Returns the command's exit code, or 1 when no connection came about (the reason,
// such as the modem's "BUSY", on standard error).
int runDialled(ControllerLink& link, const DialRequest& dial, const std::function<int()>& command);
