#include "shell/ui/mainform.h"

#include "common/ui/languagefont.h"
#include "common/ui/richtextview.h"
#include "data/logfile.h"
#include "data/viewertexts.h"
#include "link/portfailuretexts.h"
#include "link/ui/comportedit.h"
#include "link/ui/dialpanel.h"
#include "link/ui/fastrepliesbox.h"
#include "link/ui/portpanel.h"
#include "link/ui/singlepanel.h"
#include "shell/configmigration.h"
#include "shell/configurationio.h"
#include "shell/fontchoice.h"
#include "shell/logpaneltexts.h"
#include "shell/mainwindowtexts.h"
#include "shell/savepaneltexts.h"
#include "shell/startup.h"
#include "shell/ui/exitpanel.h"
#include "shell/ui/languagegroup.h"
#include "shell/ui/logpanel.h"
#include "shell/ui/maintoolbar.h"
#include "shell/ui/savepanel.h"
#include "shell/ui/showhintinstatusbar.h"
#include "shell/ui/sitepanel.h"
#include "shell/ui/statusbar.h"
#include "shell/ui/toolbarimages.h"
#include "shell/ui/vxsetpanel.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTextDocument>
#include <QToolButton>
#include <algorithm>

namespace {

// Controls that take the language's face keep this size of their own.
constexpr int FaceControlPointSize = 9;

} // namespace

Tmainform::Tmainform(ControllerLink& link, ShellState& state, MainWindowServices services,
                     QWidget* parent)
    : QWidget(parent), link_(link), state_(state), services_(std::move(services)),
      saveFlow_(this, link, state, services_.messageBoxes, services_.clock,
                services_.saveLocations) {
    createControls();
    bindTexts();
    connectControls();
    FormCreate();
}

void Tmainform::createControls() {
    toolBar = new MainToolBar(this);
    sitebutton = new QToolButton(this);
    sitebutton->setAutoRaise(true);
    Statusb = new StatusBar(link_.status, this);
    exitpanel = new ExitPanel(this);
    Langgroup = new LanguageGroup(this);
    companel = new PortPanel(link_.ports, link_.state, link_.modem(), services_.portMap,
                             services_.serialPorts, this);
    companel->hide();
    Dialpanel = new DialPanel(link_.modem(), this);
    Dialpanel->hide();
    sitepanel = new SitePanel(this);
    Savepanel = new SavePanel(this);
    Savepanel->hide();
    Logpanel = new LogPanel(this);
    Logpanel->hide();
    vxsetpanel = new VxsetPanel(this);
    singlePanel = new Singlepanel(link_, services_.confirmer, this);
    puTools = new QMenu(this);
    connect(puTools->addAction(QStringLiteral("&Send Single Command")), &QAction::triggered, this,
            &Tmainform::DisplaySingleCommandWindow);
    Options1 = puTools->addAction(QStringLiteral("&Options"));
    faceControls_ = {exitpanel->exitlab};
    faceControls_ += companel->faceControls();
    faceControls_ += Dialpanel->faceControls();
    faceControls_ << Statusb << vxsetpanel->setcancelbut << Savepanel->vxsetbutton
                  << vxsetpanel->setsavebbut << vxsetpanel->setgetbbut << vxsetpanel;
    for (QWidget* control : faceControls_) {
        QFont font = control->font();
        font.setPointSize(FaceControlPointSize);
        control->setFont(font);
    }
    hintFilter_ = new ShowHintInStatusBar(link_.status, this);
}

