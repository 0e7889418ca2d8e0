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

namespace {
int entry(const std::vector<int>& list, int readNum) {
    if (readNum < 1 || readNum > static_cast<int>(list.size()))
        return -1;
    return list[static_cast<size_t>(readNum - 1)];
}
} // namespace

int readAddress(int readType, int readNum) {
    return entry(readList(readType), readNum);
}

int ReadState::address() const {
    return entry(addresses, ReadNum);
}

ReadSequencer::ReadSequencer(TransactionEngine& engine, LinkPorts& ports, LinkState& link,
                             DataValidFlags& valid, LogReadFlags& log, StatusPanels& status,
                             TraceLog& trace, QObject* parent)
    : QObject(parent), engine_(engine), ports_(ports), link_(link), valid_(valid), log_(log),
      status_(status), trace_(trace) {
    engine_.attach(this);
}

ReadStart ReadSequencer::Getdata(Requester sender, int readType) {
    if (sender == Requester::MainWindow)
        readType = log_.secondPart ? ReadKind::Status : ReadKind::Current;
    return start(sender, readType, readList(readType));
}

ReadStart ReadSequencer::readAddresses(Requester sender, std::vector<int> addresses) {
    return start(sender, ReadKind::Listed, std::move(addresses));
}

ReadStart ReadSequencer::start(Requester sender, int readType, std::vector<int> addresses) {
    ReadStart why = refusal();
    if (why == ReadStart::Started && addresses.empty())
        why = ReadStart::NoSuchSequence;
    if (why != ReadStart::Started)
        return refuse(why);
    const bool usable = claimLink(sender, readType, std::move(addresses));
    const int address = readadd();
    if (!usable)
        return portUnusable();
    engine_.openRead(address);
    return ReadStart::Started;
}

ReadStart ReadSequencer::beginSingleCommand(int count) {
    if (const ReadStart why = refusal(); why != ReadStart::Started)
        return refuse(why);
    if (!claimLink(Requester::Window, ReadKind::Single, {}))
        return portUnusable();
    state_.ReadNum = count;
    return ReadStart::Started;
}

bool ReadSequencer::claimLink(Requester sender, int readType, std::vector<int> addresses) {
    const bool usable = openLinkPort();
    state_.Requester = static_cast<int>(sender);
    state_.ReadType = readType;
    state_.ReadNum = static_cast<int>(addresses.size());
    state_.addresses = std::move(addresses);
    if (!usable)
        return false;
    state_.ReadFailed = false;
    state_.outcome = ReadOutcome::Completed;
    return true;
}

ReadStart ReadSequencer::portUnusable() {
    status_.setText(StatusPanels::Link, text(LinkText::CantOpenPort, link_.LanguageIndex));
    engine_.comfail();
    return ReadStart::PortUnusable;
}

ReadStart ReadSequencer::refusal() const {
    if (link_.StartupPending)
        return ReadStart::StartupPending;
    if (engine_.isBusy())
        return ReadStart::Busy;
    if (link_.Dialling)
        return ReadStart::Dialling;
    return ReadStart::Started;
}

// The running read, if any, keeps the status panel's countdown from its next poll on.
ReadStart ReadSequencer::refuse(ReadStart why) {
    status_.setText(StatusPanels::Link, readStartText(why, link_.LanguageIndex));
    return why;
}

// The direct port is opened afresh; the modem link is usable only while connected.
bool ReadSequencer::openLinkPort() {
    if (link_.DirectMode) {
        ports_.portset1();
        return ports_.Comport1.isOpen();
    }
    if (!link_.ModemConnected)
        return false;
    ports_.Comport2.flushInput();
    ports_.Comport2.flushOutput();
    return true;
}

int ReadSequencer::readadd() {
    const int address = state_.address();
    if (state_.ReadType == ReadKind::History && link_.DebugMode)
        trace_.append(readAddressTraceLine(state_.ReadNum, address));
    return address;
}

void ReadSequencer::readnext() {
    engine_.sendRead(readadd());
}

void ReadSequencer::readstep() {
    emit readStepped(state_.ReadType);
}

void ReadSequencer::positionAccepted() {
    --state_.ReadNum;
    readstep();
}

void ReadSequencer::endInFailure(ReadOutcome reason) {
    state_.ReadFailed = true;
    state_.outcome = reason;
    readdone();
}

void ReadSequencer::readdone() {
    engine_.endTransaction();
    const int type = state_.ReadType;
    const bool logRead = state_.Requester == static_cast<int>(Requester::MainWindow);
    // What was read before a connection dropped is not taken for a reading of the controller.
    const bool taken = state_.outcome != ReadOutcome::CarrierLost;
    if (type == ReadKind::Current && taken)
        valid_.CurrentDataValid = true;
    if (type == ReadKind::Status && taken)
        valid_.StatusDataValid = true;
    emit readEnded(type, state_.outcome);
    state_.ReadFailed = false;

    if (type == ReadKind::Current && logRead) {
        log_.secondPart = true;
        Getdata(Requester::MainWindow, ReadKind::Status);
    } else if (type == ReadKind::Status && logRead) {
        log_.LogPending = false;
        log_.LogReady = true;
    }
}
