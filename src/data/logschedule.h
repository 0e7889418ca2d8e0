#pragma once

// When the periodic log is due: a countdown of whole hours, stepped once per change of the clock
// hour while no transaction is open.
class LogSchedule {
public:
    explicit LogSchedule(int rate) : LogCountdown(rate) {}

    // A lowered interval takes effect at once.
    void followRate(int rate);
    // One tick at the given hour; true when an entry is due now (the countdown starts again).
    bool hourStep(int hour, bool busy, bool sampling, int rate);

    int LogCountdown;
    int LastHour = 0;
};
