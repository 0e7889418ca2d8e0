#pragma once

#include "common/texts.h"

// Texts of the settings window, in the four languages.
namespace SetformText {
inline constexpr TextRow Caption{"Control Settings", "Controle poses", "控制设置数据",
                                 "Kontrolleinstellungen"};
inline constexpr TextRow CalibrationCaption{"Calibration", "Calibratione", "统调", "Kalibierung"};
inline constexpr TextRow WindowHint{"View and change Settings", "", "查看和更改设置数据",
                                    "Anzeige und Änderung von Einstellungen"};
inline constexpr TextRow CalbuttonHint{"Regulator Calibration", "", "控制器统调", "Kalibrierung"};
inline constexpr TextRow SendbuttonHint{"Send one change to VX", "", "发送一项更改到VX ",
                                        "Eine Einstellung zum Regler senden"};
inline constexpr TextRow NamesHint{"Click here to re-read settings", "", "要重新查看 按这里",
                                   "Mausklick um Einstellungen wieder einzulesen"};
inline constexpr TextRow VxbuttonHint{"Send all settings to the VX", "", "送所有设置数据到这台VX",
                                      "Alle Einstellungen zum Regler senden"};
inline constexpr TextRow ProgbuttonHint{"Send now", "", "现在发送", "Jetzt senden"};
inline constexpr TextRow CancelbuttonHint{"Cancel", "", "取消", "Abbrechen"};
inline constexpr TextRow WholeListQuestion{"Program VX with the whole setting list?", "",
                                           "送所有设置到这台VX",
                                           "VX mit allen Einstellungen programmieren?"};
} // namespace SetformText
