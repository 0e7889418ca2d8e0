#pragma once

#include "sim/controller.h"
#include "sim/pacedwriter.h"

#include <QObject>
#include <QTimer>

namespace sim {

// What every transport does with its controller: hands it the bytes heard, puts its replies on
// the line at the line's pace, and lets its live values drift while it runs.
class LineDriver : public QObject {
    Q_OBJECT
public:
    static constexpr int DriftIntervalMs = 3000;

    LineDriver(Controller& controller, PacedWriter::Sink sink, QObject* parent = nullptr);

    void setBaud(int baud) { writer_.setBaud(baud); }
    // The controller hears the bytes once they have crossed the line.
    void receive(const QByteArray& bytes) {
        writer_.enqueue(controller_.receive(bytes), writer_.wireNs(bytes.size()));
    }
    void discardPending() { writer_.discard(); }

private:
    Controller& controller_;
    PacedWriter writer_;
    QTimer driftTimer_;
};

} // namespace sim
