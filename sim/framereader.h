#pragma once

#include "sim/frame.h"

#include <QByteArray>
#include <QList>
#include <optional>

namespace sim {

// Cuts frames out of a byte stream. A controller on a site line hears only site frames, one on a
// plain line only plain frames; anything that is not a whole valid frame is skipped a byte at a
// time until the stream lines up with a frame again.
class FrameReader {
public:
    explicit FrameReader(bool siteFrames) : siteFrames_(siteFrames) {}

    QList<Frame> feed(const QByteArray& bytes);

private:
    int frameLength() const { return siteFrames_ ? 5 : 4; }
    std::optional<Frame> frameAtFront() const;

    bool siteFrames_;
    QByteArray pending_;
};

} // namespace sim
