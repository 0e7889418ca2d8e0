// Editing the value cells of the settings window: what the editor opens with, what closing it
// commits, and the send button that a commit arms.
#include "settings/ui/setform.h"

#include "settings/settingscatalogue.h"
#include "settings/settingscommit.h"
#include "settings/settingsentry.h"
#include "settings/settingsformat.h"
#include "settings/ui/stringcolumn.h"

#include <QToolButton>

int Tsetform::settingOfRow(int row) const {
    return settingsPage(CurrentPage).first + row;
}

QString Tsetform::sgrid2GetEditText(int row) {
    if (!SettingsMode)
        return sgrid2->cellText(row);
    const int setting = settingOfRow(row);
    if (togglesOnEdit(setting)) {
        toggleSetting(setting, link_.image);
        return formatSetting(setting, link_.image, identity_, link_.state.LanguageIndex);
    }
    return sgrid2->cellText(row); // the reset row's cell is always empty
}

void Tsetform::sgrid2SetEditText(int row, const QString& text) {
    if (!SettingsMode) {
        commitCalibration(*sgrid2, row, CalibrationPart::Gain, text);
        return;
    }
    const int setting = settingOfRow(row);
    const SettingCommit commit =
        commitSetting(setting, text, link_.image, identity_, link_.preparedWrite());
    if (commit.redrawPage)
        drawPage(CurrentPage);
    else
        refreshValue(setting);
    armSendButton(commit.sendArmed);
    if (takesNumber(setting))
        vxbutton->setEnabled(true);
}

// A row toggled as its editor opened keeps the new value even when the edit is cancelled.
void Tsetform::sgrid2EditorClosed(int row) {
    if (SettingsMode)
        refreshValue(settingOfRow(row));
}

void Tsetform::sgrid3SetEditText(int row, const QString& text) {
    commitCalibration(*sgrid3, row, CalibrationPart::Offset, text);
}

void Tsetform::commitCalibration(StringColumn& column, int row, CalibrationPart part,
                                 const QString& text) {
    const std::optional<int> value =
        ::commitCalibration(row, part, text, link_.image, link_.preparedWrite());
    // A refused entry shows what the image holds: the text saved when the cell was selected is
    // stale once an entry was taken while the cell stayed selected.
    column.setCellText(row, value ? QString::number(*value)
                                  : calibrationText(calibrationValue(link_.image, row, part)));
    armSendButton(value.has_value());
    if (value)
        emit beep(1);
}

void Tsetform::sgrid2SelectCell() {
    armSendButton(false);
}

void Tsetform::refreshValue(int setting) {
    sgrid2->setCellText(setting - settingsPage(CurrentPage).first,
                        formatSetting(setting, link_.image, identity_, link_.state.LanguageIndex));
}

// The send button shows whether a write is prepared; sending it comes with programming.
void Tsetform::armSendButton(bool armed) {
    sendbutton->setEnabled(armed);
}
