#pragma once

// What a write to the controller sends: the settings and calibration editors prepare these, the
// paced write steps send them. They keep the last prepared write until the next one.
struct WriteOperands {
    // Which last step a single change takes.
    enum Kind { Calibration = 0, ProcessorReset = 1, Setting = 2 };

    int StepCount = 0;
    bool ProgramAll = false;
    int WriteAddress = 0; // EEPROM address, or RAM address when EepromWrite is false
    int WriteValue = 0;
    bool EepromWrite = false;
    int WriteKind = Setting;
    int SettingIndex = 0;
    int SettingRamAddress = 0;
    int CalRamAddress = 0;
    int SignByte = 0; // calibration sign byte for RAM 33 in a four-step write
    int AhValue = 0;  // state-of-charge amp-hours of the last accepted SOC entry
};
