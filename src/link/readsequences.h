#pragma once

#include "data/memoryimage.h"
#include "link/linkports.h"
#include "link/linkstate.h"
#include "link/tracelog.h"

#include <QObject>
#include <vector>

class TransactionEngine;

// Read types: 1 is a single command, 2..11 the read sequences.
namespace ReadKind {
constexpr int Single = 1, Current = 2, Status = 3, SettingsPage1 = 4, SettingsPage5 = 8,
              Calibration = 9, History = 10, AlarmUnit = 11;
} // namespace ReadKind

// Which window asked for a read.
enum class Requester { Window = 1, CalibrationButton = 3, MainWindow = 6, AlarmUnit = 7 };

// The address list of a read sequence, entries 1..count; empty for types without a sequence.
const std::vector<int>& readList(int readType);
int readCount(int readType);
// The address at a position of a sequence, or -1 where there is none.
int readAddress(int readType, int readNum);

// Starts read sequences and ends them: Getdata, readadd, readnext, readstep, readdone.
class ReadSequencer : public QObject {
    Q_OBJECT
public:
    ReadSequencer(TransactionEngine& engine, LinkPorts& ports, LinkState& link,
                  DataValidFlags& valid, LogReadFlags& log, StatusPanels& status, TraceLog& trace,
                  QObject* parent = nullptr);

    // Starts a read sequence; false when refused or when the link is not usable. The type is
    // taken only once the request is accepted, so a refused request never changes the type of
    // a read that is running. The main window's log reads choose their own type.
    bool Getdata(Requester sender, int readType = 0);
    int readadd();
    void readnext();
    void readstep();
    void readdone();

signals:
    // One byte accepted; the asking window advances its progress bar.
    void readStepped(int readType);
    // A sequence ended (failed when ReadFailed was set); the asking window redraws.
    void readDone(int readType, bool failed);

private:
    TransactionEngine& engine_;
    LinkPorts& ports_;
    LinkState& link_;
    DataValidFlags& valid_;
    LogReadFlags& log_;
    StatusPanels& status_;
    TraceLog& trace_;
};