void Tmainform::bindTexts() {
    using namespace MainText;
    texts_.captionAndHint(exitpanel->exitlab, exitlab);
    texts_.captionAndHint(companel->Directlab, Directlab);
    texts_.captionAndHint(companel->Baudlab, Baudlab);
    texts_.captionAndHint(companel->Portlab, Portlab);
    texts_.captionAndHint(companel->Mportlab, Mportlab);
    texts_.captionAndHint(companel->Modemlab, Modemlab);
    texts_.caption(companel->Timedelaylab, Timedelaylab);
    texts_.hint(companel->ebModemComPortNum, ebModemComPortNumHint);
    texts_.caption(companel->fastReplies, fastReplies);
    texts_.hint(companel->fastReplies, fastRepliesHint);
    texts_.hint(Statusb, StatusbHint);
    texts_.hint(Langgroup, LanggroupHint);
    for (int number = 1; number <= 12; ++number)
        texts_.hint(toolBar->button(number), ToolButtonHints[static_cast<size_t>(number - 1)]);
    texts_.hint(companel->baudbox, baudboxHint);
    texts_.hint(companel->ebDirectComPortNum, ebDirectComPortNumHint);
    texts_.hint(Langgroup->fontselbut, fontselbutHint);
    texts_.hint(Savepanel->fileedit, SaveText::fileeditHint);
    texts_.hint(Savepanel->Readbutton, SaveText::ReadbuttonHint);
    texts_.hint(Savepanel->Savebutton, SaveText::SavebuttonHint);
    texts_.hint(Savepanel->vxsetbutton, vxsetbuttonHint);
    texts_.caption(Savepanel->Currsavecheck, SaveText::Currsavecheck);
    texts_.hint(Savepanel->Currsavecheck, SaveText::CurrsavecheckHint);
    texts_.caption(Savepanel->Datasavecheck, SaveText::Datasavecheck);
    texts_.hint(Savepanel->Datasavecheck, SaveText::DatasavecheckHint);
    texts_.caption(Savepanel->Setsavecheck, SaveText::Setsavecheck);
    texts_.hint(Savepanel->Setsavecheck, SaveText::SetsavecheckHint);
    texts_.caption(Savepanel->Calsavecheck, SaveText::Calsavecheck);
    texts_.hint(Savepanel->Calsavecheck, SaveText::CalsavecheckHint);
    texts_.hint(Logpanel, LogText::PanelHint);
    texts_.hint(Logpanel->logedit, LogText::logeditHint);
    texts_.caption(Logpanel->dialupcheck, LogText::dialupcheck);
    texts_.caption(Logpanel->Samplecheck, LogText::Samplecheck);
    texts_.hint(Logpanel->rateedit, LogText::rateeditHint);
    texts_.caption(Logpanel->Ratelab, LogText::Ratelab);
    texts_.hint(Logpanel->Logread, LogText::LogreadHint);
    texts_.hint(Logpanel->Lognumedit, LogText::LognumeditHint);
    texts_.hint(vxsetpanel, vxsetpanelHint);
    texts_.hint(vxsetpanel->setsavebbut, setsavebbutHint);
    texts_.hint(vxsetpanel->setgetbbut, setgetbbutHint);
    texts_.hint(vxsetpanel->setcancelbut, setcancelbutHint);
    bindDialTexts();
}

