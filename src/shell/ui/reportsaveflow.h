#pragma once

#include "common/ui/dialogseams.h"
#include "data/reportcomposer.h"
#include "data/reportfile.h"
#include "link/controllerlink.h"
#include "platform/wallclock.h"
#include "shell/shellstate.h"

class QWidget;

// Saving a data report from the save panel: checks what there is to save and where, asks what
// to do with a file that exists, composes the report and writes the file in one step.
class ReportSaveFlow {
public:
    ReportSaveFlow(QWidget* parent, ControllerLink& link, ShellState& state, MessageBoxes& boxes,
                   const WallClock& clock, SaveLocations locations)
        : parent_(parent), link_(link), state_(state), boxes_(boxes), clock_(clock),
          locations_(std::move(locations)) {}

    // Saves the chosen sections under the save file name, which becomes the full name used.
    void SavebuttonClick(const ReportSections& sections, QString& saveFileName);
    // Composes the report as of now, naming the file in its heading.
    void compose(RichComposer& edit, const ReportSections& sections, const QString& fileName) const;

private:
    void trace(const QString& line);
    void write(const QString& path, SaveAction action, const ReportSections& sections);

    QWidget* parent_;
    ControllerLink& link_;
    ShellState& state_;
    MessageBoxes& boxes_;
    const WallClock& clock_;
    SaveLocations locations_;
};
