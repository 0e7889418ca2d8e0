#pragma once

#include "readcommands.h"

#include "data/memoryimage.h"

#include <QString>
#include <vector>

// A setting or calibration value that reads differently in a settings file and in the
// controller, with the texts the settings window shows for each (English).
struct SettingDifference {
    int page;   // 1..5 the settings pages, 6 the calibration
    int number; // setting 0..48, or calibration channel 0..7
    QString name;
    QString file;
    QString controller;
    QString unit;
};

constexpr int CalibrationPage = 6;

// Every difference, in page order. Names and units are those of the file's own settings, so a
// mode that differs changes no name under the reader's eyes.
std::vector<SettingDifference> settingsDifferences(const MemoryImage& file,
                                                   const MemoryImage& controller);

QByteArray printDifferences(const std::vector<SettingDifference>& differences, OutputFormat format);