void Tmainform::connectControls() {
    connect(toolBar->button(1), &QToolButton::clicked, this, &Tmainform::ToolButton1Click);
    connect(toolBar->button(2), &QToolButton::clicked, this, &Tmainform::ToolButton2Click);
    connect(toolBar->button(7), &QToolButton::clicked, this, [this] {
        // In debug mode the button opens its menu and does nothing else.
        if (!link_.state.DebugMode)
            DisplaySingleCommandWindow();
    });
    connect(toolBar->button(8), &QToolButton::clicked, this, &Tmainform::ToolButton8Click);
    connect(toolBar->button(10), &QToolButton::clicked, this, &Tmainform::ToolButton10Click);
    connect(toolBar->button(11), &QToolButton::clicked, this, &Tmainform::ToolButton11Click);
    connect(toolBar->button(12), &QToolButton::clicked, this, [this] { togglePanel(Logpanel); });
    connect(Savepanel->Printbutton, &QPushButton::clicked, this, &Tmainform::PrintbuttonClick);
    connect(Savepanel->Savebutton, &QPushButton::clicked, this, &Tmainform::SavebuttonClick);
    connect(Savepanel->btnSave, &QToolButton::clicked, this, &Tmainform::btnSaveClick);
    connect(Savepanel->fileedit, &QLineEdit::textChanged, this,
            [this](const QString& name) { state_.configuration.SaveFileName = name; });
    // Data of a kind has arrived, even from a read that failed: its section may be saved.
    connect(
        &link_, &ControllerLink::readEnded, Savepanel, [this](int readType, ReadOutcome outcome) {
            Savepanel->enableForRead(readType);
            // Other reads are refused while the log's run, so these two are the log's.
            if (logReadRunning_ && (readType == ReadKind::Current || readType == ReadKind::Status))
                logReadFailed_ = logReadFailed_ || outcome != ReadOutcome::Completed;
        });
    connect(Savepanel->vxsetbutton, &QToolButton::clicked, this, &Tmainform::vxsetbuttonClick);
    connect(vxsetpanel->setcancelbut, &QToolButton::clicked, this, &Tmainform::setcancelbutClick);
    connect(vxsetpanel->setsavebbut, &QToolButton::clicked, this, &Tmainform::setsavebbutClick);
    connect(vxsetpanel->setgetbbut, &QToolButton::clicked, this, &Tmainform::setgetbbutClick);
    connect(sitebutton, &QToolButton::clicked, this, &Tmainform::sitebuttonClick);
    connect(Options1, &QAction::triggered, this, &Tmainform::Options1Click);
    connect(singlePanel, &Singlepanel::siteModeChanged, this, &Tmainform::showSiteTexts);
    connect(exitpanel->exityesBitBtn, &QToolButton::clicked, this, &QWidget::close);
    connect(exitpanel->exitnoBitBtn, &QToolButton::clicked, this, [this] {
        exitpanel->hide();
        fitToVisibleControls();
    });
    connect(Langgroup, &LanguageGroup::languageClicked, this, &Tmainform::englishselectClick);
    connect(Langgroup->fontselbut, &QToolButton::clicked, this, &Tmainform::fontselbutClick);
    connect(sitepanel->Sitespin, &QSpinBox::valueChanged, this, &Tmainform::SitespinChange);
    connect(&Timer1, &QTimer::timeout, this, &Tmainform::Timer1Timer);
    connect(&link_, &ControllerLink::commFailed, this, [this](Requester requester) {
        if (requester == Requester::MainWindow)
            logReadRunning_ = false;
        if (link_.state.DirectMode && !link_.ports.Comport1.isOpen())
            showPortFailure(link_.ports.Comport1.failure());
    });
    for (SerialPort* port : {&link_.ports.Comport1, &link_.ports.Comport2})
        connect(port, &SerialPort::portFailed, this, &Tmainform::showPortFailure);
    connectDialControls();
}

// Settings come from the store; the shared state starts afresh; the ports, the language and the
// debug mode are set. Reads stay refused until the timer's first tick.
void Tmainform::FormCreate() {
    link_.state.StartupPending = true;
    if (services_.oldKeys != nullptr)
        MigrateOldSettings(*services_.oldKeys);
    readConfiguration();
    resetWorkingState(link_, state_);
    qApp->installEventFilter(hintFilter_);
    configurePorts(link_);
    ArrangeMainWindow();
    sitepanel->Sitespin->setValue(link_.state.siteNumber);
    SitespinChange(link_.state.siteNumber);
    Langgroup->tick(link_.state.LanguageIndex);
    englishselectClick();
    state_.version.emplace(services_.programVersion);
    ApplyLanguage();
    companel->showLinkValues();
    decideDebugMode();
    Timer1.start(1000);
}

