#pragma once

#include "platform/serialport.h"

// One timer trigger of a port: added the first time it is armed and kept, re-armed as often as
// needed, until it is removed.
class PortTrigger {
public:
    void arm(SerialPort& port, int ticks) {
        if (!exists_) {
            handle_ = port.addTimerTrigger();
            exists_ = true;
        }
        port.setTimerTrigger(handle_, ticks);
    }
    // What the port says of the removal; a trigger that was never armed counts as removed.
    bool remove(SerialPort& port) {
        if (!exists_)
            return true;
        exists_ = false;
        return port.removeTimerTrigger(handle_);
    }
    bool exists() const { return exists_; }
    bool is(int fired) const { return exists_ && fired == handle_; }

private:
    int handle_ = 0;
    bool exists_ = false;
};
