#pragma once

#include <QStringList>

// What the current-state view leaves for the data report and the periodic log; rewritten by
// every redraw of the view, so reading other data never changes it.
struct CurrentReportTexts {
    // Charge current, load current, charge Ah, load Ah: title, tab, total and unit, tab,
    // internal text, tab, external text.
    QStringList CurrentSummaryLines;
    // Total, internal and external text of charge current, load current, charge Ah, load Ah.
    QStringList CurrentValueTexts;
};
