#include "program.h"
#include "simulatedcontroller.h"

#include "common/ui/qtdialogs.h"
#include "platform/qt/deviceport.h"
#include "platform/qt/qtconfigstore.h"
#include "platform/qt/qtserialportlister.h"
#include "platform/qt/qtticktimer.h"
#include "platform/qt/winregistrykeytree.h"
#include "shell/ui/qtsavedialogs.h"

#include "shell/commandline.h"

#include <QApplication>
#include <cstdio>
#include <memory>

namespace {

QStringList argumentsAfterProgram(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// Help, the version and a bad command line are answered before any window system is needed.
int answerWithoutWindows(const CommandLine& line) {
    if (!line.error.isEmpty()) {
        std::fprintf(stderr, "tarvik: %s\n", qPrintable(line.error));
        return 2;
    }
    if (line.request == CommandLine::Request::Help)
        std::fputs(qPrintable(commandLineUsage()), stdout);
    else
        std::printf("tarvik %s\n", TARVIK_VERSION);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (const CommandLine line = parseCommandLine(argumentsAfterProgram(argc, argv));
        !line.error.isEmpty() || line.request != CommandLine::Request::Run)
        return answerWithoutWindows(line);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TARVIK"));
    QApplication::setApplicationVersion(QStringLiteral(TARVIK_VERSION));
    // Desktops find the program's icon and name through its desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.quellon.tarvik"));
    // The program ends when the main window closes, whatever else is open.
    QApplication::setQuitOnLastWindowClosed(false);

    QtTickTimerSource timers;
    PortMap portMap;
    DevicePort direct(timers, portMap);
    DevicePort modem(timers, portMap);
    SystemWallClock clock;
    QtConfigStore store;
#ifdef Q_OS_WIN
    WinRegistryKeyTree registry;
    ConfigKeyTree* oldKeys = &registry;
#else
    ConfigKeyTree* oldKeys = nullptr;
#endif
    // Again without Qt's own options, which QApplication has taken out.
    const CommandLine line = parseCommandLine(QApplication::arguments().mid(1));
    std::unique_ptr<SimulatedController> simulator;
    if (line.simulatedModel) {
        simulator = std::make_unique<SimulatedController>(*line.simulatedModel);
        if (!simulator->open()) {
            std::fprintf(stderr, "tarvik: no simulated controller: %s\n",
                         qPrintable(simulator->errorString()));
            return 1;
        }
    }
    QtSerialPortLister serialPorts;
    QtFontChooser fontChooser;
    QtConfirmer confirmer;
    QtSaveDialogs saveDialogs;
    QtMessageBoxes messageBoxes;
    QtDocumentPrinter printer;

    Program program(ProgramServices{direct, modem, clock, store, oldKeys, portMap, serialPorts,
                                    fontChooser, confirmer, saveDialogs, messageBoxes, printer,
                                    line.programArguments, QApplication::applicationVersion()});
    if (simulator)
        program.useDirectDeviceForRun(simulator->devicePath());
    QObject::connect(&program, &Program::finished, &app, &QApplication::quit);
    program.mainform->show();
    return QApplication::exec();
}
