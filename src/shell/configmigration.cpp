#include "shell/configmigration.h"

#include <array>

void MigrateOldSettings(ConfigKeyTree& tree) {
    if (!tree.keyExists(OldConfigKey) || tree.keyExists(ConfigBaseKey))
        return;
    static const std::array<QString, 4> Sections{
        QStringLiteral("Font"), QStringLiteral("Phone List"), QStringLiteral("Save Options"),
        QStringLiteral("Settings")};
    const QChar separator(u'\\');
    for (const QString& section : Sections) {
        const QString from = OldConfigKey + separator + section;
        if (tree.keyExists(from))
            tree.copyKey(from, ConfigBaseKey + separator + section);
    }
}
