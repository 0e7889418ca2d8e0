#pragma once

#include "common/texts.h"

#include <array>

// Texts of the data report and of the log entries.
namespace ReportText {
inline constexpr TextRow Title{"VX DATA", "VX DATA", "VX 数据", "VX Daten"};
inline constexpr TextRow DirectConnection{"Direct Connection", "", "直接连接",
                                          "Direkte Verbindung"};
inline constexpr TextRow Dialed{"Dialed", "", "已经拨号", "Gewählt"};
inline constexpr TextRow State{"State", "Etat", "状态", "Status"};
inline constexpr TextRow BatteryVoltage{"Battery Voltage", "Tension de Pile", "蓄电池电压",
                                        "Batteriespannung"};
inline constexpr TextRow DayRange{"Day Range", "Range de Jour", "每天范围", "Tagesbereich"};
inline constexpr TextRow Temperature{"Temp", "Temp", "温度", "Temp"};
inline constexpr TextRow ControlSettings{"CONTROL SETTINGS", "Controle poses", "控制设置数据",
                                         "Kontrolleinstellungen"};
inline constexpr TextRow CalibrationSettings{"CALIBRATION SETTINGS", "Calibratione", "统调设置数据",
                                             "Kalibrier-Einstellungen"};
inline constexpr TextRow Gain{"GAIN", "GAIN", "增益", "Verstärkung"};
inline constexpr TextRow Offset{"OFFSET", "OFFSET", "补偿", "OFFSET"};
// The regulation state of a log entry whose reads failed, so it never passes for a good reading.
inline constexpr TextRow ReadFailed{"Read failed", "Echec de lecture", "读取失败", "Lesefehler"};
// The settings pages as the report titles them.
inline constexpr std::array<const char*, 5> SettingsPageTitles{"SET", "REG", "MODE", "EVENT",
                                                               "GEN"};

inline constexpr int RuleLength = 62;
inline int titleSize(int language) {
    return language == 2 ? 13 : 12;
}
inline int languageSize(int language) {
    return language == 2 ? 13 : 10;
}
} // namespace ReportText
