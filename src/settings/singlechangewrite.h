#pragma once

#include "data/memoryimage.h"
#include "link/writeoperands.h"
#include "settings/calibration.h"

// The write of one committed row, prepared for the send button: settings with a non-volatile copy
// go to EEPROM (address RAM - 50; the lockout byte at 0) and then RAM, the others to RAM alone.
// For the amp-hours of setting 47 the caller has set AhValue.
void prepareSettingWrite(WriteOperands& write, int setting, const MemoryImage& image);

// A calibration byte goes to its EEPROM index and then RAM; channels 0..2 send the sign byte first.
void prepareCalibrationWrite(WriteOperands& write, int channel, CalibrationPart part,
                             const MemoryImage& image);
