#include "shell/ui/reportsaveflow.h"

#include "shell/savepaneltexts.h"

#include <QDir>
#include <QFileInfo>

void ReportSaveFlow::SavebuttonClick(const ReportSections& sections, QString& saveFileName) {
    if (!sections.any()) {
        boxes_.inform(parent_, QStringLiteral("Nothing to save"));
        return;
    }
    const QString typedFolder = folderPart(saveFileName);
    trace(QStringLiteral("SaveDir: %1").arg(typedFolder));
    saveFileName = prepareSaveFileName(saveFileName, locations_);
    trace(QStringLiteral("SaveFileName: %1").arg(saveFileName));
    if (!QFileInfo(folderPart(saveFileName)).isDir()) {
        boxes_.warn(parent_, QStringLiteral("Specified directory does not exist"));
        return;
    }
    const QString path = saveFileName;
    if (!QFileInfo::exists(path)) {
        write(path, SaveAction::Create, sections);
        return;
    }
    boxes_.askFileAction(parent_, QStringLiteral("Save File Action"),
                         QStringLiteral("File already exists..."),
                         [this, path, sections](FileAction action) {
                             if (action == FileAction::Append)
                                 write(path, SaveAction::Append, sections);
                             else if (action == FileAction::Overwrite)
                                 write(path, SaveAction::Overwrite, sections);
                         });
}

void ReportSaveFlow::trace(const QString& line) {
    if (link_.state.DebugMode)
        link_.trace.append(line);
}

void ReportSaveFlow::compose(RichComposer& edit, const ReportSections& sections,
                             const QString& fileName) const {
    const int language = link_.state.LanguageIndex;
    const QDateTime now = clock_.now();
    const QLocale locale = QLocale::system();
    const ReportHeading heading{
        reportDateText(now, locale), reportTimeText(now, locale),
        connectionText(link_.state.DirectMode, state_.configuration.dialString, language),
        QDir::toNativeSeparators(fileName)};
    ComposeReport(edit, {link_.image, state_.identity, link_.valid, language}, sections, heading);
}

void ReportSaveFlow::write(const QString& path, SaveAction action, const ReportSections& sections) {
    const int language = link_.state.LanguageIndex;
    QString error;
    const bool saved = saveComposedFile(
        path, action, [&](RichComposer& edit) { compose(edit, sections, path); }, &error);
    const QString shown = QDir::toNativeSeparators(path);
    const QString message = saved ? text(SaveText::Saved, language).arg(shown)
                                  : text(SaveText::NotSaved, language).arg(shown, error);
    link_.status.setText(StatusPanels::Link, message);
    if (!saved)
        link_.trace.append(message);
}
