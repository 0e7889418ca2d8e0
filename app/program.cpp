#include "program.h"

#include "link/trace.h"
#include "link/ui/portpanel.h"
#include "shell/configurationio.h"
#include "shell/ui/logpanel.h"
#include "shell/ui/maintoolbar.h"
#include "shell/ui/savepanel.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolButton>

Program::Program(const ProgramServices& services)
    : link(services.direct, services.modem, services.clock), store_(services.store),
      clock_(services.clock), portMap_(services.portMap) {
    createWindows(services);
    connectWindows();
    connectBeeps();
    placeMainWindow();
}

Program::~Program() = default;

// Creation order: the main window, the settings window, the current state, the graphs, help,
// the file viewer, the alarm unit, the debug window and the options dialog. The help, viewer,
// alarm-unit and options windows join this order as they are built.
void Program::createWindows(const ProgramServices& services) {
    mainform = std::make_unique<Tmainform>(
        link, state,
        MainWindowServices{services.store, services.oldKeys, services.portMap, services.serialPorts,
                           services.fontChooser, services.clock, services.arguments,
                           services.programVersion, services.messageBoxes, services.saveDialogs,
                           services.printer, services.saveLocations});
    setform = std::make_unique<Tsetform>(link, state.identity, state.configuration.fonts,
                                         services.confirmer);
    currentform = std::make_unique<TCurrentform>(link, state.identity, state.currentTexts,
                                                 state.configuration.fonts);
    graphform = std::make_unique<Tgraphform>(link, state.configuration.fonts, state.graph,
                                             services.saveDialogs);
    readform = std::make_unique<TReadform>(link.state.LanguageIndex, state.configuration.fonts,
                                           services.printer);
    debugform = std::make_unique<TForm1>(link.trace, services.confirmer);
}

void Program::connectWindows() {
    connectToolWindow(4, [this] {
        currentform->ToolButton4Click();
        return currentform->isVisible();
    });
    connect(currentform.get(), &TCurrentform::closed, this, [this] { releaseToolButton(4); });
    connectToolWindow(5, [this] { return graphform->showOrHide(); });
    connect(graphform.get(), &Tgraphform::FormClose, this, [this] { releaseToolButton(5); });
    connectToolWindow(6, [this] {
        setform->toggleFromToolButton();
        return setform->isVisible();
    });
    connect(setform.get(), &Tsetform::FormClose, this, [this] { releaseToolButton(6); });
    connect(mainform.get(), &Tmainform::settingsFileLoaded, setform.get(),
            &Tsetform::settingsFileLoaded);
    connect(mainform.get(), &Tmainform::debugWindowWanted, debugform.get(), [this] {
        if (debugform->DebugWindowActive())
            return;
        debugform->show();
        debugform->appendline(traceTimestamp(clock_.now()) +
                              QStringLiteral(" Debug Window Opened"));
    });
    // The viewer shows the report or the log, read afresh each time it opens; a click while it
    // shows either file hides it.
    connect(mainform->Savepanel->Readbutton, &QPushButton::clicked, this,
            [this] { toggleViewer(mainform->reportFilePath()); });
    connect(mainform->Logpanel->Logread, &QPushButton::clicked, this,
            [this] { toggleViewer(mainform->logFilePath()); });
    connect(mainform.get(), &Tmainform::formClosed, this, &Program::shutDown);
}

void Program::connectToolWindow(int button, std::function<bool()> showOrHide) {
    QToolButton* toolButton = mainform->toolBar->button(button);
    connect(
        toolButton, &QToolButton::clicked, this,
        [toolButton, showOrHide = std::move(showOrHide)] { toolButton->setChecked(showOrHide()); });
}

void Program::toggleViewer(const QString& fileName) {
    if (readform->isVisible()) {
        readform->hide();
        return;
    }
    readform->FormActivate(fileName);
    readform->show();
}

void Program::releaseToolButton(int button) {
    mainform->toolBar->button(button)->setChecked(false);
}

void Program::useDirectDeviceForRun(const QString& device) {
    portMap_.setRunDevice(link.ports.DirectPortNumber, device);
    link.ports.Comport1.close();
    mainform->companel->showLinkValues();
}

// Beeps one after the other, so that two or three are heard as such.
void Program::connectBeeps() {
    const auto beep = [](int count) {
        for (int index = 0; index < count; ++index)
            QTimer::singleShot(index * 200, qApp, [] { QApplication::beep(); });
    };
    connect(&link.ports, &LinkPorts::beep, this, beep);
    connect(&link, &ControllerLink::beep, this, beep);
    connect(setform.get(), &Tsetform::beep, this, beep);
    connect(readform.get(), &TReadform::beep, this, beep);
    connect(mainform.get(), &Tmainform::beep, this, beep);
}

// The stored position, unless no screen shows it any more.
void Program::placeMainWindow() {
    options_ = readWindowOptions(store_);
    link.setVerifyWrites(options_.VerifyWrites);
    link.state.fastReplies = options_.FastReplies;
    mainform->companel->showLinkValues();
    const QPoint stored(options_.MainFormLeft, options_.MainFormTop);
    if (QGuiApplication::screenAt(stored + QPoint(20, 20)) == nullptr) {
        options_.MainFormLeft = WindowOptions{}.MainFormLeft;
        options_.MainFormTop = WindowOptions{}.MainFormTop;
    }
    mainform->move(options_.MainFormLeft, options_.MainFormTop);
}

void Program::shutDown() {
    setform.reset();
    currentform.reset();
    graphform.reset();
    readform.reset();
    debugform.reset();
    options_.MainFormLeft = mainform->x();
    options_.MainFormTop = mainform->y();
    options_.FastReplies = link.state.fastReplies;
    writeWindowOptions(store_, options_);
    emit finished();
}
