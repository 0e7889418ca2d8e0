#include "platform/serialport.h"

SerialPort::SerialPort(TickTimerSource& timers, QObject* parent)
    : QObject(parent), timers_(timers) {}

SerialPort::~SerialPort() = default;

int SerialPort::addTimerTrigger() {
    const int handle = nextHandle_++;
    std::unique_ptr<TickTimer> timer;
    if (idle_.empty()) {
        timer = timers_.createTimer();
    } else {
        timer = std::move(idle_.back());
        idle_.pop_back();
        timer->disconnect(this);
    }
    connect(timer.get(), &TickTimer::fired, this, [this, handle] { emit triggerTimer(handle); });
    triggers_.emplace(handle, std::move(timer));
    return handle;
}

void SerialPort::setTimerTrigger(int handle, int ticks) {
    if (auto it = triggers_.find(handle); it != triggers_.end())
        it->second->start(ticks);
}

bool SerialPort::removeTimerTrigger(int handle) {
    auto it = triggers_.find(handle);
    if (it == triggers_.end())
        return false;
    it->second->stop();
    idle_.push_back(std::move(it->second));
    triggers_.erase(it);
    return true;
}

bool SerialPort::hasTimerTrigger(int handle) const {
    return triggers_.count(handle) != 0;
}
