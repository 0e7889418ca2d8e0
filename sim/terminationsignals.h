#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <memory>

namespace sim {

// SIGINT and SIGTERM as a Qt signal, read from a signalfd in the event loop, so the program
// shuts down through its destructors (the device link is removed there).
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    // Call first thing in main, before any thread starts, so that every thread inherits the
    // blocked mask and no signal is delivered the default way.
    static bool block();

    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

    bool isValid() const { return fd_ >= 0; }

signals:
    void received();

private:
    void readSignal();

    int fd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace sim
