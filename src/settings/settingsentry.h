#pragma once

#include "data/identity.h"
#include "data/memoryimage.h"

#include <QString>
#include <optional>

// What applying a typed value did.
struct EntryResult {
    bool accepted = false;
    // Setting 47: the state-of-charge amp-hours of the new percentage and the battery capacity.
    std::optional<int> ampHours;
};

// Reads, converts, clamps and stores a typed value of a setting that takes a number. An invalid
// entry stores nothing; values out of range are clamped without a word.
EntryResult applyEntry(int setting, const QString& text, MemoryImage& image,
                       const ControllerIdentity& identity);

// The number as typed: '-' and digits up to the first '.', then one fraction digit appended for
// settings held in tenths (truncated, never rounded); negatives become 0. Nothing for text that
// is no number, whose point is followed by anything but a digit, or that makes the reserved
// 30000.
std::optional<int> readEnteredNumber(int setting, const QString& text,
                                     const ControllerIdentity& identity);

// Settings 3, 4 and 40 flip their bit and setting 8 steps the regulator state, in the image, as
// soon as their editor opens.
bool togglesOnEdit(int setting);
void toggleSetting(int setting, MemoryImage& image);

// False for the rows committed without a number: the toggled ones and the processor reset.
bool takesNumber(int setting);

// After an accepted entry of these settings the other rows of the page read differently.
bool entryRedrawsPage(int setting);
