#include "settingsoutput.h"

#include "terminal.h"

#include "settings/settingscatalogue.h"
#include "settings/settingsformat.h"
#include "settings/settingsidentity.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr int English = 0;

QByteArray json(const ReadResult& result, const ControllerIdentity& identity) {
    QJsonArray settings;
    for (int setting = 0; setting < SettingCount; ++setting) {
        const SettingRowTexts row = settingRowTexts(setting, result.link.image, identity, English);
        settings.append(QJsonObject{{QStringLiteral("page"), pageOfSetting(setting)},
                                    {QStringLiteral("number"), setting},
                                    {QStringLiteral("name"), row.name},
                                    {QStringLiteral("value"), row.value},
                                    {QStringLiteral("unit"), row.unit}});
    }
    const QJsonObject object{{QStringLiteral("complete"), result.complete},
                             {QStringLiteral("settings"), settings},
                             {QStringLiteral("image"), imageJson(result)}};
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

QByteArray text(const ReadResult& result, const ControllerIdentity& identity) {
    QString out;
    for (int page = 1; page <= SettingsPageCount; ++page) {
        const SettingsPage& p = settingsPage(page);
        out += QStringLiteral("%1%2  %3\n")
                   .arg(page == 1 ? QString() : QStringLiteral("\n"), QString::fromLatin1(p.button),
                        ::text(p.hint, English));
        for (int setting = p.first; setting <= p.last; ++setting) {
            const SettingRowTexts row =
                settingRowTexts(setting, result.link.image, identity, English);
            out += tableLine(
                QStringLiteral("  %1 %2 %3").arg(row.name, -36).arg(row.value, 7).arg(row.unit));
        }
    }
    if (!result.complete)
        out += QStringLiteral("\n(incomplete: the read did not finish)\n");
    return out.toUtf8();
}

} // namespace

std::vector<int> settingsReadTypes() {
    std::vector<int> types;
    for (int page = 1; page <= SettingsPageCount; ++page)
        types.push_back(settingsPage(page).readType);
    return types;
}

QByteArray printSettings(const ReadResult& result, OutputFormat format) {
    ControllerIdentity identity;
    deriveSettingsIdentity(result.link.image, identity);
    return format == OutputFormat::Json ? json(result, identity) : text(result, identity);
}
