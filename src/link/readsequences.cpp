#include "link/readsequences.h"

#include "link/linktexts.h"
#include "link/trace.h"
#include "link/transactionengine.h"

namespace {

std::vector<int> historyList() {
    std::vector<int> list;
    for (int entry = 1; entry <= 213; ++entry)
        list.push_back(298 + entry);
    list.push_back(93);
    return list;
}

std::vector<int> alarmUnitList() {
    std::vector<int> list;
    for (int entry = 1; entry <= 21; ++entry)
        list.push_back(255 + entry);
    return list;
}

} // namespace

const std::vector<int>& readList(int readType) {
    static const std::vector<std::vector<int>> lists{
        {},
        {},
        {0,   32,  93,  101, 52,  181, 182, 183, 188, 189, 193,
         194, 198, 199, 203, 204, 205, 206, 207, 213, 217, 221},
        {21, 37, 48, 53, 63, 95, 96, 98, 115, 184},
        {0, 48, 93, 33, 115, 69, 70, 71, 101},
        {87, 85, 83, 82, 84, 74, 86, 75, 76, 77, 73, 92},
        {88, 89, 78, 94, 72},
        {90, 79, 80, 91, 81, 188, 189, 193, 194, 198, 199, 203, 204},
        {116, 92, 64, 65, 66, 67, 68, 181, 96, 94},
        {33, 34, 35, 36, 214, 215, 218, 219, 230, 231, 234, 235, 238, 239},
        historyList(),
        alarmUnitList(),
    };
    static const std::vector<int> none;
    if (readType < 2 || readType >= static_cast<int>(lists.size()))
        return none;
    return lists[static_cast<size_t>(readType)];
}

int readCount(int readType) {
    return static_cast<int>(readList(readType).size());
}

int readAddress(int readType, int readNum) {
    const auto& list = readList(readType);
    if (readNum < 1 || readNum > static_cast<int>(list.size()))
        return -1;
    return list[static_cast<size_t>(readNum - 1)];
}

ReadSequencer::ReadSequencer(TransactionEngine& engine, LinkPorts& ports, LinkState& link,
                             DataValidFlags& valid, LogReadFlags& log, StatusPanels& status,
                             TraceLog& trace, QObject* parent)
    : QObject(parent), engine_(engine), ports_(ports), link_(link), valid_(valid), log_(log),
      status_(status), trace_(trace) {
    engine_.attach(this);
}

bool ReadSequencer::Getdata(Requester sender, int readType) {
    auto& s = engine_.state;
    if (link_.StartupPending || s.Busy || link_.Dialling)
        return false;

    bool usable = false;
    if (link_.DirectMode) {
        ports_.portset1();
        usable = ports_.Comport1.isOpen();
    } else {
        usable = link_.ModemConnected;
        if (usable) {
            ports_.Comport2.flushInput();
            ports_.Comport2.flushOutput();
        }
    }

    s.Requester = static_cast<int>(sender);
    if (sender == Requester::MainWindow)
        s.ReadType = log_.secondPart ? ReadKind::Status : ReadKind::Current;
    else if (readType != 0)
        s.ReadType = readType;
    if (readCount(s.ReadType) == 0)
        return false;
    s.ReadNum = readCount(s.ReadType);
    const int address = readadd();
    s.match.MatchCount = 0;

    if (!usable) {
        status_.setText(StatusPanels::Link, text(LinkText::CantOpenPort, link_.LanguageIndex));
        engine_.comfail();
        return false;
    }
    s.ReadFailed = false;
    s.RetryCount = 0;
    engine_.startAddress();
    engine_.sendRead(address);
    return true;
}

int ReadSequencer::readadd() {
    const auto& s = engine_.state;
    const int address = readAddress(s.ReadType, s.ReadNum);
    if (s.ReadType == ReadKind::History && link_.DebugMode)
        trace_.append(readAddressTraceLine(s.ReadNum, address));
    return address;
}

void ReadSequencer::readnext() {
    engine_.sendRead(readadd());
}

void ReadSequencer::readstep() {
    emit readStepped(engine_.state.ReadType);
}

void ReadSequencer::readdone() {
    auto& s = engine_.state;
    s.Busy = false;
    s.StopReplyTimer = true;
    const int type = s.ReadType;
    const bool logRead = s.Requester == static_cast<int>(Requester::MainWindow);
    if (type == ReadKind::Current)
        valid_.CurrentDataValid = true;
    if (type == ReadKind::Status)
        valid_.StatusDataValid = true;
    emit readDone(type, s.ReadFailed);
    s.ReadFailed = false;

    if (type == ReadKind::Current && logRead) {
        s.Busy = false;
        s.StopReplyTimer = false;
        log_.secondPart = true;
        Getdata(Requester::MainWindow);
    } else if (type == ReadKind::Status && logRead) {
        log_.LogPending = false;
        log_.LogReady = true;
    }
}
