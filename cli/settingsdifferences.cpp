#include "settingsdifferences.h"

#include "terminal.h"

#include "settings/calibration.h"
#include "settings/settingscatalogue.h"
#include "settings/settingsformat.h"
#include "settings/settingsidentity.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr int English = 0;

// Each image is shown with the identity its own bytes give, as the window would show it.
struct ShownImage {
    const MemoryImage& image;
    ControllerIdentity identity;

    explicit ShownImage(const MemoryImage& shown) : image(shown) {
        deriveSettingsIdentity(image, identity);
    }
    SettingRowTexts row(int setting) const {
        return settingRowTexts(setting, image, identity, English);
    }
};

void addSettingDifferences(const ShownImage& file, const ShownImage& controller,
                           std::vector<SettingDifference>& out) {
    for (int setting = 0; setting < SettingCount; ++setting) {
        const SettingRowTexts inFile = file.row(setting);
        const SettingRowTexts inController = controller.row(setting);
        if (inFile.value != inController.value)
            out.push_back({pageOfSetting(setting), setting, inFile.name, inFile.value,
                           inController.value, inFile.unit});
    }
}

void addCalibrationDifferences(const MemoryImage& file, const MemoryImage& controller,
                               std::vector<SettingDifference>& out) {
    for (int channel = 0; channel < CalibrationChannelCount; ++channel) {
        const QString name =
            text(CalibrationChannelNames.at(static_cast<std::size_t>(channel)), English);
        for (const auto part : {CalibrationPart::Gain, CalibrationPart::Offset}) {
            const int inFile = calibrationValue(file, channel, part);
            const int inController = calibrationValue(controller, channel, part);
            if (inFile == inController)
                continue;
            const QString partName =
                part == CalibrationPart::Gain ? QStringLiteral("gain") : QStringLiteral("offset");
            out.push_back({CalibrationPage, channel, name + QLatin1Char(' ') + partName,
                           QString::number(inFile), QString::number(inController), QString()});
        }
    }
}

QString pageButton(int page) {
    return page == CalibrationPage ? QStringLiteral("CAL")
                                   : QString::fromLatin1(settingsPage(page).button);
}

QByteArray asJson(const std::vector<SettingDifference>& differences) {
    QJsonArray list;
    for (const SettingDifference& d : differences)
        list.append(QJsonObject{{QStringLiteral("page"), d.page},
                                {QStringLiteral("number"), d.number},
                                {QStringLiteral("name"), d.name},
                                {QStringLiteral("file"), d.file},
                                {QStringLiteral("controller"), d.controller},
                                {QStringLiteral("unit"), d.unit}});
    return QJsonDocument(QJsonObject{{QStringLiteral("differences"), list}})
        .toJson(QJsonDocument::Indented);
}

QString line(const QString& page, const QString& name, const QString& file,
             const QString& controller, const QString& unit) {
    return tableLine(QStringLiteral("%1 %2 %3 %4 %5")
                         .arg(page, -4)
                         .arg(name, -36)
                         .arg(file, 10)
                         .arg(controller, 10)
                         .arg(unit));
}

QByteArray asText(const std::vector<SettingDifference>& differences) {
    if (differences.empty())
        return "No differences: the controller holds the file's settings.\n";
    QString out = line(QStringLiteral("Page"), QStringLiteral("Setting"), QStringLiteral("File"),
                       QStringLiteral("Controller"), QStringLiteral("Unit"));
    for (const SettingDifference& d : differences)
        out += line(pageButton(d.page), d.name, d.file, d.controller, d.unit);
    return out.toUtf8();
}

} // namespace

std::vector<SettingDifference> settingsDifferences(const MemoryImage& file,
                                                   const MemoryImage& controller) {
    std::vector<SettingDifference> out;
    addSettingDifferences(ShownImage(file), ShownImage(controller), out);
    addCalibrationDifferences(file, controller, out);
    return out;
}

QByteArray printDifferences(const std::vector<SettingDifference>& differences,
                            OutputFormat format) {
    return format == OutputFormat::Json ? asJson(differences) : asText(differences);
}
