#pragma once

#include <QtGlobal>

namespace sim {

// The VXA is the alarm unit that sits beside a controller.
enum class Model { VX20, VX40, VX60, VX80, VXA };

// The nominal battery system. HighVoltage is the whole-volt VX60 variant with its own identity
// bytes; the chosen model is then overridden.
enum class SystemVoltage { V12, V24, V32, V36, V48, HighVoltage };

// Line faults, each a probability 0..1 per reply; silent answers nothing at all. dropWrites is
// the share of write frames lost on their way in, so the controller never takes them.
struct FaultRates {
    double drop = 0.0;
    double noise = 0.0;
    double lateData = 0.0;
    bool silent = false;
    double dropWrites = 0.0;
};

// The settings the controller starts with: an installer's usual choices, or another set that
// differs in most of the settings kept in EEPROM (calibration and RAM-only values stay alike).
enum class SettingsProfile { Factory, Alternate };

struct ControllerConfig {
    Model model = Model::VX40;
    SystemVoltage system = SystemVoltage::V12;
    int site = -1;              // -1: plain frames; 0..240: site frames for this site only
    bool siteInterface = false; // a VXI in front takes the set-site exchange
    quint32 seed = 1;
    bool drift = true;
    SettingsProfile settings = SettingsProfile::Factory;
    FaultRates faults;
    int vxaVariant = 0;          // an alarm unit of the later variant (labels of the flag set)
    bool vxaBadChecksum = false; // the alarm unit's checksum byte does not match its bytes
};

} // namespace sim
