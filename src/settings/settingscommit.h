#pragma once

#include "data/identity.h"
#include "data/memoryimage.h"
#include "link/writeoperands.h"
#include "settings/calibration.h"

#include <QString>
#include <optional>

// What committing a settings value cell did.
struct SettingCommit {
    bool accepted = false;   // the image holds the new value
    bool sendArmed = false;  // a single-change write is prepared
    bool redrawPage = false; // other rows of the page now read differently
};

// Commits the text of a settings row: toggled rows and the reset row as they stand, the others
// through the typed value. An invalid entry still prepares the unchanged value (sending it
// rewrites what the controller has), except for the state of charge, whose amp-hours the
// controller was never asked for.
SettingCommit commitSetting(int setting, const QString& text, MemoryImage& image,
                            const ControllerIdentity& identity, WriteOperands& write);

// Commits a typed gain or offset; the value stored, or nothing when the entry was refused.
std::optional<int> commitCalibration(int channel, CalibrationPart part, const QString& text,
                                     MemoryImage& image, WriteOperands& write);
