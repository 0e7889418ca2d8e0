#pragma once

#include "data/identity.h"
#include "data/memoryimage.h"

#include <QString>
#include <QStringList>
#include <array>

// Everything the current-state view shows, decoded from the image in one go.
struct CurrentStateTexts {
    QString Typelab, nomvlab, Statelab, soclab;
    QString Chargelab, Chargelab2, Loadlab, Loadlab2;
    QString batvlab, maxminlab;
    QString Camphrlab, camphrlab2, Lamphrlab, lamphrlab2;
    QString templab;
    // The voltages of batvlab and maxminlab without their units and separators.
    QString batteryVoltageText, minimumVoltageText, maximumVoltageText;
    // Status table column 1, rows 1..17 (index 0 is row 1).
    std::array<QString, 17> statusValues;
    // Charge current, load current, charge Ah, load Ah: title, tab, total and unit, tab,
    // internal text, tab, external text.
    QStringList CurrentSummaryLines;
    // Total, internal and external text of charge current, load current, charge Ah, load Ah.
    QStringList CurrentValueTexts;
};

// Decodes the identity first (it changes `identity`), then every text.
CurrentStateTexts decodeCurrentState(const MemoryImage& image, ControllerIdentity& identity,
                                     int languageIndex);

// Amp-hours and currents, for those that want the numbers rather than the texts.
struct CurrentReadings {
    int chargeInternal, chargeExternal; // tenths of an amp
    int loadInternal, loadExternal;
    int chargeAhInternal, chargeAhExternal; // whole Ah
    int loadAhInternal, loadAhExternal;
};
CurrentReadings currentReadings(const MemoryImage& image, const ControllerIdentity& identity);