void Tmainform::readConfiguration() {
    state_.configuration = ::readConfiguration(services_.store);
    applyConfiguration(state_.configuration, link_, state_.identity, services_.portMap);
    const auto& fonts = state_.configuration.fonts;
    FontDialog1 = languageFont(fonts, link_.state.LanguageIndex);
    const SaveOptions& save = state_.configuration.save;
    Savepanel->setChecked(
        {save.currentData, save.dayData, save.settingsData, save.calibrationData});
    Savepanel->fileedit->setText(state_.configuration.SaveFileName);
    Logpanel->Samplecheck->setChecked(save.sampleEnabled);
    Logpanel->SamplecheckClick();
    Logpanel->rateedit->setValue(state_.configuration.periodicLogRate);
    Logpanel->logedit->setText(state_.configuration.logFile);
    Logpanel->Lognumedit->setText(state_.configuration.logNumber);
    schedule_.LogCountdown = Logpanel->rateedit->value();
    readDialConfiguration();
}

void Tmainform::ArrangeMainWindow() {
    setGeometry(0, 0, Width, 96);
    toolBar->setGeometry(0, 0, 582, 44);
    sitebutton->setGeometry(588, 2, MainToolBar::ButtonWidth, MainToolBar::ButtonHeight);
    Statusb->setGeometry(0, 44, 632, 22);
    exitpanel->setGeometry(0, 40, 73, 120);
    Langgroup->setGeometry(40, 40, 65, 177);
    sitepanel->setGeometry(510, 48, 129, 89);
    companel->setGeometry(330, 66, PortPanel::Width, PortPanel::Height);
    Dialpanel->setGeometry(284, 66, DialPanel::Width, DialPanel::PlainHeight);
    Savepanel->setGeometry(368, 40, SavePanel::Width, SavePanel::SaveLayoutHeight);
    Logpanel->setGeometry(325, 66, LogPanel::Width, LogPanel::Height);
    vxsetpanel->setGeometry(380, 45, 106, 144);
    singlePanel->setGeometry(380, 66, Singlepanel::Width, Singlepanel::Height);
    fitToVisibleControls();
}

// The window is as high as its lowest visible control.
void Tmainform::fitToVisibleControls() {
    int bottom = 0;
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->isHidden() && !child->isWindow()) // not the options dialog
            bottom = std::max(bottom, child->geometry().bottom() + 1);
    setFixedSize(Width, bottom);
}

void Tmainform::togglePanel(QWidget* panel) {
    panel->setVisible(panel->isHidden());
    panel->raise();
    fitToVisibleControls();
}

void Tmainform::Timer1Timer() {
    const QDateTime now = services_.clock.now();
    link_.status.setText(StatusPanels::Clock,
                         now.toString(QStringLiteral("HH:mm:ss")) + QStringLiteral("   ") +
                             QLocale().toString(now.date(), QLocale::ShortFormat));
    link_.state.StartupPending = false;
    link_.ports.comstatusupdate();
    followLogRate();
    link_.watchdogStep();
    link_.modem().timerStep();
    if (link_.log.LogReady) {
        link_.log.LogReady = false;
        writeLogEntry();
    }
    if (schedule_.hourStep(now.time().hour(), link_.isBusy(), Logpanel->Samplecheck->isChecked(),
                           Logpanel->rateedit->value()))
        logDue();
}

void Tmainform::followLogRate() {
    Logpanel->rateedit->setEnabled(Logpanel->Samplecheck->isChecked());
    schedule_.followRate(Logpanel->rateedit->value());
    Logpanel->Waittimelab->setText(QStringLiteral("  ") + QString::number(schedule_.LogCountdown));
}

// The log reads the current state, then the status, on behalf of the main window; the entry is
// written at the tick after both have ended.
void Tmainform::startLogRead() {
    if (!link_.state.DirectMode && !link_.state.ModemConnected)
        return;
    link_.log.secondPart = false;
    link_.log.LogReady = false;
    logReadFailed_ = false;
    logReadRunning_ =
        link_.startRead(ReadKind::Current, Requester::MainWindow) == ReadStart::Started;
}

