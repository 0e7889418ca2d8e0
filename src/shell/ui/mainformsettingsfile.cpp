// The main window's settings-file panel: the memory image saved to a file and loaded back.
#include "shell/ui/mainform.h"

#include "settings/settingsfile.h"
#include "settings/settingsfilemessage.h"
#include "shell/mainwindowtexts.h"
#include "shell/ui/vxsetpanel.h"

void Tmainform::vxsetbuttonClick() {
    togglePanel(vxsetpanel);
}

void Tmainform::setcancelbutClick() {
    vxsetpanel->hide();
    fitToVisibleControls();
}

QString Tmainform::settingsFilter() const {
    return text(MainText::SettingsFilterName, link_.state.LanguageIndex) +
           QStringLiteral(" (*.%1)").arg(QLatin1String(SettingsFileSuffix));
}

void Tmainform::setsavebbutClick() {
    services_.saveDialogs.askSaveFileName(
        this, text(MainText::VxsetSaveDialogTitle, link_.state.LanguageIndex),
        QStringLiteral("settings.%1").arg(QLatin1String(SettingsFileSuffix)), settingsFilter(),
        [this](const QString& path) { saveSettings(path); });
}

// The panel closes whether or not the file could be written; a failure says why.
void Tmainform::saveSettings(const QString& path) {
    const SettingsFileOutcome outcome = saveSettingsFile(path, link_.image);
    setcancelbutClick();
    if (!outcome.ok())
        services_.saveDialogs.showSaveError(
            this, windowTitle(), settingsFileMessage(outcome, path, link_.state.LanguageIndex));
}

void Tmainform::setgetbbutClick() {
    services_.saveDialogs.askOpenFileName(
        this, text(MainText::VxsetOpenDialogTitle, link_.state.LanguageIndex), settingsFilter(),
        [this](const QString& path) { loadSettings(path); });
}

// A file that is gone by now only beeps; any other refusal says why and leaves the panel open.
void Tmainform::loadSettings(const QString& path) {
    const SettingsFileOutcome outcome = loadSettingsFile(path, link_.image, link_.valid);
    if (outcome.problem == SettingsFileProblem::Missing) {
        emit beep(1);
        return;
    }
    if (!outcome.ok()) {
        services_.saveDialogs.showSaveError(
            this, windowTitle(), settingsFileMessage(outcome, path, link_.state.LanguageIndex));
        return;
    }
    setcancelbutClick();
    emit settingsFileLoaded();
}
