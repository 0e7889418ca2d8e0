#pragma once

#include "data/currentstate.h"

#include <QString>
#include <QStringList>
#include <array>

// Everything the current-state view shows, as the view shows it.
struct CurrentStateTexts {
    QString Typelab, nomvlab, Statelab, soclab;
    QString Chargelab, Chargelab2, Loadlab, Loadlab2;
    QString batvlab, maxminlab;
    QString Camphrlab, camphrlab2, Lamphrlab, lamphrlab2;
    QString templab;
    // Status table column 1, rows 1..17 (index 0 is row 1).
    std::array<QString, 17> statusValues;
    // Charge current, load current, charge Ah, load Ah: title, tab, total and unit, tab,
    // internal text, tab, external text.
    QStringList CurrentSummaryLines;
    // Total, internal and external text of charge current, load current, charge Ah, load Ah.
    QStringList CurrentValueTexts;
};

CurrentStateTexts currentStateTexts(const CurrentState& state, int language);

// The numbers of a split reading as the view writes them, without the "Int " and "Ext "
// prefixes: the internal current always in tenths, the others in whole amps above 99.9 A.
struct SplitTexts {
    QString total, internal, external;
};
SplitTexts splitTexts(const SplitAmps& amps);
SplitTexts splitTexts(const SplitAmpHours& ampHours);

// Whole volts on the whole-volt systems, tenths otherwise; no unit.
QString voltageText(const Volts& volts);