void Tmainform::writeLogEntry() {
    const int language = link_.state.LanguageIndex;
    const QDateTime now = services_.clock.now();
    const QLocale locale = QLocale::system();
    const QString path = logFilePath();
    csv_.setFileName(prepareSaveFileName(QStringLiteral("LOGFILE.CSV"), services_.saveLocations));
    QString error;
    const LogWriteResult result =
        ::writeLogEntry(path, csv_,
                        {link_.image, state_.identity, language, reportDateText(now, locale),
                         reportTimeText(now, locale), logReadFailed_},
                        &error);
    logReadRunning_ = false;
    const QString shown = QDir::toNativeSeparators(path);
    QString message = text(LogText::Logged, language).arg(shown);
    if (result == LogWriteResult::DiskFull) {
        message = text(LogText::DiskFull, language);
        emit beep(3);
    } else if (result == LogWriteResult::Failed) {
        message = text(LogText::NotLogged, language).arg(shown, error);
    }
    link_.status.setText(StatusPanels::Link, message);
    if (result != LogWriteResult::Written)
        link_.trace.append(message);
}

QString Tmainform::logFilePath() const {
    return prepareSaveFileName(Logpanel->logedit->text(), services_.saveLocations);
}

void Tmainform::ToolButton1Click() {
    togglePanel(exitpanel);
    exitpanel->Versionlab->setText(state_.version ? state_.version->text() : QString());
    if (link_.state.DebugMode && exitpanel->isVisible())
        emit debugWindowWanted();
}

void Tmainform::ToolButton2Click() {
    togglePanel(Langgroup);
}

void Tmainform::DisplaySingleCommandWindow() {
    togglePanel(singlePanel);
    if (singlePanel->isVisible())
        singlePanel->shown();
}

void Tmainform::ToolButton8Click() {
    togglePanel(companel);
    if (companel->isVisible())
        companel->modemselectset();
}

void Tmainform::ToolButton10Click() {
    toggleSavePanel(false);
    if (Savepanel->isVisible())
        Savepanel->SaveButtonAvailableExecute();
}

QString Tmainform::reportFilePath() const {
    return resolveSaveFileName(Savepanel->fileedit->text(), services_.saveLocations);
}

void Tmainform::ToolButton11Click() {
    toggleSavePanel(true);
}

// Opens the save panel in its save or print form, or closes it; the settings-file panel it
// opens goes with it.
void Tmainform::toggleSavePanel(bool printForm) {
    if (Savepanel->isHidden()) {
        if (printForm)
            Savepanel->usePrintLayout();
        else
            Savepanel->useSaveLayout();
    }
    togglePanel(Savepanel);
    showSavePanelHint();
    if (Savepanel->isHidden()) {
        vxsetpanel->hide();
        fitToVisibleControls();
    }
}

void Tmainform::showSavePanelHint() {
    const TextRow& hint =
        Savepanel->printLayout() ? ViewerText::ReportPrintTitle : MainText::SavepanelHint;
    setHint(Savepanel, text(hint, link_.state.LanguageIndex));
}

// Prints the report of the chosen sections, or its heading alone; no file is written.
void Tmainform::PrintbuttonClick() {
    RichDocument document;
    RichComposer edit(document);
    saveFlow_.compose(edit, Savepanel->chosenSections(), state_.configuration.SaveFileName);
    QTextDocument printed;
    fillTextDocument(printed, document);
    services_.printer.print(this, printed,
                            text(ViewerText::ReportPrintTitle, link_.state.LanguageIndex));
}

void Tmainform::SavebuttonClick() {
    saveFlow_.SavebuttonClick(Savepanel->chosenSections(), state_.configuration.SaveFileName);
}

void Tmainform::btnSaveClick() {
    services_.saveDialogs.askSaveFileName(this, windowTitle(), state_.configuration.SaveFileName,
                                          QString(), [this](const QString& chosen) {
                                              Savepanel->fileedit->setText(chosen);
                                              SavebuttonClick();
                                          });
}

// In site mode the button opens the site panel; otherwise it logs at once.
void Tmainform::sitebuttonClick() {
    if (!link_.state.SiteMode) {
        link_.log.LogPending = true;
        startLogRead();
        return;
    }
    togglePanel(sitepanel);
    sitebutton->setText(QString::number(sitepanel->Sitespin->value()));
}

