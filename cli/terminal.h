#pragma once

#include <QByteArray>
#include <QString>

// What tarvik-cli puts on the terminal: results on standard output, errors and the progress
// line on standard error.
void printError(const QString& message);
void writeOutput(const QByteArray& bytes);
// A line of padded columns as printed: the padding of the last columns is not.
QString tableLine(QString line);
// "Reading 12/40", redrawn in place, and only when standard error is a terminal.
void showProgress(int done, int total, const char* what = "Reading");
