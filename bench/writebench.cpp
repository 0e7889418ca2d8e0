// Times the whole settings list through the real serial stack against the simulated controller
// and compares it with its paced duration: the sum of the tick waits between its frames.
#include "benchline.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <cstdio>

namespace {

constexpr double TickSeconds = 1.0 / 18.2;
constexpr int Baud = 9600;

// First step 13, then 30 pairs of enable (11) and EEPROM write (4), 31 RAM writes and the end
// step 11 apart.
constexpr int PacedTicks = 13 + 30 * (11 + 4) + 31 * 11 + 11;

double timeWholeList() {
    BenchLine line(Baud);
    if (!line.open())
        return -1;
    ControllerLink& link = line.link;
    link.setVerifyWrites(false);

    QEventLoop loop;
    QObject::connect(&link, &ControllerLink::writeEnded, &loop, &QEventLoop::quit);
    QElapsedTimer timer;
    timer.start();
    if (link.sendWholeList() != WriteStart::Started)
        return -1;
    loop.exec();
    return timer.elapsed() / 1000.0;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const double paced = PacedTicks * TickSeconds;
    std::printf("whole settings list at %d baud; paced %d ticks = %.3f s\n", Baud, PacedTicks,
                paced);
    const double seconds = timeWholeList();
    if (seconds < 0)
        return 1;
    std::printf("wall %.3f s, ratio %.4f\n", seconds, seconds / paced);
    return 0;
}
