#pragma once

#include "data/memoryimage.h"

#include <QString>

// Raw voltage bytes scale by numerator / denominator (integer division) into tenths of a volt.
struct VoltageScale {
    int numerator = 1;
    int denominator = 1;

    int apply(int raw) const { return raw * numerator / denominator; }
};

// The scale of a nominal system voltage code (bits 0..2 of address 93 or of the history block).
VoltageScale voltageScaleForCode(int code);

// The nominal system voltage 0..8 (12, 24, 32, 36, 48, 96, 108, 120, 136 V) from byte 0 and the
// code at address 93; 6 is never decoded.
int systemVoltageIndex(const MemoryImage& image);
// From 96 V up the controller counts every voltage in whole volts instead of tenths.
constexpr bool isWholeVoltSystem(int systemVoltageIndex) {
    return systemVoltageIndex >= 5;
}
// "12V" .. "120V", and "136" as the controller's own table has it.
QString nominalVoltageText(int systemVoltageIndex);
int nominalVolts(int systemVoltageIndex);

// What the controller is, decoded from byte 0 (model and version) and address 93 (nominal
// system voltage code), with the scales that turn raw bytes into volts and amps.
struct ControllerIdentity {
    QString ModelName = QStringLiteral("VX20");
    int version = 0;
    QString ModelText = QStringLiteral("VX20 v0");
    int chargeCurrentMultiplier = 1;
    int loadCurrentMultiplier = 1;
    int AlarmUnitVariant = 0;
    int SystemVoltageIndex = 0;
    int VoltageScaleNumerator = 1;
    int VoltageScaleDenominator = 1;

    // Sets the model, multipliers and the nominal voltage from the image; the load multiplier
    // and the alarm-unit variant keep their values where the model table leaves them.
    void decode(const MemoryImage& image);

    bool wholeVoltSystem() const { return isWholeVoltSystem(SystemVoltageIndex); }
    int scaleVoltage(int raw) const {
        return raw * VoltageScaleNumerator / VoltageScaleDenominator;
    }
};

// 1, 2 or 4 from bits 4..5 of address 32; only the instantaneous battery voltage uses it.
int batteryVoltageFactor(const MemoryImage& image);
// Instantaneous battery voltage in tenths (or whole volts in whole-volt systems).
int batteryVoltage(const MemoryImage& image);
