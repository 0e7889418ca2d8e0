#pragma once

#include "common/ui/dialogseams.h"
#include "data/ui/currentform.h"
#include "data/ui/readform.h"
#include "link/controllerlink.h"
#include "link/ui/debugform.h"
#include "platform/attelephony.h"
#include "settings/ui/setform.h"
#include "settings/ui/vxaform.h"
#include "shell/helpfiles.h"
#include "shell/shellstate.h"
#include "shell/ui/helpform.h"
#include "shell/ui/mainform.h"
#include "shell/ui/optionsform.h"
#include "shell/ui/savedialogs.h"
#include "shell/ui/tgraphform.h"

#include <QCoreApplication>
#include <QObject>
#include <functional>
#include <memory>

// What the program is built from: the two serial ports and everything else from outside.
struct ProgramServices {
    SerialPort& direct;
    SerialPort& modem;
    const WallClock& clock;
    ConfigStore& store;
    ConfigKeyTree* oldKeys; // where an older layout of the store can exist
    PortMap& portMap;
    const SerialPortLister& serialPorts;
    FontChooser& fontChooser;
    Confirmer& confirmer;
    SaveDialogs& saveDialogs;
    MessageBoxes& messageBoxes;
    DocumentPrinter& printer;
    QStringList arguments; // after the program name
    QString programVersion;
    // Where a report named without a folder is saved.
    SaveLocations saveLocations = SaveLocations::ofThisProgram();
    // Where the help files are looked for, in order.
    QStringList helpFolders = ::helpFolders(QCoreApplication::applicationDirPath());
};

// The whole program: the link and the shell's state, and every window, created once in their
// order with the main window first; each lives for the whole run and is only shown and hidden.
class Program : public QObject {
    Q_OBJECT
public:
    explicit Program(const ProgramServices& services);
    ~Program() override;

    // The direct port's COM number leads to this device for the rest of the run (a simulated
    // controller); the user's own choice for the number stays stored.
    void useDirectDeviceForRun(const QString& device);
    // Shows the alarm-unit programmer in front (the single command tool's "Program VXA").
    void showAlarmUnitProgrammer();

    ControllerLink link;
    // The telephony device in front of the modem port.
    AtTelephony tapi1;
    ShellState state;
    std::unique_ptr<Tmainform> mainform;
    std::unique_ptr<Tsetform> setform;
    std::unique_ptr<TCurrentform> currentform;
    std::unique_ptr<Tgraphform> graphform;
    std::unique_ptr<Thelpform> helpform;
    std::unique_ptr<TReadform> readform;
    std::unique_ptr<Tvxaform> vxaform;
    std::unique_ptr<TForm1> debugform;
    // A dialog of the main window: it goes before the main window does.
    std::unique_ptr<TOptionsForm> optionsform;

signals:
    // The main window closed and the other windows are gone: the program ends.
    void finished();

private:
    void createWindows(const ProgramServices& services);
    void connectWindows();
    // A check button of the tool bar that shows and hides a window: down while it is shown.
    void connectToolWindow(int button, std::function<bool()> showOrHide);
    void releaseToolButton(int button);
    void toggleViewer(const QString& fileName);
    void connectBeeps();
    void toggleHelp();
    void shutDown();

    const WallClock& clock_;
    PortMap& portMap_;
};
