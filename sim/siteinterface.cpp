#include "sim/siteinterface.h"

#include <utility>

namespace sim {

std::optional<QByteArray> SiteInterface::take(const Frame& frame, int& site) {
    const std::optional<quint8> key = std::exchange(key_, std::nullopt);
    if (frame.command != Command::Loopback)
        return std::nullopt;
    if (key && frame.address == *key && frame.data <= HighestSite) {
        site = frame.data;
        return QByteArray(1, static_cast<char>(frame.data));
    }
    if (frame.address == KeyAddress) {
        key_ = frame.data;
        return QByteArray(1, static_cast<char>(Acknowledge));
    }
    return std::nullopt;
}

} // namespace sim
