#pragma once

#include <QByteArray>
#include <QString>

// "tarvik-cli view FILE": the text of a report or log (or any other file), tabs kept, one line
// per paragraph, in UTF-8. False, with the reason, when the file cannot be read.
bool viewFileText(const QString& path, QByteArray& text, QString& error);
