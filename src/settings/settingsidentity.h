#pragma once

#include "data/identity.h"

// The identity as the settings view derives it each time it draws a page: the same decode as the
// current state's, except that byte 0 in 96..127 is a VX20 (an alarm unit has no settings pages,
// and its variant flag is left alone) and the load-current multiplier is only set for the
// high-voltage models (byte 0 in 240..249).
void deriveSettingsIdentity(const MemoryImage& image, ControllerIdentity& identity);
