#pragma once

#include <QElapsedTimer>
#include <QIODevice>
#include <QList>
#include <QtTest>

// What a device sends back to the test, with the time each byte arrived.
class ArrivalLog : public QObject {
public:
    explicit ArrivalLog(QIODevice& device) : device_(device) {
        connect(&device, &QIODevice::readyRead, this, [this] {
            const qint64 now = clock_.elapsed();
            for (const char byte : device_.readAll()) {
                bytes_.append(byte);
                times_.append(now);
            }
        });
        clock_.start();
    }

    QByteArray bytes() const { return bytes_; }
    qint64 arrivalMs(qsizetype index) const { return times_.at(index); }
    qint64 elapsedMs() const { return clock_.elapsed(); }

    bool waitFor(qsizetype count, int timeoutMs) {
        return QTest::qWaitFor([this, count] { return bytes_.size() >= count; }, timeoutMs);
    }

    // Sends the bytes and restarts the log and its clock.
    void send(const QByteArray& bytes) {
        bytes_.clear();
        times_.clear();
        clock_.restart();
        device_.write(bytes);
    }

private:
    QIODevice& device_;
    QElapsedTimer clock_;
    QByteArray bytes_;
    QList<qint64> times_;
};
