#include "manualtickclock.h"

#include <algorithm>

std::unique_ptr<TickTimer> ManualTickClock::createTimer() {
    return std::make_unique<ManualTickTimer>(*this);
}

void ManualTickClock::advance(int ticks) {
    for (int i = 0; i < ticks; ++i) {
        ++now_;
        // Copy: a handler may create or destroy timers.
        const auto timers = timers_;
        for (ManualTickTimer* timer : timers) {
            if (std::find(timers_.begin(), timers_.end(), timer) == timers_.end())
                continue;
            if (timer->isActive() && timer->deadline() <= now_)
                timer->fire();
        }
    }
}

bool ManualTickClock::advanceToNextTimer() {
    long next = -1;
    for (ManualTickTimer* timer : timers_)
        if (timer->isActive() && (next < 0 || timer->deadline() < next))
            next = timer->deadline();
    if (next < 0)
        return false;
    advance(static_cast<int>(std::max(0L, next - now_)));
    return true;
}

ManualTickTimer::ManualTickTimer(ManualTickClock& clock) : clock_(clock) {
    clock_.timers_.push_back(this);
}

ManualTickTimer::~ManualTickTimer() {
    auto& timers = clock_.timers_;
    timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
}

void ManualTickTimer::start(int ticks) {
    deadline_ = clock_.now_ + ticks;
    active_ = true;
}

void ManualTickTimer::fire() {
    active_ = false;
    emit fired();
}
