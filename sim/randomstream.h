#pragma once

#include <QRandomGenerator>

namespace sim {

// Independent generators from one seed, so that, say, switching faults on does not change how
// the live values drift.
enum class RandomStream : quint32 { History = 1, Drift = 2, Faults = 3 };

inline QRandomGenerator randomStream(quint32 seed, RandomStream stream) {
    const quint32 words[] = {seed, static_cast<quint32>(stream)};
    return QRandomGenerator(words);
}

} // namespace sim
