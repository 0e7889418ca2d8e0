#pragma once

#include "platform/ticktimer.h"

#include <QTimer>

// Tick timers on the Qt event loop: precise single-shot timers, ticks converted once.
class QtTickTimer : public TickTimer {
    Q_OBJECT
public:
    QtTickTimer();
    void start(int ticks) override { timer_.start(ticksToMilliseconds(ticks)); }
    void stop() override { timer_.stop(); }
    bool isActive() const override { return timer_.isActive(); }

private:
    QTimer timer_;
};

class QtTickTimerSource : public TickTimerSource {
public:
    std::unique_ptr<TickTimer> createTimer() override { return std::make_unique<QtTickTimer>(); }
};
