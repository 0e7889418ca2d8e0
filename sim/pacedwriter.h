#pragma once

#include "sim/replychunk.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <deque>
#include <functional>

namespace sim {

// Puts reply bytes on the line one at a time, never faster than the baud rate lets them go
// (ten bits a byte), with each chunk's pause before it. A byte is handed over when its last bit
// would have arrived.
class PacedWriter : public QObject {
    Q_OBJECT
public:
    using Sink = std::function<void(char)>;

    explicit PacedWriter(Sink sink, QObject* parent = nullptr);

    void setBaud(int baud);
    // The first chunk's pause counts from heardAfterNs on: the bytes that asked for the reply
    // take that long to cross the line.
    void enqueue(const QList<ReplyChunk>& chunks, qint64 heardAfterNs = 0);
    // How long these many bytes take on the line.
    qint64 wireNs(qsizetype bytes) const { return bytes * byteNs_; }
    // Forgets what has not gone out yet, for a client that has gone.
    void discard();

private:
    struct Pending {
        qint64 pauseNs;
        char byte;
    };

    void scheduleNext();
    void waitUntilDue(qint64 now);
    void writeDue();

    Sink sink_;
    std::deque<Pending> queue_;
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 byteNs_ = 0;
    qint64 lineFreeNs_ = 0; // when the last byte written has fully arrived
    qint64 dueNs_ = 0;
};

} // namespace sim
