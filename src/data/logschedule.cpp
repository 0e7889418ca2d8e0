#include "data/logschedule.h"

#include <algorithm>

void LogSchedule::followRate(int rate) {
    LogCountdown = std::min(LogCountdown, rate);
}

bool LogSchedule::hourStep(int hour, bool busy, bool sampling, int rate) {
    if (hour == LastHour || busy)
        return false;
    LastHour = hour;
    LogCountdown = std::max(LogCountdown - 1, 0);
    if (LogCountdown >= 1 || !sampling)
        return false;
    LogCountdown = rate;
    return true;
}
