#pragma once

#include <QString>

// Which window asked for a read.
enum class Requester { Window = 1, CalibrationButton = 3, MainWindow = 6, AlarmUnit = 7 };

// Why a read did or did not start.
enum class ReadStart {
    Started,
    Busy,           // another read or a transaction is open
    StartupPending, // the program has not finished starting
    Dialling,       // a modem dial is under way
    PortUnusable,   // the port would not open, or the modem has no connection
    NoSuchSequence, // the read type names no read sequence
};

// How a read sequence ended.
enum class ReadOutcome {
    Completed,
    Timeout,     // no reply after the last try at one address
    Mismatch,    // no two readings in a row agreed
    NoData,      // the device kept answering without a data byte
    PortLost,    // the port went away during the read
    CarrierLost, // the modem connection ended during the read
};

// What the program says when a read does not start, in the user's language; empty when it did.
// One text for every window and the command line, so a refusal reads the same everywhere.
QString readStartText(ReadStart start, int languageIndex);
