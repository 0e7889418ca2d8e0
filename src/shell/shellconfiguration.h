#pragma once

#include "common/languagefonts.h"

#include <QString>
#include <array>
#include <map>

// Whether to include each kind of data in a saved report, and the log choices.
struct SaveOptions {
    bool currentData = false;
    bool dayData = false;
    bool settingsData = false;
    bool calibrationData = false;
    bool sampleEnabled = false;
    bool logDialUpEnabled = false;
    // Read for the sake of older stores; nothing consults or writes them.
    bool alarmBeep = false;
    bool alarmDial = false;
    bool siteMode = false;
    bool tapiSelection = true;
};

struct PhoneBookRow {
    QString name;
    QString number;
};

// Every value the program keeps between runs, with its default.
struct ShellConfiguration {
    static constexpr int PhoneBookRows = 16;
    static inline const QString DefaultDialString = QStringLiteral("0123456789");

    int periodicLogRate = 2;
    int baudIndex = 3;
    int directPortNumber = 1;
    int modemPortNumber = 3;
    int languageIndex = 0;
    int VoltageMultiplier = 4;
    int CurrentMultiplier = 1;
    int PhoneListLine = 1;
    int siteNumber = 1;
    QString dialString = DefaultDialString;
    QString SaveFileName = QStringLiteral("SaveFile");
    QString logNumber = DefaultDialString;
    QString logFile = QStringLiteral("LogFile");
    int pathTimeDelay = 2;
    QString ModemSetString = QStringLiteral("&K0&Q0&D0");
    QString selectedTapiDevice;
    SaveOptions save;
    std::array<PhoneBookRow, PhoneBookRows> phoneList;
    LanguageFonts fonts;
    // Devices the user chose for COM numbers, outside Windows.
    std::map<int, QString> portDevices;
};

// The options dialog's values, kept as integers of their own section.
struct WindowOptions {
    int MainFormLeft = 240;
    int MainFormTop = 45;
    int SingleCommandNumberKind = 0;
    // Settings writes are read back and compared once sent.
    bool VerifyWrites = true;
    // Read replies are handled as soon as they have arrived.
    bool FastReplies = false;
};
