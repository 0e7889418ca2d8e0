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
// table the status values.
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
    QLabel *Chargelab, *Chargelab2, *Loadlab, *Loadlab2;
    QLabel *batvlab, *maxminlab, *templab;
    QLabel *Camphrlab, *camphrlab2, *Lamphrlab, *lamphrlab2;
    QLabel *inlab, *outlab;
    QLabel *Waitlab, *Waitlab1;
    QProgressBar* curprogress;
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
    void createStatusTable();
    void bindTexts();
    void connectLink();
    void applyLanguage();
    void applyFonts();
    void redraw();
    void showTexts(const struct CurrentStateTexts& texts);
    void showWaitBox(int steps);
    void hideWaitBox();
    void CurstringMouseDown();
    void FormActivate();
    void startRead(int readType);
    QLabel* label(int left, int top, int width = 0, int height = 0);

    ControllerLink& link_;
    ControllerIdentity& identity_;
    CurrentReportTexts& reportTexts_;
    const LanguageFonts& fonts_;
    TextBindings texts_;
    std::vector<QLabel*> autoSized_;
};
