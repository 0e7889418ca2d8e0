#include "reportcommand.h"

#include "data/reportcomposer.h"
#include "data/reportfile.h"
#include "link/readsequences.h"

#include <QDir>
#include <QFileInfo>

const QStringList& reportSectionNames() {
    static const QStringList names{QStringLiteral("current"), QStringLiteral("status"),
                                   QStringLiteral("history"), QStringLiteral("settings"),
                                   QStringLiteral("calibration")};
    return names;
}

const QStringList& reportLanguageNames() {
    static const QStringList names{QStringLiteral("en"), QStringLiteral("fr"), QStringLiteral("zh"),
                                   QStringLiteral("de")};
    return names;
}

std::vector<int> reportReadTypes(const ReportRequest& request) {
    std::vector<int> types;
    const auto wants = [&request](const char* name) {
        return request.sections.contains(QLatin1String(name));
    };
    if (wants("current"))
        types.push_back(ReadKind::Current);
    if (wants("status"))
        types.push_back(ReadKind::Status);
    if (wants("history"))
        types.push_back(ReadKind::History);
    if (wants("settings"))
        for (int type = ReadKind::SettingsPage1; type <= ReadKind::SettingsPage5; ++type)
            types.push_back(type);
    if (wants("calibration"))
        types.push_back(ReadKind::Calibration);
    return types;
}

bool reportMayBeWritten(const ReportRequest& request, QString& error) {
    const QString folder = folderPart(request.file);
    if (!folder.isEmpty() && !QFileInfo(folder).isDir()) {
        error = QStringLiteral("Specified directory does not exist: %1").arg(folder);
        return false;
    }
    if (QFileInfo::exists(request.file) && request.existing == ReportRequest::Existing::Refuse) {
        error = QStringLiteral("%1 exists; add --append or --overwrite").arg(request.file);
        return false;
    }
    return true;
}

void composeReport(RichComposer& edit, ControllerLink& link, const ReportRequest& request,
                   const QDateTime& now) {
    const auto wants = [&request](const char* name) {
        return request.sections.contains(QLatin1String(name));
    };
    // Every sequence completed, so each settings page read is as good as one drawn.
    link.valid.SettingsPageValid.fill(wants("settings"));
    link.valid.CalibrationValid = wants("calibration");
    const ReportSections sections{wants("current") || wants("status"), wants("history"),
                                  wants("settings"), wants("calibration")};
    const ControllerIdentity identity;
    const QLocale locale = QLocale::system();
    const ReportHeading heading{reportDateText(now, locale), reportTimeText(now, locale),
                                connectionText(true, QString(), request.language),
                                QDir::toNativeSeparators(request.file)};
    ComposeReport(edit, {link.image, identity, link.valid, request.language}, sections, heading);
}

bool writeReport(ControllerLink& link, const ReportRequest& request, const QDateTime& now,
                 QString& error) {
    const SaveAction action = !QFileInfo::exists(request.file) ? SaveAction::Create
                              : request.existing == ReportRequest::Existing::Append
                                  ? SaveAction::Append
                                  : SaveAction::Overwrite;
    return saveComposedFile(
        request.file, action, [&](RichComposer& edit) { composeReport(edit, link, request, now); },
        &error);
}
