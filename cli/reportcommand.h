#pragma once

#include "link/controllerlink.h"
#include "platform/richcomposer.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <vector>

// "tarvik-cli report FILE": which sections, what to do with a file that exists, the language.
struct ReportRequest {
    enum class Existing { Refuse, Append, Overwrite };

    QString file;
    QStringList sections; // of reportSectionNames()
    Existing existing = Existing::Refuse;
    int language = 0;
    QString pdfFile; // also the report alone as PDF, laid out as printing would
};

const QStringList& reportSectionNames();
const QStringList& reportLanguageNames();

// The read sequences the chosen sections need, in the order they run.
std::vector<int> reportReadTypes(const ReportRequest& request);

// Checks that the report may be written: its folder exists, and a file that exists is to be
// appended to or overwritten. False, with the reason, otherwise.
bool reportMayBeWritten(const ReportRequest& request, QString& error);

// Composes the report of the chosen sections, from reads that all completed.
void composeReport(RichComposer& edit, ControllerLink& link, const ReportRequest& request,
                   const QDateTime& now);

// After every read completed: composes the report the save panel would for those sections and
// writes the file in one step. False, with the reason, when it cannot be written.
bool writeReport(ControllerLink& link, const ReportRequest& request, const QDateTime& now,
                 QString& error);
