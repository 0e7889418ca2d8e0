#pragma once

#include "common/languagefonts.h"
#include "common/ui/dialogseams.h"
#include "data/identity.h"
#include "link/controllerlink.h"
#include "settings/calibration.h"

#include <QWidget>
#include <array>

class QFrame;
class QLabel;
class QPushButton;
class QToolButton;
class StringColumn;

// The settings window: one page of controller settings at a time as name, value and unit
// columns, or the calibration page with its gain and offset columns. Values are edited in place;
// a commit stores into the image and prepares the single-change write. Pages are read through
// the link and redrawn from the image once read.
class Tsetform : public QWidget {
    Q_OBJECT
public:
    Tsetform(ControllerLink& link, ControllerIdentity& identity, const LanguageFonts& fonts,
             Confirmer& confirmer, QWidget* parent = nullptr);
    ~Tsetform() override;

    // The main window's tool button: shows and focuses the window, or hides it; the whole-list
    // panel is hidden either way.
    void toggleFromToolButton();
    // A settings file replaced the image: the whole list can be sent, and a page on screen
    // shows the file's values at once.
    void settingsFileLoaded();

signals:
    // The user closed the window; the main window releases its tool button.
    void FormClose();
    // A calibration entry was taken.
    void beep(int count);

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void FormCreate();
    void createButtons();
    void createColumns();
    void createWholeListPanel();
    void FormActivate();
    void applyLanguage();
    void setHint(QWidget* widget, const TextRow& hint, int language);

    void conbutton1Click(int page);
    void CalbuttonClick();
    void sgrid1Click();
    void closeValueEditors();
    void startRead(int readType);
    void readDone(int readType, ReadOutcome outcome);

    void showPage(int page);
    void drawPage(int page);
    void layoutPage(int page);
    void showCalibration();
    void caldisplay();
    void layoutCalibration();
    void placeColumns(int nameWidth, int valueWidth, int unitWidth, int top, int rows);

    // Value editing.
    QString sgrid2GetEditText(int row);
    void sgrid2SetEditText(int row, const QString& text);
    void sgrid3SetEditText(int row, const QString& text);
    void sgrid2EditorClosed(int row);
    void commitCalibration(StringColumn& column, int row, CalibrationPart part,
                           const QString& text);
    void sgrid2SelectCell();
    void refreshValue(int setting);
    int settingOfRow(int row) const;
    void armSendButton(bool armed);

    void vxbuttonClick();
    void CancelbuttonClick();

    // Writes.
    void sendbuttonClick();
    void progbuttonClick();
    void sendWholeList();
    void writeEnded(PacedWrite kind);
    void writeChecked(const WriteCheck& check);

    bool& pageValid(int page);

    ControllerLink& link_;
    ControllerIdentity& identity_;
    const LanguageFonts& fonts_;
    Confirmer& confirmer_;

    QWidget* Panel1 = nullptr;
    std::array<QToolButton*, 5> conbuttons{};
    QToolButton* Calbutton = nullptr;
    QToolButton* sendbutton = nullptr;
    QToolButton* vxbutton = nullptr;
    StringColumn* sgrid1 = nullptr;
    StringColumn* sgrid2 = nullptr;
    StringColumn* sgrid3 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QFrame* vxprogpanel = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* progbutton = nullptr;
    QPushButton* Cancelbutton = nullptr;

    bool SettingsMode = true;
    int CurrentPage = 1;
    // The next drawing shows names and units only, with red names: at creation, and for a page
    // chosen before it was read, so that no value cell of another page stays open to edits.
    bool FirstDisplay = true;
};
