#pragma once

#include "sim/controller.h"

// The controller's own history, read from its memory for comparison with what the program shows.
namespace historyoracle {

inline int byte(const sim::Controller& c, int address) {
    return c.imageByte(address);
}

// The image address of the record holding day 1..30, counted back from the controller's today.
inline int recordAddress(const sim::Controller& c, int day) {
    const int today = byte(c, 301);
    return 302 + 7 * ((today - day + 1 + 30) % 30);
}

inline int chargeAh(const sim::Controller& c, int day) {
    const int r = recordAddress(c, day);
    return (byte(c, r + 6) & 0x0F) * 256 + byte(c, r + 4);
}

inline int loadAh(const sim::Controller& c, int day) {
    const int r = recordAddress(c, day);
    return (byte(c, r + 6) >> 4) * 256 + byte(c, r + 5);
}

} // namespace historyoracle
