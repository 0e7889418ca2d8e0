#pragma once

#include "data/identity.h"
#include "data/memoryimage.h"

#include <QString>

// The text entry (0..65) whose name, unit and limits apply to a setting now: settings 30, 32,
// 35, 42 and 44 follow the controller's modes.
int textEntry(int setting, const MemoryImage& image);

QString rowName(int setting, const MemoryImage& image, int language);
QString rowUnit(int setting, const MemoryImage& image, int language);
// The display text of the setting's raw value.
QString formatSetting(int setting, const MemoryImage& image, const ControllerIdentity& identity,
                      int language);

// One row of a settings page as the window shows it.
struct SettingRowTexts {
    QString name;
    QString value;
    QString unit;
};
SettingRowTexts settingRowTexts(int setting, const MemoryImage& image,
                                const ControllerIdentity& identity, int language);
