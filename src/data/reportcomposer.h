#pragma once

#include "data/identity.h"
#include "data/memoryimage.h"
#include "platform/richcomposer.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

// The sections chosen for a report: each is its check box, enabled and checked.
struct ReportSections {
    bool current = false;
    bool history = false;
    bool settings = false;
    bool calibration = false;

    bool any() const { return current || history || settings || calibration; }
};

// What a report is made of: the image and what of it is valid, the controller's identity and
// the language of the texts.
struct ReportSource {
    const MemoryImage& image;
    const ControllerIdentity& identity;
    const DataValidFlags& valid;
    int language = 0;
};

// The heading's date, time, connection and file name, as texts.
struct ReportHeading {
    QString dateText;
    QString timeText;
    QString connectionText;
    QString fileName;
};

// The date in the short format and the time in the long format of a locale.
QString reportDateText(const QDateTime& moment, const QLocale& locale);
QString reportTimeText(const QDateTime& moment, const QLocale& locale);
// "Direct Connection", or "Dialed" and the dial string.
QString connectionText(bool direct, const QString& dialString, int language);

// Appends a data report to the document being composed: the heading, then each chosen section.
void ComposeReport(RichComposer& edit, const ReportSource& source, const ReportSections& sections,
                   const ReportHeading& heading);
