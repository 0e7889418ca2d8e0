#include "data/reportfile.h"

#include "platform/rtfreader.h"
#include "platform/rtfwriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

SaveLocations SaveLocations::ofThisProgram() {
    const QString program = QCoreApplication::applicationDirPath();
    return {program, QFileInfo(program).isWritable(),
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)};
}

QString folderPart(const QString& fileName) {
    const QString name = QDir::fromNativeSeparators(fileName);
    return name.left(name.lastIndexOf(u'/') + 1);
}

QString resolveSaveFileName(const QString& fileName, const SaveLocations& locations) {
    if (!folderPart(fileName).isEmpty())
        return fileName;
    const QString folder = locations.programFolderWritable
                               ? locations.programFolder
                               : QDir(locations.documentsFolder).filePath(QStringLiteral("TARVIK"));
    return QDir(folder).filePath(fileName);
}

QString prepareSaveFileName(const QString& fileName, const SaveLocations& locations) {
    const QString resolved = resolveSaveFileName(fileName, locations);
    if (folderPart(fileName).isEmpty())
        QDir().mkpath(folderPart(resolved));
    return resolved;
}

bool loadRichFile(const QString& path, RichDocument& document, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error != nullptr)
            *error = file.errorString();
        return false;
    }
    document = readRichOrPlainText(file.readAll());
    return true;
}

bool saveRichFile(const QString& path, const RichDocument& document, QString* error) {
    QSaveFile file(path);
    const QByteArray rtf = writeRtf(document);
    if (file.open(QIODevice::WriteOnly) && file.write(rtf) == rtf.size() && file.commit())
        return true;
    if (error != nullptr)
        *error = file.errorString();
    return false;
}

bool saveComposedFile(const QString& path, SaveAction action,
                      const std::function<void(RichComposer&)>& compose, QString* error) {
    RichDocument document;
    if (action == SaveAction::Append && !loadRichFile(path, document, error))
        return false;
    RichComposer edit(document);
    compose(edit);
    return saveRichFile(path, document, error);
}
