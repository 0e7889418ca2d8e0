#include "shell/helpfiles.h"

#include "shell/helptexts.h"

#include <QDir>
#include <QFileInfo>
#include <array>

QString helpFileName(int languageIndex) {
    static const std::array<QString, 4> names{
        QStringLiteral("vxhlpeng.rtf"), QStringLiteral("vxhlpfre.rtf"),
        QStringLiteral("vxhlpchi.rtf"), QStringLiteral("vxhlpger.rtf")};
    if (languageIndex < 0 || languageIndex >= static_cast<int>(names.size()))
        languageIndex = 0;
    return names[static_cast<size_t>(languageIndex)];
}

QStringList helpFolders(const QString& programFolder) {
    return {QDir::cleanPath(programFolder),
            QDir::cleanPath(programFolder + QStringLiteral("/../share/tarvik"))};
}

QString helpFilePath(const QStringList& folders, int languageIndex) {
    const QString name = helpFileName(languageIndex);
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(name);
        if (QFileInfo(path).isFile())
            return QDir::toNativeSeparators(path);
    }
    const QString beside = folders.isEmpty() ? name : QDir(folders.first()).filePath(name);
    return QDir::toNativeSeparators(beside);
}

QString missingHelpText(const QString& path, int languageIndex) {
    return text(HelpText::ErrorFile, languageIndex) + u' ' + path + u' ' +
           text(HelpText::NotFound, languageIndex);
}
