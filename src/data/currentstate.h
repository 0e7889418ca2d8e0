#pragma once

#include "data/identity.h"
#include "data/memoryimage.h"
#include "data/units.h"

#include <QString>

// A current measured by the controller's own shunt and by the external one.
struct SplitAmps {
    Amps internal;
    Amps external;

    Amps total() const { return {internal.tenths + external.tenths}; }
};

// Today's whole amp-hours, counted by the internal and by the external shunt.
struct SplitAmpHours {
    int internal = 0;
    int external = 0;

    int total() const { return internal + external; }
};

enum class RegulationState { Boost, Equalise, Absorption, Float };

// The event conditions; a condition holds ("On") while its bit is clear.
struct EventConditions {
    bool start = true;
    bool stop = true;
    bool emod = true;
    bool tmod = true;
};

// Everything the current-state and status reads tell, as numbers with units and flags.
struct CurrentState {
    QString model; // model name and version, as "VX40 v2"
    int systemVoltageIndex = 0;
    RegulationState regulation = RegulationState::Boost;
    Volts battery;
    Volts todaysMinimum;
    Volts todaysMaximum;
    SplitAmps chargeCurrent;
    SplitAmps loadCurrent;
    SplitAmpHours chargeAmpHours;
    SplitAmpHours loadAmpHours;
    int stateOfChargePercent = 0;
    int temperatureCelsius = 0;

    // The status table.
    Hours clock;
    Hours floatStart;
    bool loadDisconnected = false;
    bool generatorRunning = false;
    bool lowVoltageAlarm = false;
    int daysSinceBoost = 0;
    int daysSinceEqualise = 0;
    int daysSinceGeneratorRun = 0;
    int pwmPercent = 0;
    Volts solar;
    bool night = false;
    int dayNightCounter = 0;
    bool eventControllerOn = false;
    EventConditions events;
};

// Decodes the identity first (it changes `identity`), then every value.
CurrentState decodeCurrentState(const MemoryImage& image, ControllerIdentity& identity);
