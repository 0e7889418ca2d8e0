// Times the current-state and history reads through the real serial stack against the simulated
// controller, with replies handled on the polls and with fast replies, and compares each with
// two marks: the wire limit (every transaction's 60 bits at the baud rate plus the controller's
// turnaround) and the polled pace (every transaction answered at its first poll of 2 ticks).
#include "benchline.h"

#include "sim/faultinjector.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <cstdio>

namespace {

constexpr double TickSeconds = 1.0 / 18.2;
constexpr int BitsPerTransaction = 60; // a frame of four bytes and a reply of two, 10 bits each

struct Measured {
    double seconds = -1; // negative when the read failed
    int transactions = 0;
};

Measured timeOneRead(int readType, int baud, bool fast) {
    BenchLine line(baud);
    if (!line.open())
        return {};
    ControllerLink& link = line.link;
    link.state.fastReplies = fast;

    QEventLoop loop;
    bool failed = true;
    QObject::connect(&link, &ControllerLink::readEnded, &loop, [&](int, ReadOutcome outcome) {
        failed = outcome != ReadOutcome::Completed;
        loop.quit();
    });
    QElapsedTimer timer;
    timer.start();
    link.startRead(readType, Requester::Window);
    loop.exec();
    if (failed)
        return {};
    return {timer.elapsed() / 1000.0, static_cast<int>(line.controller().frames().size())};
}

struct Case {
    const char* name;
    int readType;
    int runs;
};

// False when a read failed.
bool measure(const Case& read, int baud, bool fast) {
    double total = 0;
    int transactions = 0;
    for (int run = 0; run < read.runs; ++run) {
        const Measured one = timeOneRead(read.readType, baud, fast);
        if (one.seconds < 0) {
            std::fprintf(stderr, "the %s read at %d baud failed\n", read.name, baud);
            return false;
        }
        total += one.seconds;
        transactions = one.transactions;
    }
    const double mean = total / read.runs;
    const double wire =
        transactions * (double(BitsPerTransaction) / baud + sim::TurnaroundMs / 1000.0);
    const double paced = transactions * TransactionEngine::DirectPollTicks * TickSeconds;
    std::printf("| %-7s | %5d | %-6s | %6d | %6.2f | %6.2f | %6.3f | %6.3f |\n", read.name, baud,
                fast ? "fast" : "polled", transactions, mean, wire, mean / wire, mean / paced);
    std::fflush(stdout);
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const Case reads[] = {{"current", ReadKind::Current, 3}, {"history", ReadKind::History, 1}};
    std::printf("| read    | baud  | mode   | frames | wall s | wire s | / wire | / pace |\n"
                "|---------|------:|--------|-------:|-------:|-------:|-------:|-------:|\n");
    for (const Case& read : reads)
        for (const int baud : {2400, 9600})
            for (const bool fast : {false, true})
                if (!measure(read, baud, fast))
                    return 1;
    return 0;
}
