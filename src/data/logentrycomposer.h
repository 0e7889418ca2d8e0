#pragma once

#include "data/csvwriter.h"
#include "data/identity.h"
#include "data/memoryimage.h"
#include "platform/richcomposer.h"

#include <QString>

constexpr int LogColumnCount = 37;

// What one log entry is made of: the image just read, the identity, the language, the moment
// as texts, and whether the reads behind it failed.
struct LogEntrySource {
    const MemoryImage& image;
    const ControllerIdentity& identity;
    int language = 0;
    QString dateText;
    QString timeText;
    bool readFailed = false;
};

// Appends one entry to the document and builds its line of 37 fields in `csv` (cleared first;
// not written). A failed read says so where the regulation state would stand, in both.
void ComposeLogEntry(RichComposer& edit, T_objCSV& csv, const LogEntrySource& source);
