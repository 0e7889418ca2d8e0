#include "writecommands.h"

#include "readrunner.h"
#include "terminal.h"

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
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <functional>
#include <optional>

namespace {

constexpr int English = 0;
constexpr int Done = 0, Failed = 1, Refused = 2;

// One change as it is reported.
struct WrittenRow {
    int number = 0;
    QString name, old, now, unit;
};

QString addressText(int address) {
    return address >= MemoryImage::EepromBase
               ? QStringLiteral("EEPROM %1").arg(address - MemoryImage::EepromBase)
               : QStringLiteral("RAM %1").arg(address);
}

QString verdictText(const WriteCheck& check) {
    switch (check.result) {
    case WriteCheck::Result::Verified:
        return QStringLiteral("verified");
    case WriteCheck::Result::Differs:
        return QStringLiteral("differs at ") + addressText(check.address);
    case WriteCheck::Result::ReadFailed:
        return QStringLiteral("read-back failed");
    case WriteCheck::Result::NotChecked:
        break;
    }
    return QStringLiteral("not verified");
}

QJsonValue verdictJson(const WriteCheck& check) {
    if (check.result == WriteCheck::Result::NotChecked)
        return QJsonValue::Null;
    if (check.result == WriteCheck::Result::Verified)
        return true;
    if (check.result == WriteCheck::Result::Differs)
        return addressText(check.address);
    return false;
}

QByteArray printWrite(const WrittenRow& row, const WriteCheck& check, OutputFormat format) {
    if (format == OutputFormat::Json) {
        const QJsonObject write{{QStringLiteral("number"), row.number},
                                {QStringLiteral("name"), row.name},
                                {QStringLiteral("old"), row.old},
                                {QStringLiteral("new"), row.now},
                                {QStringLiteral("unit"), row.unit},
                                {QStringLiteral("verified"), verdictJson(check)}};
        return QJsonDocument(QJsonObject{{QStringLiteral("writes"), QJsonArray{write}}})
            .toJson(QJsonDocument::Indented);
    }
    return QStringLiteral("%1: %2 -> %3 %4, %5\n")
        .arg(row.name, row.old, row.now, row.unit, verdictText(check))
        .toUtf8();
}

// The exit code of a write's read-back; a failure says on standard error what went wrong.
int checkExit(const WriteCheck& check) {
    switch (check.result) {
    case WriteCheck::Result::Differs:
        printError(QStringLiteral("verification failed at %1: wrote %2, the controller holds %3")
                       .arg(addressText(check.address))
                       .arg(check.written)
                       .arg(check.found));
        return Failed;
    case WriteCheck::Result::ReadFailed:
        printError(QStringLiteral("verification failed: the read-back did not complete"));
        return Failed;
    case WriteCheck::Result::Verified:
    case WriteCheck::Result::NotChecked:
        break;
    }
    return Done;
}

QString writeStartText(WriteStart start) {
    switch (start) {
    case WriteStart::Busy:
        return QStringLiteral("the link is busy");
    case WriteStart::PortNotOpen:
        return QStringLiteral("cannot open the port");
    case WriteStart::NoConnection:
        return QStringLiteral("no connection");
    case WriteStart::Started:
        break;
    }
    return {};
}

// Reads, then starts one write, then waits for its read-back. `startWrite` sends the write, or
// answers the exit code when it cannot; `finish` turns the read-back into the exit code.
int runWriteSession(ControllerLink& link, std::vector<int> readTypes,
                    const std::function<std::optional<int>()>& startWrite,
                    const std::function<int(const WriteCheck&)>& finish) {
    const auto begin = [&] {
        if (const std::optional<int> code = startWrite())
            QCoreApplication::exit(*code);
    };
    ReadRunner runner(link, std::move(readTypes));
    QObject::connect(&runner, &ReadRunner::progress,
                     [](int done, int total) { showProgress(done, total); });
    QObject::connect(&runner, &ReadRunner::finished, [&](bool complete, const QString& reason) {
        // The read-back is the write's own read, not one more of the runner's.
        QObject::disconnect(&link, nullptr, &runner, nullptr);
        if (!complete) {
            printError(reason);
            QCoreApplication::exit(Failed);
            return;
        }
        begin();
    });
    QObject::connect(&link, &ControllerLink::writeChecked,
                     [&](const WriteCheck& check) { QCoreApplication::exit(finish(check)); });
    QMetaObject::invokeMethod(&runner, &ReadRunner::start, Qt::QueuedConnection);
    return QCoreApplication::exec();
}

std::optional<int> sendOneChange(ControllerLink& link) {
    const WriteStart start = link.sendOneChange();
    if (start == WriteStart::Started)
        return std::nullopt;
    printError(writeStartText(start));
    return Failed;
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
        return Refused;
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
        return Refused;
    }
    link.setVerifyWrites(args.verify);
    WrittenRow row;
    return runWriteSession(
        link, {ReadKind::SettingsPage1 + pageOfSetting(setting) - 1},
        [&] { return enterSetting(link, setting, args.value, row); },
        [&](const WriteCheck& check) {
            writeOutput(printWrite(row, check, args.format));
            return checkExit(check);
        });
}

int runWriteCalibration(ControllerLink& link, const CliArguments& args) {
    bool isNumber = false;
    const int channel = args.target.toInt(&isNumber);
    if (!isNumber || channel < 0 || channel >= CalibrationChannelCount) {
        printError(QStringLiteral("no calibration row '%1': give 0..7").arg(args.target));
        return Refused;
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
            return Refused;
        }
        row.now = QString::number(*value);
        return sendOneChange(link);
    };
    return runWriteSession(link, {ReadKind::Calibration}, enter, [&](const WriteCheck& check) {
        writeOutput(printWrite(row, check, args.format));
        return checkExit(check);
    });
}

int runProgram(ControllerLink& link, const CliArguments& args) {
    MemoryImage file;
    if (const SettingsFileOutcome read = readSettingsFile(args.file, file); !read.ok()) {
        printError(settingsFileMessage(read, args.file, English)
                       .replace(QLatin1Char('\n'), QStringLiteral(": ")));
        return Refused;
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
        return Failed;
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
