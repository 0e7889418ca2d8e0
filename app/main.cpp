#include "program.h"

#include "common/ui/qtdialogs.h"
#include "platform/qt/qtconfigstore.h"
#include "platform/qt/qtserialport.h"
#include "platform/qt/qtserialportlister.h"
#include "platform/qt/qtticktimer.h"
#include "platform/qt/winregistrykeytree.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TARVIK"));
    QApplication::setApplicationVersion(QStringLiteral(TARVIK_VERSION));
    // The program ends when the main window closes, whatever else is open.
    QApplication::setQuitOnLastWindowClosed(false);

    QtTickTimerSource timers;
    PortMap portMap;
    QtSerialPort direct(timers, portMap);
    QtSerialPort modem(timers, portMap);
    SystemWallClock clock;
    QtConfigStore store;
#ifdef Q_OS_WIN
    WinRegistryKeyTree registry;
    ConfigKeyTree* oldKeys = &registry;
#else
    ConfigKeyTree* oldKeys = nullptr;
#endif
    QtSerialPortLister serialPorts;
    QtFontChooser fontChooser;
    QtConfirmer confirmer;

    Program program(ProgramServices{direct, modem, clock, store, oldKeys, portMap, serialPorts,
                                    fontChooser, confirmer, app.arguments().mid(1),
                                    QApplication::applicationVersion()});
    QObject::connect(&program, &Program::finished, &app, &QApplication::quit);
    program.mainform->show();
    return QApplication::exec();
}
