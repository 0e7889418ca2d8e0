#include "sim/pacedwriter.h"

#include "sim/linespeed.h"

#include <algorithm>
#include <utility>

namespace sim {
namespace {

constexpr qint64 NsPerMs = 1000000;
constexpr qint64 BitsPerByte = 10; // start bit, eight data bits, stop bit

} // namespace

PacedWriter::PacedWriter(Sink sink, QObject* parent) : QObject(parent), sink_(std::move(sink)) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &PacedWriter::writeDue);
    clock_.start();
    setBaud(DefaultBaud);
}

void PacedWriter::setBaud(int baud) {
    byteNs_ = BitsPerByte * 1000 * NsPerMs / baud;
}

void PacedWriter::enqueue(const QList<ReplyChunk>& chunks, qint64 heardAfterNs) {
    const bool idle = queue_.empty();
    qint64 heard = heardAfterNs;
    for (const ReplyChunk& chunk : chunks) {
        qint64 pause = chunk.delayMs * NsPerMs + std::exchange(heard, 0);
        for (const char byte : chunk.bytes) {
            queue_.push_back({pause, byte});
            pause = 0;
        }
    }
    if (idle)
        scheduleNext();
}

void PacedWriter::discard() {
    queue_.clear();
    timer_.stop();
}

void PacedWriter::scheduleNext() {
    if (queue_.empty())
        return;
    const qint64 now = clock_.nsecsElapsed();
    dueNs_ = std::max(now + queue_.front().pauseNs, lineFreeNs_) + byteNs_;
    waitUntilDue(now);
}

// Timers count whole milliseconds: rounded to the nearest, so a byte is not late by most of a
// millisecond each time; one that fires early waits again (writeDue), so none goes out too soon.
void PacedWriter::waitUntilDue(qint64 now) {
    timer_.start(static_cast<int>((dueNs_ - now + NsPerMs / 2) / NsPerMs));
}

void PacedWriter::writeDue() {
    const qint64 now = clock_.nsecsElapsed();
    if (now < dueNs_) {
        waitUntilDue(now);
        return;
    }
    const char byte = queue_.front().byte;
    queue_.pop_front();
    lineFreeNs_ = dueNs_;
    sink_(byte);
    scheduleNext();
}

} // namespace sim
