#pragma once

#include "platform/richcomposer.h"

#include <QString>
#include <functional>

// Where a report named without a folder goes: next to the program when that folder can be
// written to (a portable copy), otherwise into the user's documents under TARVIK/.
struct SaveLocations {
    QString programFolder;
    bool programFolderWritable = false;
    QString documentsFolder;

    // The folder of the running program and the user's documents, as the system gives them.
    static SaveLocations ofThisProgram();
};

// The folder part of a name, up to and including its last separator; empty when it has none.
QString folderPart(const QString& fileName);
// The full name a report is saved under.
QString resolveSaveFileName(const QString& fileName, const SaveLocations& locations);
// The same, making our own folder in the documents when a name without a folder goes there.
QString prepareSaveFileName(const QString& fileName, const SaveLocations& locations);

enum class SaveAction { Create, Append, Overwrite };

// Composes into the document (empty, or the file's content to append to) and replaces the file
// with the result in one step: the old file stays whole until the new one is complete. Returns
// false, with the reason, when the file cannot be read or written.
bool saveComposedFile(const QString& path, SaveAction action,
                      const std::function<void(RichComposer&)>& compose, QString* error);

// The file's content as a document (rich text, or plain text for other files).
bool loadRichFile(const QString& path, RichDocument& document, QString* error);
// Writes the document as rich text, replacing the file only once it is written whole.
bool saveRichFile(const QString& path, const RichDocument& document, QString* error);
