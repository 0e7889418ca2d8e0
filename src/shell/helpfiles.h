#pragma once

#include <QString>
#include <QStringList>

// The help file of a language: English, French, Chinese, German; English for any other index.
QString helpFileName(int languageIndex);

// Where the help files are looked for, in order: beside the program (the build tree, a portable
// copy), then the installed data folder share/tarvik of the program's prefix.
QStringList helpFolders(const QString& programFolder);

// The help file of the language in the first folder that holds it; when none does, the path
// beside the program, which the missing-file message names.
QString helpFilePath(const QStringList& folders, int languageIndex);

// What the help window shows when the file is missing: the language's error text, the full path
// and the language's not-found text.
QString missingHelpText(const QString& path, int languageIndex);
