#pragma once

#include <QObject>
#include <memory>

// A single-shot timer counted in ticks of 1/18.2 s, the unit every reply wait and write pace
// of the link is measured in.
class TickTimer : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    virtual void start(int ticks) = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;

signals:
    void fired();
};

// Makes tick timers; the real one runs on the Qt event loop, tests use a manual clock.
class TickTimerSource {
public:
    virtual ~TickTimerSource() = default;
    virtual std::unique_ptr<TickTimer> createTimer() = 0;
};

// Ticks to milliseconds, converted once: a tick is 10000/182 ms.
constexpr int ticksToMilliseconds(int ticks) {
    return ticks * 10000 / 182;
}
