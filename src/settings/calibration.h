#pragma once

#include "common/texts.h"
#include "data/memoryimage.h"

#include <QString>
#include <array>
#include <optional>

// The eight measuring channels, each corrected by a gain and an offset. Channels 0..2 (the three
// voltage ranges) keep both in the nibbles of one byte with their signs in byte 33; channels
// 3..7 have a byte each.
constexpr int CalibrationChannelCount = 8;

inline constexpr std::array<TextRow, CalibrationChannelCount> CalibrationChannelNames{{
    {"12V Voltage Range", "12V Tension", "12V 电压范围", "12 V Spannungsbereich"},
    {"24V Voltage Range", "24V Tension", "24V 电压范围", "24 V Spannungsbereich"},
    {"48V Voltage Range", "48V Tension", "48V 电压范围", "48 V Spannungsbereich"},
    {"Charge Current", "Courant Recharger", "充电电流", "Ladestrom"},
    {"Load Current", "Courant Utilite", "放电电流", "Laststrom"},
    {"Battery Temperature", "Temperature de Pile", "电池温度", "Batterietemperatur"},
    {"Solar Voltage", "Tension Solar", "光阵电压", "Solarspannung"},
    {"B- Sense", "B- Sense", "外接B-探头", "B- Eingang"},
}};

enum class CalibrationPart { Gain, Offset };

int calibrationGain(const MemoryImage& image, int channel);
int calibrationOffset(const MemoryImage& image, int channel);
int calibrationValue(const MemoryImage& image, int channel, CalibrationPart part);

// " 5" and " 0" with a leading space, "-3" without.
QString calibrationText(int value);

// RAM address of a calibration byte by its non-volatile index 0..13.
int calibrationRamAddress(int nonVolatileIndex);
// The non-volatile index of the byte that holds a channel's gain or offset.
int calibrationIndex(int channel, CalibrationPart part);

// Store a typed gain (clamped to its range) or offset (refused out of range) into the image,
// with the sign bit of channels 0..2. Returns the value stored, or nothing for an invalid entry.
std::optional<int> storeCalibrationGain(MemoryImage& image, int channel, const QString& text);
std::optional<int> storeCalibrationOffset(MemoryImage& image, int channel, const QString& text);
