// Times a current-state read through the real serial stack against the simulated controller
// and compares it with the shortest possible read: 22 addresses, each read twice, one reply
// poll of 2 ticks per read.
#include "benchline.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <cstdio>

namespace {

constexpr double TickSeconds = 1.0 / 18.2;
constexpr int Runs = 3;

double timeOneRead(int baud) {
    BenchLine line(baud);
    if (!line.open())
        return -1;
    ControllerLink& link = line.link;

    QEventLoop loop;
    bool failed = true;
    QObject::connect(&link, &ControllerLink::readEnded, &loop, [&](int, ReadOutcome outcome) {
        failed = outcome != ReadOutcome::Completed;
        loop.quit();
    });
    QElapsedTimer timer;
    timer.start();
    link.startRead(ReadKind::Current, Requester::Window);
    loop.exec();
    return failed ? -1 : timer.elapsed() / 1000.0;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const double ideal = 44 * 2 * TickSeconds;
    std::printf("current-state read, %d runs each; ideal 44 x 2 ticks = %.3f s\n", Runs, ideal);
    for (const int baud : {2400, 9600}) {
        double total = 0;
        for (int run = 0; run < Runs; ++run) {
            const double seconds = timeOneRead(baud);
            if (seconds < 0) {
                std::fprintf(stderr, "the read at %d baud failed\n", baud);
                return 1;
            }
            total += seconds;
        }
        const double mean = total / Runs;
        std::printf("%5d baud: %.3f s, %.3f x ideal\n", baud, mean, mean / ideal);
    }
    return 0;
}
