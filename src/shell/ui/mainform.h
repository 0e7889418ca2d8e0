#pragma once

#include "common/ui/dialogseams.h"
#include "common/ui/textbindings.h"
#include "data/csvwriter.h"
#include "data/logentrycomposer.h"
#include "data/logschedule.h"
#include "data/reportfile.h"
#include "link/controllerlink.h"
#include "platform/configstore.h"
#include "platform/portmap.h"
#include "platform/serialportlister.h"
#include "platform/wallclock.h"
#include "shell/shellstate.h"
#include "shell/ui/reportsaveflow.h"
#include "shell/ui/savedialogs.h"

#include <QTimer>
#include <QWidget>

class DialPanel;
class ExitPanel;
class QAction;
class LogPanel;
class LanguageGroup;
class MainToolBar;
class PortPanel;
class QMenu;
class QToolButton;
class SavePanel;
class ShowHintInStatusBar;
class Singlepanel;
class SitePanel;
class StatusBar;
class VxsetPanel;

// What the main window is given from outside: the configuration store (and, where an older
// layout of it can exist, the key tree to move it from), the port devices, the font dialog, the
// clock, the command line, the program's version, the message boxes, the file dialogs, the printer
// and where files are saved.
struct MainWindowServices {
    ConfigStore& store;
    ConfigKeyTree* oldKeys;
    PortMap& portMap;
    const SerialPortLister& serialPorts;
    FontChooser& fontChooser;
    Confirmer& confirmer;
    const WallClock& clock;
    QStringList arguments; // after the program name
    QString programVersion;
    MessageBoxes& messageBoxes;
    SaveDialogs& saveDialogs;
    DocumentPrinter& printer;
    SaveLocations saveLocations;
};

// The main window: the tool bar with the command set, the status bar, the small panels the
// commands open, and the one-second timer. It reads the configuration when it is created and
// writes it when it closes.
class Tmainform : public QWidget {
    Q_OBJECT
public:
    static constexpr int Width = 640;

    Tmainform(ControllerLink& link, ShellState& state, MainWindowServices services,
              QWidget* parent = nullptr);

    void Timer1Timer();
    // The file the save panel names, where saving puts it.
    QString reportFilePath() const;
    // The log file, where entries are written.
    QString logFilePath() const;
    void ApplyLanguage();
    // The single command tool's address and data entry: decimal (0) or hexadecimal (1).
    void SendSingleNumberKind(int kind);
    int singleNumberKind() const { return singleNumberKind_; }

    MainToolBar* toolBar;
    QToolButton* sitebutton;
    StatusBar* Statusb;
    ExitPanel* exitpanel;
    LanguageGroup* Langgroup;
    PortPanel* companel;
    DialPanel* Dialpanel;
    SitePanel* sitepanel;
    Singlepanel* singlePanel;
    SavePanel* Savepanel;
    LogPanel* Logpanel;
    VxsetPanel* vxsetpanel;
    QMenu* puTools;
    QAction* Options1;
    QTimer Timer1;

signals:
    // The exit panel opened in debug mode.
    void debugWindowWanted();
    // The configuration is written and the ports closed: the other windows go now.
    void formClosed();
    // A settings file replaced the memory image and every settings page counts as read.
    void settingsFileLoaded();
    void beep(int count);
    // The "&Options" menu item: the options dialog is wanted.
    void Options1Click();
    // The number format of the single command tool changed; the tool follows it.
    void singleNumberKindChanged(int kind);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void bindTexts();
    void connectControls();
    void FormCreate();
    void readConfiguration();
    void ArrangeMainWindow();
    void FormClose();
    void fitToVisibleControls();
    void togglePanel(QWidget* panel);
    void ToolButton1Click();
    void ToolButton2Click();
    void ToolButton8Click();
    // The dial panel, the modem's part of the port and log panels (mainformdial.cpp).
    void ToolButton9Click();
    void bindDialTexts();
    void connectDialControls();
    void readDialConfiguration();
    void collectDialConfiguration();
    void showConnection(bool connected);
    // The phone book's headers and the port panel's modem controls in the language.
    void showDialHeaders();
    void logDue();
    void ToolButton10Click();
    void ToolButton11Click();
    void toggleSavePanel(bool printForm);
    void PrintbuttonClick();
    void showSavePanelHint();
    void followLogRate();
    void startLogRead();
    void writeLogEntry();
    void SavebuttonClick();
    void btnSaveClick();
    void DisplaySingleCommandWindow();
    void sitebuttonClick();
    void SitespinChange(int site);
    void englishselectClick();
    void fontselbutClick();
    void showSiteTexts();
    void decideDebugMode();
    void showPortFailure(const PortFailure& failure);

    // The settings-file panel.
    void vxsetbuttonClick();
    void setcancelbutClick();
    void setsavebbutClick();
    void setgetbbutClick();
    void saveSettings(const QString& path);
    void loadSettings(const QString& path);
    QString settingsFilter() const;

    ControllerLink& link_;
    ShellState& state_;
    MainWindowServices services_;
    ReportSaveFlow saveFlow_;
    LogSchedule schedule_{2};
    T_objCSV csv_{LogColumnCount, QStringLiteral("LOGFILE.CSV")};
    // The log's two reads run, and whether one of them failed.
    bool logReadRunning_ = false;
    bool logReadFailed_ = false;
    TextBindings texts_;
    QList<QWidget*> faceControls_;
    ShowHintInStatusBar* hintFilter_;
    // The font dialog starts from the last font chosen, or the start-up language's font.
    QFont FontDialog1;
    int singleNumberKind_ = 0;
};
