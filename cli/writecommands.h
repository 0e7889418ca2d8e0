#pragma once

#include "cliarguments.h"

#include "link/controllerlink.h"

// "write setting NUMBER|NAME VALUE": reads the setting's page, enters VALUE as the settings
// window would, sends the change and reads back what it wrote.
int runWriteSetting(ControllerLink& link, const CliArguments& args);

// "write calibration ROW gain|offset VALUE": the same for a calibration value.
int runWriteCalibration(ControllerLink& link, const CliArguments& args);

// "program FILE": sends the whole settings list of a settings file and reads it back.
int runProgram(ControllerLink& link, const CliArguments& args);

// Exit codes: 0 written (and verified unless --no-verify), 1 a port, read or verification
// failure, 2 bad arguments, a refused value or a bad file.
