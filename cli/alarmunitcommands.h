#pragma once

#include "cliarguments.h"
#include "readcommands.h"

#include "link/controllerlink.h"

// "read alarm": the alarm unit's nine values as the programmer's grid shows them, with the
// checksum verdict; the current state is read first, as its model byte tells the unit's variant.
std::vector<int> alarmUnitReadTypes();
QByteArray printAlarmUnit(const ReadResult& result, OutputFormat format);

// "write alarm ROW=VALUE ...": reads the unit, enters each VALUE as typing it into the grid
// would, writes the unit's bytes and reads them back.
int runWriteAlarmUnit(ControllerLink& link, const CliArguments& args);
