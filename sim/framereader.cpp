#include "sim/framereader.h"

namespace sim {
namespace {

quint8 byteAt(const QByteArray& bytes, int index) {
    return static_cast<quint8>(bytes.at(index));
}

std::optional<Frame> plainFrame(const QByteArray& bytes) {
    const Frame frame{byteAt(bytes, 0), byteAt(bytes, 1), byteAt(bytes, 2)};
    if (!isKnownCommand(frame.command) || byteAt(bytes, 3) != (frame.command ^ 0xFF))
        return std::nullopt;
    return frame;
}

std::optional<Frame> siteFrame(const QByteArray& bytes) {
    const Frame frame{byteAt(bytes, 1), byteAt(bytes, 2), byteAt(bytes, 3), byteAt(bytes, 0)};
    const int sum = frame.site + frame.command + frame.address + frame.data;
    if (!isKnownCommand(frame.command) || byteAt(bytes, 4) != (sum & 0xFF))
        return std::nullopt;
    return frame;
}

} // namespace

QList<Frame> FrameReader::feed(const QByteArray& bytes) {
    pending_.append(bytes);
    QList<Frame> frames;
    while (pending_.size() >= frameLength()) {
        if (const auto frame = frameAtFront()) {
            frames.append(*frame);
            pending_.remove(0, frameLength());
        } else {
            pending_.remove(0, 1);
        }
    }
    return frames;
}

std::optional<Frame> FrameReader::frameAtFront() const {
    return siteFrames_ ? siteFrame(pending_) : plainFrame(pending_);
}

} // namespace sim
