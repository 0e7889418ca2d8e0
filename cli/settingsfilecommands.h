#pragma once

#include "readcommands.h"

#include "link/controllerlink.h"

#include <QString>

// "backup FILE": reads every settings page and the calibration, then saves the whole memory
// image as a settings file. Exit 0, 1 when the port or a read fails, 2 when the file cannot
// be written (checked before the controller is read).
int runBackup(ControllerLink& link, const QString& path);

// "diff FILE": reads every settings page and the calibration and prints what differs from the
// file. Exit 0 when nothing does, 3 when something does, 1 when the port or a read fails, 2 for
// a file that is no settings file (checked before the controller is read).
int runDiff(ControllerLink& link, const QString& path, OutputFormat format);

// What both commands read: the five settings pages, then the calibration.
std::vector<int> settingsAndCalibrationReadTypes();
