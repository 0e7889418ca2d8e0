#include "sim/controller.h"
#include "sim/hayesmodem.h"
#include "sim/ptyline.h"
#include "sim/simoptions.h"
#include "sim/tcpline.h"
#include "sim/terminationsignals.h"

#include <QCoreApplication>
#include <cstdio>
#include <memory>

namespace {

constexpr int BadArgumentsExit = 2;
constexpr int NoLineExit = 1;

void printLine(std::FILE* stream, const QString& text) {
    std::fputs(qPrintable(text + QLatin1Char('\n')), stream);
    std::fflush(stream);
}

// Opens the line the options ask for, with the modem in front when there is one, and tells the
// caller where it is; nullptr on failure.
std::unique_ptr<QObject> openLine(sim::Controller& controller, sim::HayesModem* modem,
                                  const sim::SimOptions& options) {
    if (options.tcpPort >= 0) {
        auto line = std::make_unique<sim::TcpLine>(controller, options.baud);
        if (modem != nullptr)
            line->putModemInFront(*modem);
        if (!line->listen(static_cast<quint16>(options.tcpPort))) {
            printLine(stderr, QStringLiteral("tarvik-sim: %1").arg(line->errorString()));
            return nullptr;
        }
        printLine(stdout, QStringLiteral("tcp:127.0.0.1:%1").arg(line->port()));
        return line;
    }
    auto line = std::make_unique<sim::PtyLine>(
        controller, sim::PtyOptions{options.baud, options.baudGiven, options.linkPath});
    if (modem != nullptr)
        line->putModemInFront(*modem);
    if (!line->open()) {
        printLine(stderr, QStringLiteral("tarvik-sim: %1").arg(line->errorString()));
        return nullptr;
    }
    printLine(stdout, line->devicePath());
    return line;
}

} // namespace

int main(int argc, char* argv[]) {
    sim::TerminationSignals::block();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(TARVIK_VERSION));
    const auto parsed = sim::parseSimOptions(QCoreApplication::arguments());
    if (const auto* text = std::get_if<sim::TextRequested>(&parsed)) {
        printLine(stdout, text->text);
        return 0;
    }
    if (const auto* bad = std::get_if<sim::BadArguments>(&parsed)) {
        printLine(stderr, QStringLiteral("tarvik-sim: %1").arg(bad->message));
        return BadArgumentsExit;
    }
    const auto& options = std::get<sim::SimOptions>(parsed);

    sim::TerminationSignals termination;
    QObject::connect(&termination, &sim::TerminationSignals::received, &app,
                     &QCoreApplication::quit);
    sim::Controller controller(options.controller);
    std::unique_ptr<sim::HayesModem> modem;
    if (options.modem) {
        modem = std::make_unique<sim::HayesModem>(controller, options.modemConfig);
        // What the modem hears goes to the output, after the line's address.
        QObject::connect(modem.get(), &sim::HayesModem::heardCommand, [](const QString& command) {
            printLine(stdout, QStringLiteral("modem: %1").arg(command));
        });
    }
    const std::unique_ptr<QObject> line = openLine(controller, modem.get(), options);
    if (!line)
        return NoLineExit;
    return QCoreApplication::exec();
}
