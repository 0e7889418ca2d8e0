#pragma once

#include "data/memoryimage.h"

// The raw value of a setting: its byte, nibble, masked bits or 16-bit pair.
int settingRaw(int setting, const MemoryImage& image);
// Stores a raw value at the setting's place; the other nibble of a shared byte is kept.
void storeSettingRaw(int setting, int value, MemoryImage& image);

// The controller modes that choose how other settings read.
int startMode(const MemoryImage& image);     // STRT, low nibble of 90
int stopMode(const MemoryImage& image);      // STOP, high nibble of 90
int tmodNibble(const MemoryImage& image);    // TMOD, high nibble of 91
int generatorMode(const MemoryImage& image); // bits 0..1 of 92

// Battery capacity code to amp-hours: 20 Ah steps below code 50, 100 Ah steps from there.
int batteryCapacityAh(int code);
