#pragma once

#include "data/memoryimage.h"

#include <QString>

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

    bool wholeVoltSystem() const { return SystemVoltageIndex >= 5; }
    int scaleVoltage(int raw) const {
        return raw * VoltageScaleNumerator / VoltageScaleDenominator;
    }
    QString nominalVoltageText() const;
};

// 1, 2 or 4 from bits 4..5 of address 32; only the instantaneous battery voltage uses it.
int batteryVoltageFactor(const MemoryImage& image);
// Instantaneous battery voltage in tenths (or whole volts in whole-volt systems).
int batteryVoltage(const MemoryImage& image);
