#pragma once

#include "data/reportcomposer.h"
#include "shell/ui/colouredpanel.h"

#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QToolButton;

// The save panel: the four sections a report may hold, the file name and the save commands.
// Each section's box is enabled once data of its kind has arrived.
class SavePanel : public ColouredPanel {
    Q_OBJECT
public:
    static constexpr int Width = 210;
    static constexpr int SaveLayoutHeight = 169;
    static constexpr int PrintLayoutHeight = 127;

    explicit SavePanel(QWidget* parent);

    // The sections whose boxes are both enabled and checked.
    ReportSections chosenSections() const;
    void setChecked(const std::array<bool, 4>& checked);
    std::array<bool, 4> checkedStates() const;
    // Enabling by read type as reads end; all four disabled when the site changes.
    void enableForRead(int readType);
    void disableAll();
    // The save form shows the file name and the save commands; the print form the print button.
    void useSaveLayout();
    void usePrintLayout();
    bool printLayout() const;
    // Savebutton is enabled when a section is chosen.
    void SaveButtonAvailableExecute();

    QCheckBox* Currsavecheck;
    QCheckBox* Datasavecheck;
    QCheckBox* Setsavecheck;
    QCheckBox* Calsavecheck;
    QLineEdit* fileedit;
    QToolButton* btnSave;
    QPushButton* Savebutton;
    QPushButton* Readbutton;
    QToolButton* vxsetbutton; // opens the settings-file panel
    QPushButton* Printbutton;

private:
    void keepNameInUpperCase();
    std::array<QCheckBox*, 4> checks() const;
};
