#pragma once

#include "data/currentstatelabels.h"
#include "platform/richcomposer.h"

#include <QStringList>
#include <array>

// What the data report and the log entries share: the lines of current state and status, and
// the way their tab stops are set.
QString batteryLine(const CurrentStateTexts& texts, int language);
QString chargeLine(const CurrentStateTexts& texts);
// The three lines of the status table's values.
QStringList statusLines(const CurrentStateTexts& texts);

// Stops 0..3 at the given points, and any further stop up to `t` just right of the last.
void setReportTabStops(RichComposer& edit, const std::array<int, 4>& points, int t);
