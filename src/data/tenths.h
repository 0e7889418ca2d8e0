#pragma once

#include <QString>

// Tenths become text only at display time: 127 tenths shows as 12.7.
// The view's formatter caps at "99.9" above 999 whole units.
QString formatTenths(int tenths);
// The report's and log's formatter has no cap.
QString formatTenthsUncapped(int tenths);
// Currents above 999 tenths show as whole amps.
QString formatCurrent(int tenths);
// Whole volts in whole-volt systems, tenths otherwise.
QString formatVoltage(int value, bool wholeVoltSystem);
