#pragma once

#include "platform/ticktimer.h"

#include <vector>

// Virtual time for engine tests: timers fire only when the test advances the ticks.
class ManualTickClock : public TickTimerSource {
public:
    std::unique_ptr<TickTimer> createTimer() override;
    long now() const { return now_; }
    // Advances one tick at a time, firing every timer due at each tick.
    void advance(int ticks);
    // Advances until the next timer fires; returns false when none is armed.
    bool advanceToNextTimer();

private:
    friend class ManualTickTimer;
    std::vector<class ManualTickTimer*> timers_;
    long now_ = 0;
};

class ManualTickTimer : public TickTimer {
    Q_OBJECT
public:
    explicit ManualTickTimer(ManualTickClock& clock);
    ~ManualTickTimer() override;
    void start(int ticks) override;
    void stop() override { active_ = false; }
    bool isActive() const override { return active_; }
    long deadline() const { return deadline_; }
    void fire();

private:
    ManualTickClock& clock_;
    long deadline_ = 0;
    bool active_ = false;
};
