#pragma once

#include "link/controllerlink.h"
#include "platform/portmap.h"
#include "shell/shellstate.h"

#include <QStringList>

// The first argument "-debug", in any letter case, switches the debug mode on; a second
// argument does not count.
bool debugModeFromArguments(const QStringList& argumentsAfterProgram);

// Puts the values read at start-up where the program uses them: the link's ports, baud,
// language, site and path delay, the charge-current multiplier and the port devices.
void applyConfiguration(const ShellConfiguration& configuration, ControllerLink& link,
                        ControllerIdentity& identity, PortMap& portMap);
// The other way at close: what the user changed in the run goes back into the values to keep.
void collectConfiguration(ShellConfiguration& configuration, const ControllerLink& link,
                          const ControllerIdentity& identity, const PortMap& portMap);

// The shared working state at start: an empty image, nothing valid, the engine at rest.
void resetWorkingState(ControllerLink& link, ShellState& state);
// Both ports take their COM numbers, the direct port its baud; the link starts on the direct
// port and the status bar shows it.
void configurePorts(ControllerLink& link);
