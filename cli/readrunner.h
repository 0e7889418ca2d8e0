#pragma once

#include "link/controllerlink.h"

#include <QObject>
#include <QString>
#include <vector>

// Why a read or command did not start, with what the system said about the port.
QString readRefusalText(const ControllerLink& link, ReadStart start);

// Runs read sequences one after the other through the real engine and tells how they ended.
class ReadRunner : public QObject {
    Q_OBJECT
public:
    ReadRunner(ControllerLink& link, std::vector<int> readTypes, QObject* parent = nullptr);

    void start();
    // False when the port could not be opened, so nothing was read.
    bool portOpened() const { return portOpened_; }

signals:
    // Position within all sequences, for a progress line.
    void progress(int done, int total);
    // complete is false when a sequence failed or could not start; reason says why.
    void finished(bool complete, const QString& reason);

private:
    void startNext();
    void onReadEnded(int readType, ReadOutcome outcome);
    QString failureReason(ReadOutcome outcome) const;

    ControllerLink& link_;
    std::vector<int> readTypes_;
    size_t next_ = 0;
    int done_ = 0;
    int total_ = 0;
    QString portFailure_;
    bool portOpened_ = true;
};
