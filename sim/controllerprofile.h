#pragma once

#include "sim/controllerconfig.h"

#include <QStringView>
#include <optional>

namespace sim {

// The firmware version every simulated controller reports in its identity byte.
constexpr int FirmwareVersion = 3;

struct ModelProfile {
    Model model;
    const char* name;
    int identityBase;          // identity byte = base + version
    int chargeMultiplier;      // tenths of an amp per raw step of the internal charge current
    int loadMultiplier;        // tenths of an amp per raw step of the internal load current
    int chargeLimit;           // the largest charge current limit the model accepts, half-amps
    bool loadShuntInWholeAmps; // its external load shunt counts whole amps, not tenths
};

// Voltages are in tenths of a volt, or whole volts on the high-voltage variant.
struct SystemProfile {
    SystemVoltage system;
    const char* name;
    int code;          // low bits of the system voltage byte
    int batteryFactor; // multiplier of the instantaneous battery voltage, 1, 2 or 4
    int scaleNumerator;
    int scaleDenominator;
    int restingVoltage; // battery voltage the simulated battery hovers around
    int solarRaw;       // solar input byte for a sunny afternoon
};

const ModelProfile& modelProfile(Model model);
const SystemProfile& systemProfile(SystemVoltage system);
std::optional<Model> modelNamed(QStringView name);
std::optional<SystemVoltage> systemNamed(QStringView name);

// The high-voltage systems exist only as a VX60.
Model effectiveModel(const ControllerConfig& config);
quint8 identityByte(const ControllerConfig& config);
// Both external shunts fitted; the load shunt in whole amps where the model counts so.
quint8 shuntConfigByte(const ControllerConfig& config);

} // namespace sim