// Another site is another controller: its settings have to be read before they are shown.
void Tmainform::SitespinChange(int site) {
    link_.state.siteNumber = site;
    // What was read belongs to the controller at the old site.
    Savepanel->disableAll();
    link_.valid.forgetSettings();
    if (link_.state.SiteMode)
        sitebutton->setText(QString::number(site));
}

void Tmainform::englishselectClick() {
    link_.state.LanguageIndex = Langgroup->tickedLanguage();
    Langgroup->hide();
    ApplyLanguage();
    fitToVisibleControls();
}

void Tmainform::fontselbutClick() {
    services_.fontChooser.chooseFont(this, FontDialog1, [this](std::optional<QFont> chosen) {
        if (chosen) {
            storeChosenFont(state_.configuration.fonts, link_.state.LanguageIndex, chosen->family(),
                            chosen->pointSize());
            FontDialog1 = *chosen;
        }
        Langgroup->hide();
        ApplyLanguage();
        fitToVisibleControls();
    });
}

void Tmainform::ApplyLanguage() {
    const int language = link_.state.LanguageIndex;
    const auto& fonts = state_.configuration.fonts;
    setFont(languageFont(fonts, language));
    for (QWidget* control : faceControls_)
        applyFace(control, fonts, language);
    showSiteTexts();
    QString caption = text(MainText::ProductCaption, language);
    if (state_.version)
        caption += QLatin1Char(' ') + state_.version->text();
    setWindowTitle(caption);
    toolBar->setImage(2, ToolImage::FirstFlag + std::clamp(language, 0, 3));
    texts_.apply(language);
    showDialHeaders();
    singlePanel->ApplyLanguage();
    showSavePanelHint();
}

void Tmainform::SendSingleNumberKind(int kind) {
    singleNumberKind_ = kind;
    singlePanel->SendSingleNumberKindExecute(kind);
    emit singleNumberKindChanged(kind);
}

// In site mode the site button shows the site number and opens the site panel; otherwise it
// forces a periodic log.
void Tmainform::showSiteTexts() {
    const int language = link_.state.LanguageIndex;
    if (link_.state.SiteMode) {
        sitebutton->setText(QString::number(sitepanel->Sitespin->value()));
        setHint(sitebutton, text(MainText::SelectSiteHint, language));
        setHint(sitepanel, text(MainText::SelectSiteHint, language));
        sitepanel->Sitelab->setText(text(MainText::Sitelab, language));
    } else {
        sitebutton->setText(text(MainText::LogCaption, language));
        setHint(sitebutton, text(MainText::ForceLogHint, language));
    }
}

void Tmainform::decideDebugMode() {
    link_.state.DebugMode = debugModeFromArguments(services_.arguments);
    toolBar->setToolsMenu(link_.state.DebugMode ? puTools : nullptr);
}

// Tells why a port could not be used: missing, taken by another program, or (on Linux) not
// open to the user, with what to do about it.
void Tmainform::showPortFailure(const PortFailure& failure) {
    const QString reason = portFailureText(failure, link_.state.LanguageIndex);
    if (!reason.isEmpty())
        link_.status.setText(StatusPanels::Link, reason);
}

void Tmainform::FormClose() {
    const auto checked = Savepanel->checkedStates();
    SaveOptions& save = state_.configuration.save;
    save.currentData = checked.at(0);
    save.dayData = checked.at(1);
    save.settingsData = checked.at(2);
    save.calibrationData = checked.at(3);
    save.sampleEnabled = Logpanel->Samplecheck->isChecked();
    state_.configuration.periodicLogRate = Logpanel->rateedit->value();
    state_.configuration.logFile = Logpanel->logedit->text();
    collectDialConfiguration();
    collectConfiguration(state_.configuration, link_, state_.identity, services_.portMap);
    writeConfiguration(services_.store, state_.configuration);
    link_.ports.Comport1.close();
    link_.ports.Comport2.close();
    Timer1.stop();
    emit formClosed();
}

void Tmainform::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}
