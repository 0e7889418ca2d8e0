// Reads a simulated controller on a bad line over and over (lost replies, garbled bytes, late
// data bytes) and counts what came of it: reads completed, reads that failed and said so, and
// bytes accepted into the image that the controller does not hold. The controller's values
// hold still, so every accepted byte can be checked.
//
//   tarvik-bench-soak [--fast] [--baud 2400|9600] [--transactions N] [--seed S]
#include "benchline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <array>
#include <cstdio>

namespace {

constexpr double DropRate = 0.02, NoiseRate = 0.01, LateDataRate = 0.05;
// A read that has not ended after this long hangs.
constexpr int HangMs = 180000;
constexpr int ShownWrongBytes = 20;

struct SoakOptions {
    bool fast = false;
    int baud = 9600;
    int transactions = 10000;
    quint32 seed = 1;
};

struct Tally {
    int transactions = 0;
    int completed = 0;
    std::array<int, 5> failed{}; // by ReadOutcome
    int bytesChecked = 0;
    int wrongBytes = 0;
    int hangs = 0;

    int failures() const { return failed[1] + failed[2] + failed[3] + failed[4]; }
};

SoakOptions parseOptions(const QCoreApplication& app) {
    QCommandLineParser parser;
    const QCommandLineOption fast("fast", "Handle replies as soon as they have arrived.");
    const QCommandLineOption baud("baud", "Line speed.", "B", "9600");
    const QCommandLineOption transactions("transactions", "Read frames to send at least.", "N",
                                          "10000");
    const QCommandLineOption seed("seed", "Seed of the simulated faults.", "S", "1");
    parser.addHelpOption();
    parser.addOptions({fast, baud, transactions, seed});
    parser.process(app);
    return {parser.isSet(fast), parser.value(baud).toInt(), parser.value(transactions).toInt(),
            parser.value(seed).toUInt()};
}

sim::ControllerConfig badLine(quint32 seed) {
    sim::ControllerConfig config = BenchLine::steadyController();
    config.seed = seed;
    config.faults.drop = DropRate;
    config.faults.noise = NoiseRate;
    config.faults.lateData = LateDataRate;
    return config;
}

// Every byte the read accepted against what the controller holds.
void checkImage(const ControllerLink& link, const sim::Controller& controller, Tally& tally) {
    for (int address = 0; address < MemoryImage::Size; ++address) {
        if (!link.image.wasRead(address))
            continue;
        ++tally.bytesChecked;
        if (link.image.at(address) == controller.imageByte(address))
            continue;
        if (++tally.wrongBytes <= ShownWrongBytes)
            std::printf("wrong byte at image address %d: read %d, the controller holds %d\n",
                        address, link.image.at(address), controller.imageByte(address));
    }
}

// False when the read did not start or hung.
bool soakOneRead(BenchLine& line, int readType, Tally& tally) {
    ControllerLink& link = line.link;
    link.image.clear();
    QEventLoop loop;
    ReadOutcome outcome = ReadOutcome::Completed;
    bool ended = false;
    const auto connection =
        QObject::connect(&link, &ControllerLink::readEnded, &loop, [&](int, ReadOutcome how) {
            outcome = how;
            ended = true;
            loop.quit();
        });
    QTimer::singleShot(HangMs, &loop, &QEventLoop::quit);
    const ReadStart start = link.startRead(readType, Requester::Window);
    if (start != ReadStart::Started) {
        std::fprintf(stderr, "a read did not start: %s\n", qPrintable(readStartText(start, 0)));
        return false;
    }
    loop.exec();
    QObject::disconnect(connection);
    tally.transactions += static_cast<int>(line.controller().frames().size());
    line.controller().clearFrames();
    if (!ended) {
        ++tally.hangs;
        return false;
    }
    if (outcome == ReadOutcome::Completed)
        ++tally.completed;
    else
        ++tally.failed[static_cast<size_t>(outcome)];
    checkImage(link, line.controller(), tally);
    return true;
}

void printTally(const SoakOptions& options, const Tally& tally, double seconds) {
    std::printf("soak at %d baud, %s replies, seed %u: %.0f s\n", options.baud,
                options.fast ? "fast" : "polled", options.seed, seconds);
    std::printf("read transactions  %d\n", tally.transactions);
    std::printf("reads completed    %d\n", tally.completed);
    std::printf("reads failed       %d (timeout %d, mismatch %d, no data %d, port lost %d)\n",
                tally.failures(), tally.failed[1], tally.failed[2], tally.failed[3],
                tally.failed[4]);
    std::printf("bytes checked      %d\n", tally.bytesChecked);
    std::printf("wrong bytes        %d\n", tally.wrongBytes);
    std::printf("hangs              %d\n", tally.hangs);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const SoakOptions options = parseOptions(app);
    BenchLine line(options.baud, badLine(options.seed));
    if (!line.open())
        return 1;
    line.link.state.fastReplies = options.fast;

    Tally tally;
    QElapsedTimer timer;
    timer.start();
    const int reads[] = {ReadKind::History, ReadKind::Current};
    for (int turn = 0; tally.transactions < options.transactions; ++turn) {
        if (!soakOneRead(line, reads[turn % 2], tally))
            break;
    }
    printTally(options, tally, timer.elapsed() / 1000.0);
    return tally.wrongBytes == 0 && tally.hangs == 0 ? 0 : 1;
}
