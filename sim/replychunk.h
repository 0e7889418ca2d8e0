#pragma once

#include <QByteArray>
#include <QList>

namespace sim {

// Reply bytes to put on the line once delayMs have passed after whatever went before them.
struct ReplyChunk {
    int delayMs = 0;
    QByteArray bytes;

    friend bool operator==(const ReplyChunk&, const ReplyChunk&) = default;
};

// The bytes alone, for a client that does not care when they arrive.
inline QByteArray joinedBytes(const QList<ReplyChunk>& chunks) {
    QByteArray bytes;
    for (const ReplyChunk& chunk : chunks)
        bytes.append(chunk.bytes);
    return bytes;
}

} // namespace sim
