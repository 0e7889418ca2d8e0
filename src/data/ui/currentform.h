#pragma once

#include "common/languagefonts.h"
#include "common/ui/textbindings.h"
#include "data/currentreporttexts.h"
#include "data/identity.h"
#include "link/controllerlink.h"

#include <QWidget>

class CurrentPicture;
class QLabel;
class QProgressBar;
class QTableWidget;

// The current-state window: what the controller is doing now, decoded from the memory image,
// and a table of its status values. Clicks on the picture read the current state again, on the
// table the status values. Values of a sequence never read without failure show as dashes, and
// a read that fails says so in the window.
class TCurrentform : public QWidget {
    Q_OBJECT
public:
    static constexpr int StatusRows = 17;

    TCurrentform(ControllerLink& link, ControllerIdentity& identity, CurrentReportTexts& texts,
                 const LanguageFonts& fonts, QWidget* parent = nullptr);

    void labelupdate();
    void getcurrent();
    // The main window's current-state button: hide when shown, else show, read when no current
    // state has been read in this run, and focus.
    void ToolButton4Click();

    CurrentPicture* picture;
    QLabel *Typelab, *nomvlab, *Statelab, *soclab;
    // The currents and amp-hours of the day: a title label and its value label each.
    QLabel *Chargetitle, *Chargelab, *Chargelab2, *Loadtitle, *Loadlab, *Loadlab2;
    QLabel *batvlab, *maxminlab, *templab;
    QLabel *Camphrtitle, *Camphrlab, *camphrlab2, *Lamphrtitle, *Lamphrlab, *lamphrlab2;
    QLabel *inlab, *outlab;
    QLabel *Waitlab, *Waitlab1;
    QProgressBar* curprogress;
    // Between the picture and the table: why the last read did not bring the values.
    QLabel* Faillab;
    QTableWidget* Curstring;

signals:
    // The window was closed by its own close box: the main window raises its button.
    void closed();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createLabels();
    void placeLabels();
    void createFailureLine();
    void createStatusTable();
    void layOut();
    void bindTexts();
    void connectLink();
    void applyLanguage();
    void applyFonts();
    void redraw();
    void showPanel(const struct CurrentStateTexts& texts);
    void placeTitledValues();
    void showStatusValues(const struct CurrentStateTexts& texts);
    void showFailure();
    void showWaitBox(int steps);
    void hideWaitBox();
    void CurstringMouseDown();
    void FormActivate();
    void startRead(int readType);
    void readEnded(int readType, ReadOutcome outcome);
    QLabel* label(int left, int top, int width = 0, int height = 0);

    ControllerLink& link_;
    ControllerIdentity& identity_;
    CurrentReportTexts& reportTexts_;
    const LanguageFonts& fonts_;
    TextBindings texts_;
    // Labels placed without a width grow with their text; those with a width alone take the
    // height of their font.
    std::vector<QLabel*> autoSized_;
    std::vector<QLabel*> heightFromFont_;
    // Whether a current-state and a status read have ended without failure in this run.
    bool currentRead_ = false;
    bool statusRead_ = false;
    // What the window says about its last read, none after a read that went well.
    const TextRow* failure_ = nullptr;
};
