#include "settings/settingsfilemessage.h"

#include "common/texts.h"

#include <QDir>

namespace {

constexpr TextRow LoadFailed{"Cannot load the settings", "Impossible de charger les réglages",
                             "无法读回设置数据", "Einstellungen können nicht geladen werden"};
constexpr TextRow SaveFailed{"Cannot save the settings", "Impossible d'enregistrer les réglages",
                             "无法保存设置数据", "Einstellungen können nicht gespeichert werden"};
constexpr TextRow Missing{"The file does not exist.", "Le fichier n'existe pas.", "文档不存在。",
                          "Die Datei existiert nicht."};
constexpr TextRow Empty{"The file is empty; a settings file has 512 bytes.",
                        "Le fichier est vide ; un fichier de réglages a 512 octets.",
                        "文档是空的；设置文档应有512字节。",
                        "Die Datei ist leer; eine Einstellungsdatei hat 512 Bytes."};
constexpr TextRow TooShort{"The file is cut short: it has %1 bytes, a settings file has 512.",
                           "Le fichier est tronqué : il a %1 octets, un fichier de réglages en "
                           "a 512.",
                           "文档不完整：只有%1字节，设置文档应有512字节。",
                           "Die Datei ist unvollständig: sie hat %1 Bytes, eine "
                           "Einstellungsdatei hat 512."};
constexpr TextRow TooLong{"The file is too long: it has %1 bytes, a settings file has 512.",
                          "Le fichier est trop long : il a %1 octets, un fichier de réglages en "
                          "a 512.",
                          "文档太长：有%1字节，设置文档应有512字节。",
                          "Die Datei ist zu lang: sie hat %1 Bytes, eine Einstellungsdatei hat "
                          "512."};

QString reason(const SettingsFileOutcome& outcome, int language) {
    switch (outcome.problem) {
    case SettingsFileProblem::Missing:
        return text(Missing, language);
    case SettingsFileProblem::Empty:
        return text(Empty, language);
    case SettingsFileProblem::TooShort:
        return text(TooShort, language).arg(outcome.size);
    case SettingsFileProblem::TooLong:
        return text(TooLong, language).arg(outcome.size);
    case SettingsFileProblem::CannotOpen:
    case SettingsFileProblem::CannotWrite:
        return outcome.systemError;
    case SettingsFileProblem::None:
        break;
    }
    return {};
}

} // namespace

QString settingsFileMessage(const SettingsFileOutcome& outcome, const QString& path, int language) {
    if (outcome.ok())
        return {};
    const bool saving = outcome.problem == SettingsFileProblem::CannotWrite;
    return QStringLiteral("%1\n%2\n%3")
        .arg(text(saving ? SaveFailed : LoadFailed, language), QDir::toNativeSeparators(path),
             reason(outcome, language));
}
