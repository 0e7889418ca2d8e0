#include "writecommands.h"

#include "terminal.h"
#include "writesession.h"

#include "link/readsequences.h"
#include "settings/settingscatalogue.h"
#include "settings/settingscommit.h"
#include "settings/settingsentry.h"
#include "settings/settingsfile.h"
#include "settings/settingsfilemessage.h"
#include "settings/settingsformat.h"
#include "settings/settingsidentity.h"
#include "settings/settingsnames.h"

#include <QCoreApplication>
#include <optional>

namespace {

constexpr int English = 0;

std::optional<int> sendOneChange(ControllerLink& link) {
    const WriteStart start = link.sendOneChange();
    if (start == WriteStart::Started)
        return std::nullopt;
    printError(writeStartText(start));
    return WriteExit::Failed;
}

// A number 0..48 or an English row name, any case.
int settingNamed(const QString& target) {
    bool isNumber = false;
    const int number = target.toInt(&isNumber);
    if (isNumber)
        return number >= 0 && number < SettingCount ? number : -1;
    for (int setting = 0; setting < SettingCount; ++setting)
        if (target.compare(QString::fromUtf8(EntryNames[size_t(setting)][English]),
                           Qt::CaseInsensitive) == 0)
            return setting;
    return -1;
}

// A toggled row takes no typed value: VALUE names the state it should show, one of `states`.
bool enterToggle(int setting, const QString& value, MemoryImage& image,
                 const ControllerIdentity& identity, QStringList& states) {
    const QString shown = formatSetting(setting, image, identity, English);
    if (shown.compare(value, Qt::CaseInsensitive) == 0)
        return true;
    const MemoryImage before = image;
    toggleSetting(setting, image);
    const QString toggled = formatSetting(setting, image, identity, English);
    if (toggled.compare(value, Qt::CaseInsensitive) == 0)
        return true;
    image = before;
    states = {shown, toggled};
    return false;
}

std::optional<int> enterSetting(ControllerLink& link, int setting, const QString& value,
                                WrittenRow& row) {
    ControllerIdentity identity;
    deriveSettingsIdentity(link.image, identity);
    const SettingRowTexts before = settingRowTexts(setting, link.image, identity, English);
    row = WrittenRow{setting, before.name, before.value, {}, before.unit};
    bool accepted = true;
    SettingCommit commit;
    QStringList states;
    if (togglesOnEdit(setting)) {
        accepted = enterToggle(setting, value, link.image, identity, states);
        if (accepted)
            commit = commitSetting(setting, value, link.image, identity, link.preparedWrite());
    } else {
        commit = commitSetting(setting, value, link.image, identity, link.preparedWrite());
        accepted = commit.accepted;
    }
    if (!accepted || !commit.sendArmed) {
        const QString choice = states.isEmpty()
                                   ? QString()
                                   : QStringLiteral(" (it takes %1)").arg(states.join(" or "));
        printError(
            QStringLiteral("'%1' is not a value %2 takes%3").arg(value, before.name, choice));
        return WriteExit::Refused;
    }
    row.now = formatSetting(setting, link.image, identity, English);
    return sendOneChange(link);
}

} // namespace

int runWriteSetting(ControllerLink& link, const CliArguments& args) {
    const int setting = settingNamed(args.target);
    if (setting < 0) {
        printError(
            QStringLiteral("no setting '%1': give a number 0..48 or a row name").arg(args.target));
        return WriteExit::Refused;
    }
    link.setVerifyWrites(args.verify);
    WrittenRow row;
    return runWriteSession(
        link, {ReadKind::SettingsPage1 + pageOfSetting(setting) - 1},
        [&] { return enterSetting(link, setting, args.value, row); },
        [&](const WriteCheck& check) {
            writeOutput(printWrites({row}, check, args.format));
            return checkExit(check);
        });
}

int runWriteCalibration(ControllerLink& link, const CliArguments& args) {
    bool isNumber = false;
    const int channel = args.target.toInt(&isNumber);
    if (!isNumber || channel < 0 || channel >= CalibrationChannelCount) {
        printError(QStringLiteral("no calibration row '%1': give 0..7").arg(args.target));
        return WriteExit::Refused;
    }
    link.setVerifyWrites(args.verify);
    const bool gain = args.part == CalibrationPart::Gain;
    WrittenRow row{channel,
                   QString::fromUtf8(CalibrationChannelNames[size_t(channel)][English]) +
                       (gain ? QStringLiteral(" gain") : QStringLiteral(" offset")),
                   {},
                   {},
                   {}};
    const auto enter = [&]() -> std::optional<int> {
        row.old = calibrationText(calibrationValue(link.image, channel, args.part)).trimmed();
        const std::optional<int> value =
            commitCalibration(channel, args.part, args.value, link.image, link.preparedWrite());
        if (!value) {
            printError(QStringLiteral("'%1' is not a value %2 takes").arg(args.value, row.name));
            return WriteExit::Refused;
        }
        row.now = QString::number(*value);
        return sendOneChange(link);
    };
    return runWriteSession(link, {ReadKind::Calibration}, enter, [&](const WriteCheck& check) {
        writeOutput(printWrites({row}, check, args.format));
        return checkExit(check);
    });
}

int runProgram(ControllerLink& link, const CliArguments& args) {
    MemoryImage file;
    if (const SettingsFileOutcome read = readSettingsFile(args.file, file); !read.ok()) {
        printError(settingsFileMessage(read, args.file, English)
                       .replace(QLatin1Char('\n'), QStringLiteral(": ")));
        return WriteExit::Refused;
    }
    link.setVerifyWrites(args.verify);
    link.image.replaceAll(file.bytes());
    QObject::connect(&link.status, &StatusPanels::changed, [](int panel, const QString& text) {
        bool isStep = false;
        const int left = text.toInt(&isStep);
        if (panel == StatusPanels::Link && isStep && left <= PacedWrites::WholeListSteps)
            showProgress(PacedWrites::WholeListSteps - left, PacedWrites::WholeListSteps,
                         "Programming");
    });
    const auto start = [&]() -> std::optional<int> {
        const WriteStart started = link.sendWholeList();
        if (started == WriteStart::Started)
            return std::nullopt;
        printError(writeStartText(started));
        return WriteExit::Failed;
    };
    QMetaObject::invokeMethod(
        &link,
        [&] {
            if (const std::optional<int> code = start())
                QCoreApplication::exit(*code);
        },
        Qt::QueuedConnection);
    QObject::connect(&link, &ControllerLink::writeChecked, [&](const WriteCheck& check) {
        writeOutput(
            QStringLiteral("programmed %1, %2\n").arg(args.file, verdictText(check)).toUtf8());
        QCoreApplication::exit(checkExit(check));
    });
    return QCoreApplication::exec();
}
