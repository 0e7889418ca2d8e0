#pragma once

#include "sim/frame.h"

#include <QByteArray>
#include <optional>

namespace sim {

// The VXI site interface in front of the controller. It takes the set-site exchange for
// itself: a loopback to address 101 carrying a key is acknowledged with 250; a loopback right
// after it, to the key's address and carrying the new site number, is answered with that
// number and moves the interface to it. Every other frame goes on to the controller.
class SiteInterface {
public:
    static constexpr quint8 KeyAddress = 101;
    static constexpr quint8 Acknowledge = 250;
    static constexpr int HighestSite = 240;

    // The interface's reply to a frame for its site, which may change `site`; nothing when the
    // frame is the controller's.
    std::optional<QByteArray> take(const Frame& frame, int& site);

private:
    std::optional<quint8> key_; // the key of an exchange under way, for the next frame only
};

} // namespace sim
