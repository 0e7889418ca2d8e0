#pragma once

#include "sim/controllerconfig.h"
#include "sim/hayesmodem.h"
#include "sim/linespeed.h"

#include <QString>
#include <QStringList>
#include <variant>

namespace sim {

struct SimOptions {
    ControllerConfig controller;
    int baud = DefaultBaud;
    bool baudGiven = false;
    QString linkPath;
    int tcpPort = -1;   // -1: a pseudo-terminal instead
    bool modem = false; // a Hayes modem in front of the controller
    ModemConfig modemConfig;
};

// --help or --version: the text to print, and nothing else to do.
struct TextRequested {
    QString text;
};

struct BadArguments {
    QString message;
};

std::variant<SimOptions, TextRequested, BadArguments> parseSimOptions(const QStringList& arguments);

} // namespace sim
